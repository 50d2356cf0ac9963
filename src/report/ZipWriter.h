#pragma once

#include <QByteArray>
#include <QString>

#include <deque>

struct zip;
struct zip_source;

namespace quillon
{

// Builds a zip archive in memory with libzip: entries are added in order, then finish() gives the
// archive's bytes.
class ZipWriter
{
public:
    ZipWriter();
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // Adds an entry; `compress` deflates it, else it is stored as is. False on failure.
    bool add(const QString& name, const QByteArray& data, bool compress = true);

    // Closes the archive and returns its bytes; false (and nothing in `archive`) on failure.
    // The writer cannot be used afterwards.
    bool finish(QByteArray& archive);

    QString errorString() const { return m_error; }

private:
    bool fail(const char* what); // keeps the first failure; returns false

    zip_source* m_buffer = nullptr;
    zip* m_archive = nullptr;
    std::deque<QByteArray> m_data; // entry data stays alive until the archive is closed
    QString m_error;
};

} // namespace quillon
