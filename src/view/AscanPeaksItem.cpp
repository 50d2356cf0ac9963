#include "view/AscanPeaksItem.h"

#include "core/AscanMeasure.h"
#include "core/AscanZoom.h"

#include <QPainter>

namespace quillon
{

const QColor AscanPeaksItem::kGateColors[2] = {{220, 40, 0}, {230, 130, 0}};

namespace
{

// The peaks shown and their surface points.
template <typename Visit> void forEachShownPeak(const AscanLayerView& view, Visit visit)
{
    for (const GateReading& gate : view.measure.gates()) {
        if (!gate.peak)
            continue;
        const SampleReading& r = gate.peak->reading;
        const QPointF p = view.zoom.toSurface({r.x, kBaselineY - 2.0 * r.amplitude});
        if (p.x() < -1 || p.x() > kRangeSpan + 1 || p.y() < kTopY - 1 || p.y() > kBaselineY + 1)
            continue;
        visit(gate.gate, p);
    }
}

QRectF numberCell(QPointF peak)
{
    return QRectF(peak.x() - 10, peak.y() - 16, 20, 9);
}

} // namespace

QVector<QRectF> AscanPeaksItem::markAreas(const AscanLayerView& view)
{
    QVector<QRectF> areas;
    forEachShownPeak(view, [&](int, QPointF p) {
        // The number's cell over the triangle, narrowed to the digit's width.
        areas.append(QRectF(p.x() - 4, p.y() - 16, 8, 16));
    });
    return areas;
}

void AscanPeaksItem::paintFore(QPainter& painter, const AscanLayerView& view) const
{
    painter.setFont(labelFont(painter));
    forEachShownPeak(view, [&](int gate, QPointF p) {
        const QColor color = kGateColors[gate == 2 ? 1 : 0];
        const QPointF tri[3] = {p + QPointF(-3, -6), p + QPointF(3, -6), p + QPointF(0, -1)};
        painter.setPen(QPen(color, 0.75));
        painter.setBrush(color);
        painter.drawPolygon(tri, 3);
        painter.drawText(numberCell(p), Qt::AlignCenter, QString::number(gate));
    });
}

} // namespace quillon
