#include "core/AscanRenderer.h"

#include "core/DrawingFont.h"
#include "core/PaintedImage.h"

#include <QBuffer>
#include <QPainter>

#include <cmath>

namespace quillon
{

namespace
{

QPen pen(const QColor& color)
{
    QPen p(color, kLineWidth);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

struct ItemPainter {
    QPainter& painter;
    const QFont& font;

    void operator()(const LineItem& line) const
    {
        painter.setPen(pen(line.color));
        painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
    }
    void operator()(const PolylineItem& poly) const
    {
        painter.setPen(pen(poly.color));
        painter.drawPolyline(poly.points.constData(), int(poly.points.size()));
    }
    void operator()(const DotsItem& dots) const
    {
        const double half = kLineWidth / 2;
        for (const QPointF& p : dots.points)
            painter.fillRect(QRectF(p.x() - half, p.y() - half, kLineWidth, kLineWidth),
                             dots.color);
    }
    void operator()(const TextItem& text) const
    {
        painter.setPen(text.color);
        painter.setFont(font);
        painter.drawText(QRectF(text.x, text.y, kAscanWidth, kAscanHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text.text);
    }
};

} // namespace

void paintAscan(QPainter& painter, const AscanDrawing& drawing)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(QRectF(0, 0, kAscanWidth, kAscanHeight), Qt::IntersectClip);
    painter.fillRect(QRectF(0, 0, kAscanWidth, kAscanHeight), Qt::white);
    const QFont font = fontInUnits(QStringLiteral("MS Sans Serif"), QFont::SansSerif,
                                   kAscanFontSize, painter.device());
    const ItemPainter paint{painter, font};
    for (const AscanItem& item : drawing.items)
        std::visit(paint, item);
    painter.restore();
}

QImage renderAscan(const AscanDrawing& drawing, double pixelsPerUnit)
{
    const QSize size(int(std::ceil(kAscanWidth * pixelsPerUnit)),
                     int(std::ceil(kAscanHeight * pixelsPerUnit)));
    return paintedImage(size, pixelsPerUnit,
                        [&](QPainter& painter) { paintAscan(painter, drawing); });
}

QByteArray ascanPng(const AscanDrawing& drawing, double pixelsPerUnit)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // Qt's PNG writer turns a quality of 80 to 89 into zlib's fastest level, 1; a mostly white
    // drawing still packs well at it.
    if (!renderAscan(drawing, pixelsPerUnit).save(&buffer, "PNG", 85))
        return {};
    return png;
}

} // namespace quillon
