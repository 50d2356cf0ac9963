#include "files/RecoveryImport.h"

#include "archive/ArchiveJournal.h"
#include "archive/SqliteArchive.h"
#include "core/RecoveryFormat.h"

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
    return QStringLiteral("The recovery file \"%1\" cannot be read (%2).%3")
        .arg(QDir::toNativeSeparators(path), problem,
             aside.isEmpty()
                 ? QString()
                 : QStringLiteral(" It was moved to \"%1\".").arg(QDir::toNativeSeparators(aside)));
}

} // namespace quillon
