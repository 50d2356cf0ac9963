#include "files/PathRule.h"

namespace quillon
{

QString buildPath(const QString& folder, const QString& name, QChar separator)
{
    if (folder.endsWith(separator))
        return folder + name;
    return folder + separator + name;
}

QString pathBoxText(const QString& folder, const QString& name, QChar separator)
{
    return folder + separator + name;
}

} // namespace quillon
