#include "core/InputFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quillon
{

std::optional<FileFailure> InputFile::open(const QString& path)
{
    const auto fail = [&](FileProblem problem, const QString& detail) {
        return std::optional<FileFailure>(FileFailure{problem, path, detail});
    };
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isFile())
        return fail(
            FileProblem::DeviceGiven,
            QCoreApplication::translate("InputFile", "it is a device or a pipe, not a file"));
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        const FileProblem problem = !info.exists() ? FileProblem::NotFound
                                    : info.isDir() ? FileProblem::FolderGiven
                                                   : FileProblem::CannotRead;
        return fail(problem, m_file.errorString());
    }
    if (info.isDir()) { // where the system opens folders as files
        m_file.close();
        return fail(FileProblem::FolderGiven,
                    QCoreApplication::translate("InputFile", "it is a folder"));
    }
    m_size = m_file.size();
    m_read = 0;
    return std::nullopt;
}

std::optional<FileFailure> InputFile::read(qint64 maxBytes, QByteArray& piece)
{
    piece = m_file.read(maxBytes);
    if (m_file.error() != QFileDevice::NoError)
        return FileFailure{FileProblem::CannotRead, m_file.fileName(), m_file.errorString()};
    m_read += piece.size();
    return std::nullopt;
}

} // namespace quillon
