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

// The image as a PNG file's bytes, written by Qt's writer at zlib's fastest level; empty when it
// cannot be written.
QByteArray pngBytes(const QImage& image);

} // namespace quillon
