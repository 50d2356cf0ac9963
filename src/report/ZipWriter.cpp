#include "report/ZipWriter.h"

#include <zip.h>

#include <cstdio>

namespace quillon
{

ZipWriter::ZipWriter()
{
    zip_error_t error;
    zip_error_init(&error);
    m_buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (m_buffer) {
        m_archive = zip_open_from_source(m_buffer, ZIP_CREATE | ZIP_TRUNCATE, &error);
        // The archive now holds the buffer; a second reference keeps it alive after zip_close
        // so that its bytes can be read.
        if (m_archive)
            zip_source_keep(m_buffer);
    }
    if (!m_archive)
        m_error = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
}

ZipWriter::~ZipWriter()
{
    if (m_archive)
        zip_discard(m_archive);
    if (m_buffer)
        zip_source_free(m_buffer);
}

bool ZipWriter::fail(const char* what)
{
    if (m_error.isEmpty())
        m_error = QString::fromUtf8(what) + QStringLiteral(": ") +
                  QString::fromUtf8(m_archive ? zip_strerror(m_archive) : "no archive");
    return false;
}

bool ZipWriter::add(const QString& name, const QByteArray& data, bool compress)
{
    if (!m_archive)
        return false;
    const QByteArray& kept = m_data.emplace_back(data);
    zip_source_t* source =
        zip_source_buffer(m_archive, kept.constData(), zip_uint64_t(kept.size()), 0);
    if (!source)
        return fail("zip_source_buffer");
    const zip_int64_t index =
        zip_file_add(m_archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return fail("zip_file_add");
    }
    if (zip_set_file_compression(m_archive, zip_uint64_t(index),
                                 compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) != 0)
        return fail("zip_set_file_compression");
    return true;
}

bool ZipWriter::finish(QByteArray& archive)
{
    archive.clear();
    if (!m_archive)
        return false;
    if (zip_close(m_archive) != 0)
        return fail("zip_close");
    m_archive = nullptr;
    m_data.clear();

    if (zip_source_open(m_buffer) != 0)
        return m_error = QStringLiteral("the archive cannot be read back"), false;
    bool ok = zip_source_seek(m_buffer, 0, SEEK_END) == 0;
    const zip_int64_t size = ok ? zip_source_tell(m_buffer) : -1;
    ok = size >= 0 && zip_source_seek(m_buffer, 0, SEEK_SET) == 0;
    if (ok) {
        archive.resize(qsizetype(size));
        ok = zip_source_read(m_buffer, archive.data(), zip_uint64_t(size)) == size;
    }
    zip_source_close(m_buffer);
    if (!ok) {
        archive.clear();
        m_error = QStringLiteral("the archive cannot be read back");
    }
    return ok;
}

} // namespace quillon
