#pragma once

#include "view/AscanLayerItem.h"

namespace quillon
{

// A zoomed view's own scale under the trace, in place of the instrument's range scale: sound
// paths at five ticks, the amplitudes at the edges of a view zoomed in height, and how far in
// the view is, so that nobody takes it for the instrument's scale. Nothing without zoom.
class AscanZoomScaleItem : public AscanLayerItem
{
public:
    void paintMid(QPainter& painter, const AscanLayerView& view) const override;
};

} // namespace quillon
