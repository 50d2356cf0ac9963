#pragma once

#include <QPointF>
#include <QRectF>
#include <QVector>

#include <optional>

namespace quillon
{

// Plane geometry of the A-scan surface, in drawing units.

// Cuts segment a-b to r (Liang-Barsky), edges included; false when nothing of it lies inside.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& r);

// The parts of a polyline inside r, each a polyline of its own with two points or more.
QVector<QVector<QPointF>> clippedRuns(const QVector<QPointF>& points, const QRectF& r);

// Point p of rectangle `from` at the same place in rectangle `to`.
QPointF mappedPoint(QPointF p, const QRectF& from, const QRectF& to);

// Where the range scale puts sound paths: x = 0 is `delay`, x = 250 is delay + range.
struct SoundPathAxis {
    double delay = 0;
    double range = 0;
};

// A trace drawn on axis `from` moved onto axis `to`: each point keeps its amplitude and takes the
// x where its sound path lies on `to`; what falls outside x 0..250 is cut off. Absent when either
// range is 0, as a range box without a number draws no scale to put the trace on.
std::optional<QVector<QPointF>> traceOnAxis(const QVector<QPointF>& trace, SoundPathAxis from,
                                            SoundPathAxis to);

} // namespace quillon
