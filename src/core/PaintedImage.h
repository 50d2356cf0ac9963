#pragma once

#include <QImage>
#include <QSize>

#include <functional>

class QPainter;

namespace quillon
{

// An opaque white image of `size` pixels, painted by `paint` through a painter that maps one
// drawing unit onto `pixelsPerUnit` pixels. A `dotsPerMeter` above zero is set as the image's
// resolution before painting (text sized in points follows it); zero keeps the default.
QImage paintedImage(QSize size, double pixelsPerUnit, const std::function<void(QPainter&)>& paint,
                    int dotsPerMeter = 0);

// A device of 72 dots per inch, for measuring text: one pixel is one point (and one drawing unit
// of the A-scan).
const QImage& pointDevice();

// The image as a PNG file's bytes, written by Qt's writer; empty when it cannot be written. Qt
// turns a quality of 80 to 89 into zlib's fastest level, 1 (a mostly white drawing still packs
// well at it); -1 is zlib's default level.
QByteArray pngBytes(const QImage& image, int quality = 85);

} // namespace quillon
