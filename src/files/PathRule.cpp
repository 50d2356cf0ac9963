#include "files/PathRule.h"

namespace quillon
{

QString buildPath(const QString& folder, const QString& name, QChar separator)
{
    return folder.endsWith(separator) ? folder + name : folder + separator + name;
}

QString pathBoxText(const QString& folder, const QString& name, QChar separator)
{
    return folder + separator + name;
}

} // namespace quillon
