#pragma once

#include <QByteArray>
#include <QImage>

namespace quillon
{

// An opaque image as an 8-bit RGB PNG file, quickly: each row with the "Sub" filter, then
// zlib's fastest level. Reads back as the same pixels (alpha dropped); keeps the image's
// resolution. A null image gives an empty array.
QByteArray opaquePng(const QImage& image);

} // namespace quillon
