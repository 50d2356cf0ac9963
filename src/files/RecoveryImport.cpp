#include "files/RecoveryImport.h"

#include "archive/ArchiveJournal.h"
#include "archive/SqliteArchive.h"
#include "core/RecoveryFormat.h"

#include <QCoreApplication>
#include <QFile>

namespace quillon
{

QString recoveryFilePath(const QDir& folder)
{
    return folder.absoluteFilePath(QStringLiteral("dfd.recovery"));
}

QString importRecoveryFile(const QString& path, ArchiveJournal& journal)
{
    QFile file(path);
    if (!file.exists())
        return {};
    QString problem;
    std::vector<RecoveryEntry> entries;
    if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    else if (readRecovery(file.readAll(), entries, &problem))
        problem.clear();
    file.close();
    if (problem.isEmpty()) {
        std::vector<ArchiveJournal::Leftover> rows;
        for (const RecoveryEntry& e : entries)
            rows.push_back({e.row, e.marked, e.record});
        if (journal.importLeftovers(rows, QFileInfo(path).absoluteFilePath()))
            QFile::remove(path);
        return {};
    }
    const QString aside = SqliteArchive::moveAside(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (aside.isEmpty())
        return QCoreApplication::translate("quillon::RecoveryImport",
                                           "The recovery file \"%1\" cannot be read (%2).")
            .arg(shown, problem);
    return QCoreApplication::translate("quillon::RecoveryImport",
                                       "The recovery file \"%1\" cannot be read (%2). It was "
                                       "moved to \"%3\".")
        .arg(shown, problem, QDir::toNativeSeparators(aside));
}

} // namespace quillon
