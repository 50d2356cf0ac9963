#pragma once

#include "core/FileFailure.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

namespace quillon
{

// A file named by the operator, read from its start in pieces of the size the reader asks for,
// so that no more of it is read than its format can use. Only a regular file is opened: a
// missing file, a folder, a device, a pipe or a socket, and a file the system will not let us
// read are refused with the reason, and nothing is read from them (a device or a pipe may never
// end, and opening a pipe waits for a writer).
class InputFile
{
public:
    // NotFound, FolderGiven and CannotRead carry the system's own words as the detail.
    std::optional<FileFailure> open(const QString& path);

    // The file's size when it was opened.
    qint64 size() const { return m_size; }
    // How many bytes have been read.
    qint64 position() const { return m_read; }

    // The next bytes of the file, at most `maxBytes` of them; empty at the end of the file.
    std::optional<FileFailure> read(qint64 maxBytes, QByteArray& piece);

private:
    QFile m_file;
    qint64 m_size = 0;
    qint64 m_read = 0;
};

} // namespace quillon
