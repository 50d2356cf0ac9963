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

const QImage& pointDevice()
{
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(qRound(72 / 0.0254));
        i.setDotsPerMeterY(qRound(72 / 0.0254));
        return i;
    }();
    return image;
}

QByteArray pngBytes(const QImage& image, int quality)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG", quality))
        return {};
    return png;
}

} // namespace quillon
