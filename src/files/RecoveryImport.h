#pragma once

#include <QDir>
#include <QString>

namespace quillon
{

class ArchiveJournal;

// "dfd.recovery" in that folder: where older versions kept the unsaved rows of a run.
QString recoveryFilePath(const QDir& folder);

// Brings a recovery file left by an older version into the archive, as the unsaved work of an
// earlier run, and removes it; an unreadable one is moved aside. Returns what the operator must be
// told (empty when nothing or all went well). A file the archive cannot take yet stays for the
// next start.
QString importRecoveryFile(const QString& path, ArchiveJournal& journal);

} // namespace quillon
