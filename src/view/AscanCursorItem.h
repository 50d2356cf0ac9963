#pragma once

#include "view/AscanLayerItem.h"

#include <QRectF>

namespace quillon
{

// The vertical cursor at one sample, with a ring where it meets the trace, and the rubber band
// of a zoom drag. Changes with every mouse move, so the overlay paints it over what it keeps.
class AscanCursorItem : public AscanLayerItem
{
public:
    static constexpr int kNoCursor = -1;
    int sample = kNoCursor;
    QRectF band; // surface units; empty: no drag

    void paintFore(QPainter& painter, const AscanLayerView& view) const override;

    static const QColor kColor;
};

} // namespace quillon
