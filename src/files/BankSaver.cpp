#include "files/BankSaver.h"

#include "core/BankFile.h"
#include "files/PathRule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace quillon
{

std::optional<FileFailure> BankSaver::save(const QString& folder, const QString& name)
{
    if (name.isEmpty())
        return FileFailure{FileProblem::NoName, buildPath(folder, name), {}};
    return saveTo(buildPath(folder, name));
}

std::optional<FileFailure> BankSaver::saveTo(const QString& path)
{
    if (auto failure = writeFile(path, writeBank(m_module.membank)))
        return failure;
    m_module.markSaved(QFileInfo(path).absoluteFilePath());
    return std::nullopt;
}

std::optional<FileFailure> BankSaver::writeFile(const QString& path, const QByteArray& bytes)
{
    const auto fail = [&](FileProblem problem, const QString& detail = {}) {
        return std::optional<FileFailure>(FileFailure{problem, path, detail});
    };
    if (path.isEmpty() || path.endsWith(QDir::separator()) || path.endsWith(u'/'))
        return fail(FileProblem::NoName);
    const QFileInfo info(path);
    if (info.isDir())
        return fail(FileProblem::IsFolder);
    // A device node would be replaced by a plain file (or a pipe would block the program).
    if (info.exists() && !info.isFile())
        return fail(FileProblem::NotAFile);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return fail(FileProblem::NoFolder, QDir::toNativeSeparators(folder.filePath()));

    if (QStorageInfo(folder.filePath()).isReadOnly())
        return fail(FileProblem::CannotCreate,
                    QCoreApplication::translate("quillon::BankSaver", "the drive is read-only"));
    if (info.exists() && !info.isWritable())
        return fail(FileProblem::CannotCreate,
                    QCoreApplication::translate("quillon::BankSaver", "the file is read-only"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(FileProblem::CannotCreate, file.errorString());
    // A write may stop short without an error (a nearly full disk takes what fits); writing the
    // rest then brings out the reason. A short file must never be committed.
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return fail(FileProblem::WriteFailed, reason);
        }
        written += n;
    }
    if (!file.commit()) {
        const bool replacing = file.error() == QFileDevice::RenameError;
        return fail(replacing ? FileProblem::ReplaceFailed : FileProblem::WriteFailed,
                    file.errorString());
    }
    return std::nullopt;
}

} // namespace quillon
