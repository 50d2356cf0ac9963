#include "view/AscanZoomScaleItem.h"

#include "core/AscanMeasure.h"
#include "core/AscanZoom.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quillon
{

void AscanZoomScaleItem::paintMid(QPainter& painter, const AscanLayerView& view) const
{
    if (!view.zoom.isZoomed())
        return;
    const QRectF visible = view.zoom.visible();
    painter.setPen(QPen(kOwnBlue, 0.75));
    painter.setFont(labelFont(painter));
    painter.drawLine(QPointF(0, kBaselineY + 1), QPointF(kRangeSpan, kBaselineY + 1));
    constexpr int kTicks = 4;
    const double pathSpan = view.measure.range() * visible.width() / kRangeSpan;
    const int decimals =
        pathSpan > 0 ? std::clamp(int(std::ceil(-std::log10(pathSpan / kTicks))) + 1, 0, 3) : 0;
    for (int k = 0; k <= kTicks; ++k) {
        const double x = kRangeSpan * k / kTicks;
        painter.drawLine(QPointF(x, kBaselineY + 1), QPointF(x, kBaselineY + 4));
        const std::optional<double> path =
            view.measure.soundPathAt(view.zoom.toDrawing({x, 0}).x());
        if (!path)
            continue;
        const Qt::Alignment align = k == 0        ? Qt::AlignLeft
                                    : k == kTicks ? Qt::AlignRight
                                                  : Qt::AlignHCenter;
        const QRectF cell(k == 0 ? x : k == kTicks ? x - 60 : x - 30, kBaselineY + 4, 60, 12);
        painter.drawText(cell, align | Qt::AlignTop, measureNumber(*path, decimals));
    }
    if (visible.height() < AscanZoom::traceArea().height()) {
        const auto percent = [](double y) {
            return measureNumber((kBaselineY - y) / 2, 1) + QStringLiteral(" %");
        };
        painter.drawText(QRectF(2, kTopY + 1, 60, 10), Qt::AlignLeft | Qt::AlignTop,
                         percent(visible.top()));
        painter.drawText(QRectF(2, kBaselineY - 11, 60, 10), Qt::AlignLeft | Qt::AlignBottom,
                         percent(visible.bottom()));
    }
    // Fixed: the scale is part of the A-scan image as copied and saved.
    const double factor = kRangeSpan / visible.width();
    painter.drawText(QRectF(kAscanWidth - 82, 0, 80, 10), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("zoom \u00d7%1").arg(measureNumber(factor, 1)));
}

} // namespace quillon
