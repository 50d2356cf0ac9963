#include "core/PaintedImage.h"

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

} // namespace quillon
