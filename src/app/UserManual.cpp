#include "app/UserManual.h"

#include <QDir>
#include <QFileInfo>

namespace quillon
{

QString findUserManual(const QString& programDir)
{
    const QDir dir(programDir);
    for (const char* candidate : {"../share/doc/quillon/manual.html", "../../docs/manual.html"}) {
        const QFileInfo manual(dir.filePath(QString::fromLatin1(candidate)));
        if (manual.isFile())
            return manual.canonicalFilePath();
    }
    return {};
}

} // namespace quillon
