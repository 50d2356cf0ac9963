#include "core/AscanDrawingPainter.h"

#include "core/FontFallback.h"
#include "core/PaintedImage.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quillon
{

namespace
{

// Text is measured at this many times its size, where no rounding of small sizes reaches it.
constexpr double kMeasureScale = 16;

// The ink of `text` painted with its cell's top-left corner at the origin, in drawing units.
QRectF inkAtOrigin(const QString& text)
{
    QFont large = ascanFont(&pointDevice());
    large.setPointSizeF(large.pointSizeF() * kMeasureScale);
    const QFontMetricsF metrics(large, &pointDevice());
    // Blanks have no ink (the tight box of a text would still start at its first blank).
    qsizetype blanks = 0;
    while (blanks < text.size() && text[blanks].isSpace())
        ++blanks;
    const QString inked = text.mid(blanks);
    if (inked.isEmpty())
        return {};
    const QRectF ink = metrics.tightBoundingRect(inked).translated(
        metrics.horizontalAdvance(text.left(blanks)), metrics.ascent());
    // Relative to the cell's top-left corner, one ascent above the baseline.
    return QRectF(ink.topLeft() / kMeasureScale, ink.size() / kMeasureScale);
}

// How far the text is moved sideways to keep its ink inside the labels' span.
double inkShift(const TextItem& text)
{
    const QRectF ink = inkAtOrigin(text.text).translated(text.x, text.y);
    if (ink.isEmpty())
        return 0;
    if (ink.left() < kLabelLeft)
        return kLabelLeft - ink.left();
    if (ink.right() > kLabelRight)
        return std::max(kLabelRight - ink.right(), kLabelLeft - ink.left());
    return 0;
}

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
        painter.drawText(QRectF(text.x + inkShift(text), text.y, kAscanWidth, kAscanHeight),
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
    const QFont font = ascanFont(painter.device());
    const ItemPainter paint{painter, font};
    for (const AscanItem& item : drawing.items)
        std::visit(paint, item);
    painter.restore();
}

QFont ascanFont(const QPaintDevice* device)
{
    QFont font = fontInUnits(QStringLiteral("MS Sans Serif"), kAscanFontSize, device);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QRectF paintedInk(const TextItem& text)
{
    return inkAtOrigin(text.text).translated(text.x + inkShift(text), text.y);
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
    return pngBytes(renderAscan(drawing, pixelsPerUnit));
}

} // namespace quillon
