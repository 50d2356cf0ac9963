#include "core/AscanSvg.h"

#include "core/AscanDrawingPainter.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace quillon
{

namespace
{
constexpr int kSvgDpi = 96; // as the PNG images, so that text has the same size in both
}

QByteArray svgImage(QSizeF sizeInUnits, double pixelsPerUnit,
                    const std::function<void(QPainter&)>& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize pixels(int(std::ceil(sizeInUnits.width() * pixelsPerUnit)),
                       int(std::ceil(sizeInUnits.height() * pixelsPerUnit)));
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(pixels);
    generator.setViewBox(QRect(QPoint(0, 0), pixels));
    generator.setResolution(kSvgDpi);
    // Fixed: a property of the image file.
    generator.setTitle(QStringLiteral("A-scan"));
    QPainter painter(&generator);
    painter.fillRect(QRect(QPoint(0, 0), pixels), Qt::white);
    painter.scale(pixelsPerUnit, pixelsPerUnit);
    paint(painter);
    painter.end();
    return bytes;
}

QByteArray ascanSvg(const AscanDrawing& drawing, double pixelsPerUnit)
{
    return svgImage(QSizeF(kAscanWidth, kAscanHeight), pixelsPerUnit,
                    [&](QPainter& painter) { paintAscan(painter, drawing); });
}

} // namespace quillon
