#pragma once

// Whole files as bytes, for tests that write an input or check what the program wrote.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace quillon::test
{

// The bytes of the file `path`; empty when it cannot be read.
inline QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace quillon::test
