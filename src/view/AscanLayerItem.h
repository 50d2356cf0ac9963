#pragma once

#include "core/AscanDrawing.h"

#include <QFont>

#include <vector>

class QPainter;

namespace quillon
{

class AscanMeasure;
class AscanZoom;

// What the overlay's items paint from: the record on display measured, the part of the trace
// shown, and the drawing as shown there (in surface units, the items' back primitives included).
struct AscanLayerView {
    const AscanMeasure& measure;
    const AscanZoom& zoom;
    const AscanDrawing& shown;
};

// One item of the A-scan overlay. The overlay paints the layers in order, each over the one
// before: the items' back primitives go into the drawing just behind the trace on display (in
// drawing units, zoomed with the drawing), then the drawing, then every item's middle layer,
// then every item's foreground. Painters work in surface units.
class AscanLayerItem
{
public:
    virtual ~AscanLayerItem() = default;

    virtual void addBack(std::vector<AscanItem>& items) const { Q_UNUSED(items); }
    virtual void paintMid(QPainter& painter, const AscanLayerView& view) const
    {
        Q_UNUSED(painter);
        Q_UNUSED(view);
    }
    virtual void paintFore(QPainter& painter, const AscanLayerView& view) const
    {
        Q_UNUSED(painter);
        Q_UNUSED(view);
    }

    // The font of the items' labels, a little smaller than the range scale.
    static QFont labelFont(const QPainter& painter);
    // Our own marks (scale, zoom note), apart from the instrument's black.
    static const QColor kOwnBlue;
};

} // namespace quillon
