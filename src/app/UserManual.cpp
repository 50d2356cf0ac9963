#include "app/UserManual.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QUrl>

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

bool openUserManual(QStatusBar* statusBar, const QString& programDir)
{
    const QString manual = findUserManual(programDir);
    if (manual.isEmpty()) {
        statusBar->showMessage(QStringLiteral("The user manual is not installed."));
        return false;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(manual))) {
        statusBar->showMessage(QStringLiteral("No browser could show the user manual: %1")
                                   .arg(QDir::toNativeSeparators(manual)));
        return false;
    }
    return true;
}

} // namespace quillon
