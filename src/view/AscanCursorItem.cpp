#include "view/AscanCursorItem.h"

#include "core/AscanMeasure.h"
#include "core/AscanZoom.h"

#include <QPainter>

namespace quillon
{

const QColor AscanCursorItem::kColor{200, 0, 160};

void AscanCursorItem::paintFore(QPainter& painter, const AscanLayerView& view) const
{
    if (!band.isEmpty()) {
        painter.setPen(QPen(kOwnBlue, 0.75, Qt::DashLine));
        painter.setBrush(QColor(0, 80, 200, 30));
        painter.drawRect(band);
    }
    if (sample == kNoCursor)
        return;
    const SampleReading r = view.measure.sample(sample);
    const QPointF top = view.zoom.toSurface({r.x, kTopY});
    if (top.x() < -1 || top.x() > kRangeSpan + 1)
        return;
    painter.setPen(QPen(kColor, 0.75, Qt::DashLine));
    painter.drawLine(QPointF(top.x(), kTopY), QPointF(top.x(), kBaselineY));
    const QPointF at = view.zoom.toSurface({r.x, kBaselineY - 2.0 * r.amplitude});
    if (at.y() >= kTopY - 1 && at.y() <= kBaselineY + 1) {
        painter.setPen(QPen(kColor, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 2.0, 2.0);
    }
}

} // namespace quillon
