#pragma once

#include "core/AscanDrawing.h"

#include <QPointF>
#include <QRectF>

namespace quillon
{

// The part of the trace area a zoomed A-scan shows, and the transform between the two kinds of
// coordinates: "surface" units are those of the painted surface (0..258.75 x 0..231.75),
// "drawing" units those of the model. Without zoom they are the same.
class AscanZoom
{
public:
    // The trace area in drawing units: x 0..250, y 10..210.
    static QRectF traceArea();
    // The smallest area shown: five samples, 2.5 % of the height.
    static constexpr double kMinSpan = 5;
    // Where a zoomed drawing may lie: the trace area and the width of a line around it.
    static QRectF zoomClip();

    QRectF visible() const { return m_visible; }
    bool isZoomed() const { return m_visible != traceArea(); }

    // Each of these changes the visible area as far as the rules allow (no smaller than kMinSpan,
    // inside the trace area) and tells whether it changed.
    bool setVisible(QRectF area);
    // A rectangle in drawing units; too small a one grows about its centre.
    bool zoomTo(const QRectF& drawingArea);
    // Horizontally by `factor` (above 1 zooms in) about surface x.
    bool zoomAt(double factor, double surfaceX);
    // Moves the view by a distance in surface units, as a drag does.
    bool panBy(double surfaceDx, double surfaceDy);
    bool reset() { return setVisible(traceArea()); }

    QPointF toSurface(QPointF drawing) const;
    QPointF toDrawing(QPointF surface) const;
    // The sample under surface x (sample i lies at drawing x = i + 1).
    int sampleAt(double surfaceX) const;

    // The model as the view shows it: without zoom the same; zoomed, every line, polyline and dot
    // mapped onto the surface and cut to zoomClip(), the texts left out (the instrument's labels
    // name the whole range). Cut, not only clipped by a painter: SVG files keep no clip.
    AscanDrawing shown(const AscanDrawing& model) const;

private:
    QRectF m_visible = traceArea();
};

} // namespace quillon
