#include "core/PngWriter.h"

#include <zlib.h>

#include <vector>

namespace quillon
{

namespace
{

void appendBigEndian(QByteArray& out, quint32 value)
{
    out.append(char(value >> 24));
    out.append(char(value >> 16));
    out.append(char(value >> 8));
    out.append(char(value));
}

// Length, type, data, and the CRC-32 of type and data.
void appendChunk(QByteArray& out, const char (&type)[5], QByteArrayView data)
{
    appendBigEndian(out, quint32(data.size()));
    out.append(type, 4);
    out.append(data);
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
    if (!data.isEmpty())
        crc = crc32(crc, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size()));
    appendBigEndian(out, quint32(crc));
}

// Row y as PNG filter type 1 ("Sub"): each byte minus the same colour of the pixel to its left.
void subFilteredRow(const QImage& image, int y, unsigned char* out)
{
    const QRgb* pixel = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    *out++ = 1;
    unsigned r0 = 0, g0 = 0, b0 = 0;
    for (int x = 0, width = image.width(); x < width; ++x) {
        const unsigned r = qRed(pixel[x]), g = qGreen(pixel[x]), b = qBlue(pixel[x]);
        *out++ = static_cast<unsigned char>(r - r0);
        *out++ = static_cast<unsigned char>(g - g0);
        *out++ = static_cast<unsigned char>(b - b0);
        r0 = r;
        g0 = g;
        b0 = b;
    }
}

// The filtered rows through zlib's fastest level, a band of rows at a time: no copy of the
// whole image.
bool compressedRows(const QImage& image, QByteArray& out)
{
    // One compressor per thread, reset for each image: setting up zlib's 256 KiB of tables
    // anew for every image costs more than compressing it.
    struct Compressor {
        z_stream stream{};
        bool ready = deflateInit(&stream, Z_BEST_SPEED) == Z_OK;
        ~Compressor()
        {
            if (ready)
                deflateEnd(&stream);
        }
    };
    thread_local Compressor compressor;
    if (!compressor.ready || deflateReset(&compressor.stream) != Z_OK)
        return false;
    z_stream& stream = compressor.stream;
    const std::size_t rowBytes = 1 + 3 * std::size_t(image.width());
    constexpr int kBandRows = 32;
    std::vector<unsigned char> band(rowBytes * kBandRows);
    constexpr qsizetype kStep = 16 * 1024;
    out.reserve(4 * kStep);
    qsizetype used = 0;
    bool ok = true;
    for (int y = 0; ok && y < image.height();) {
        int rows = 0;
        for (; rows < kBandRows && y < image.height(); ++rows, ++y)
            subFilteredRow(image, y, band.data() + rows * rowBytes);
        const bool last = y == image.height();
        stream.next_in = band.data();
        stream.avail_in = uInt(rows * rowBytes);
        int result;
        do {
            if (out.size() - used < kStep)
                out.resize(used + kStep);
            stream.next_out = reinterpret_cast<Bytef*>(out.data() + used);
            stream.avail_out = uInt(out.size() - used);
            result = deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            used = out.size() - stream.avail_out;
            ok = result == Z_OK || result == Z_STREAM_END;
        } while (ok && (last ? result != Z_STREAM_END : stream.avail_in > 0));
    }
    out.resize(used);
    return ok;
}

} // namespace

QByteArray opaquePng(const QImage& source)
{
    if (source.isNull())
        return {};
    const QImage image = source.format() == QImage::Format_RGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    QByteArray rows;
    if (!compressedRows(image, rows))
        return {};

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png.reserve(rows.size() + 128);
    QByteArray header;
    appendBigEndian(header, quint32(image.width()));
    appendBigEndian(header, quint32(image.height()));
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, filtered rows, no interlace
    appendChunk(png, "IHDR", header);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        QByteArray resolution;
        appendBigEndian(resolution, quint32(image.dotsPerMeterX()));
        appendBigEndian(resolution, quint32(image.dotsPerMeterY()));
        resolution.append(char(1)); // per metre
        appendChunk(png, "pHYs", resolution);
    }
    appendChunk(png, "IDAT", rows);
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace quillon
