#include "core/PaintedImage.h"

#include <QBuffer>
#include <QPainter>

namespace quillon
{

QImage paintedImage(QSize size, double pixelsPerUnit, const std::function<void(QPainter&)>& paint,
                    int dotsPerMeter)
{
    QImage image(size, QImage::Format_RGB32);
    if (dotsPerMeter > 0) {
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(pixelsPerUnit, pixelsPerUnit);
    paint(painter);
    painter.end();
    return image;
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // Qt's PNG writer turns a quality of 80 to 89 into zlib's fastest level, 1; a mostly white
    // drawing still packs well at it.
    if (!image.save(&buffer, "PNG", 85))
        return {};
    return png;
}

} // namespace quillon
