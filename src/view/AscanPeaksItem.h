#pragma once

#include "view/AscanLayerItem.h"

#include <QRectF>
#include <QVector>

namespace quillon
{

// The peaks of the gates drawn: a small triangle pointing down at each, the gate's number above.
class AscanPeaksItem : public AscanLayerItem
{
public:
    void paintFore(QPainter& painter, const AscanLayerView& view) const override;

    // Where the marks lie on the surface, gate 1 first; marks outside the view are left out.
    static QVector<QRectF> markAreas(const AscanLayerView& view);

    static const QColor kGateColors[2];
};

} // namespace quillon
