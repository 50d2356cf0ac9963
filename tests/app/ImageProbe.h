#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

namespace quillon::probe
{

// Colours as the A-scan paints them, with room for anti-aliasing at the edges of a line.
inline bool isGreen(QColor c)
{
    return c.green() > 130 && c.red() < 80 && c.blue() < 80;
}
inline bool isBlack(QColor c)
{
    return c.red() < 70 && c.green() < 70 && c.blue() < 70;
}
inline bool isWhite(QColor c)
{
    return c.red() > 235 && c.green() > 235 && c.blue() > 235;
}

// The pixel of an image rendered at `pixelsPerUnit` under a point in drawing units.
inline QColor at(const QImage& image, double pixelsPerUnit, QPointF unit)
{
    return image.pixelColor(int(unit.x() * pixelsPerUnit), int(unit.y() * pixelsPerUnit));
}

} // namespace quillon::probe
