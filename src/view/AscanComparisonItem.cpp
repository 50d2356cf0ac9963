#include "view/AscanComparisonItem.h"

#include "core/AscanMeasure.h"
#include "core/AscanZoom.h"
#include "view/AscanPeaksItem.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace quillon
{

const QColor AscanComparisonItem::kColor{160, 190, 235};

namespace
{

constexpr double kLineHeight = 9;
constexpr double kMargin = 3;

// Points of the shown lines and polylines inside r.
int inkIn(const QRectF& r, const AscanDrawing& shown)
{
    int ink = 0;
    for (const AscanItem& item : shown.items)
        if (const auto* poly = std::get_if<PolylineItem>(&item))
            ink += int(std::count_if(poly->points.begin(), poly->points.end(),
                                     [&](const QPointF& p) { return r.contains(p); }));
    return ink;
}

} // namespace

void AscanComparisonItem::addBack(std::vector<AscanItem>& items) const
{
    if (!trace.isEmpty())
        items.push_back(PolylineItem{kColor, trace});
}

QRectF AscanComparisonItem::legendBox(QSizeF size, const QVector<QRectF>& marks,
                                      const AscanDrawing& shown)
{
    const double left = kMargin;
    const double right = kRangeSpan - size.width() - kMargin;
    const double top = kTopY + 2;
    const double bottom = kBaselineY - size.height() - kMargin;
    const QRectF corners[4] = {{QPointF(right, top), size},
                               {QPointF(left, top), size},
                               {QPointF(right, bottom), size},
                               {QPointF(left, bottom), size}};
    const auto covered = [&](const QRectF& box) {
        return std::count_if(marks.begin(), marks.end(),
                             [&](const QRectF& m) { return m.intersects(box); });
    };
    if (covered(corners[0]) == 0)
        return corners[0];
    const QRectF* best = &corners[0];
    auto bestKey = std::pair(covered(*best), inkIn(*best, shown));
    for (const QRectF& box : corners) {
        const auto key = std::pair(covered(box), inkIn(box, shown));
        if (key < bestKey) {
            best = &box;
            bestKey = key;
        }
    }
    return *best;
}

void AscanComparisonItem::paintFore(QPainter& painter, const AscanLayerView& view) const
{
    if (isEmpty())
        return;
    painter.setFont(labelFont(painter));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double textWidth =
        std::max(metrics.horizontalAdvance(legend), metrics.horizontalAdvance(currentLegend));
    const QSizeF size(textWidth + 20, 2 * kLineHeight + 2);
    QVector<QRectF> marks = AscanPeaksItem::markAreas(view);
    if (view.zoom.visible().height() < AscanZoom::traceArea().height()) {
        // The amplitudes named at the edges of a view zoomed in height.
        marks.append(QRectF(2, kTopY + 1, 30, 10));
        marks.append(QRectF(2, kBaselineY - 11, 30, 10));
    }
    const QRectF box = legendBox(size, marks, view.shown);
    painter.setPen(QPen(QColor(120, 120, 120), 0.5));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(box);
    const std::pair<QColor, QString> rows[2] = {{kTraceGreen, currentLegend}, {kColor, legend}};
    for (int i = 0; i < 2; ++i) {
        const double y = box.top() + 1 + kLineHeight * i + kLineHeight / 2;
        painter.setPen(QPen(rows[i].first, 2));
        painter.drawLine(QPointF(box.left() + 3, y), QPointF(box.left() + 13, y));
        painter.setPen(kForeground);
        painter.drawText(QRectF(box.left() + 16, y - kLineHeight / 2, textWidth + 4, kLineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, rows[i].second);
    }
}

} // namespace quillon
