#pragma once

#include "view/AscanLayerItem.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVector>

namespace quillon
{

// A second trace drawn light behind the one on display, and a legend naming both. The legend
// sits in the top right corner unless it would cover a peak mark; then in the emptier corner.
class AscanComparisonItem : public AscanLayerItem
{
public:
    // The other trace in drawing units, already on the sound-path axis of the one on display.
    QVector<QPointF> trace;
    QString legend;        // the compared trace
    QString currentLegend; // the trace on display

    bool isEmpty() const { return trace.isEmpty() && legend.isEmpty(); }

    void addBack(std::vector<AscanItem>& items) const override;
    void paintFore(QPainter& painter, const AscanLayerView& view) const override;

    // Where the legend of `size` goes: the first of the corners that covers the fewest of
    // `marks`, preferring the top right and else the one with the least of `shown`'s ink.
    static QRectF legendBox(QSizeF size, const QVector<QRectF>& marks, const AscanDrawing& shown);

    static const QColor kColor;
};

} // namespace quillon
