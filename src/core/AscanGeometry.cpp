#include "core/AscanGeometry.h"

#include "core/AscanMeasure.h"

#include <algorithm>
#include <limits>

namespace quillon
{

bool clipSegment(QPointF& a, QPointF& b, const QRectF& r)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx, dy) * t0;
    b = start + QPointF(dx, dy) * t1;
    return true;
}

QVector<QVector<QPointF>> clippedRuns(const QVector<QPointF>& points, const QRectF& r)
{
    QVector<QVector<QPointF>> runs;
    QVector<QPointF> run;
    const auto flush = [&] {
        if (run.size() > 1)
            runs.append(run);
        run.clear();
    };
    for (qsizetype i = 0; i + 1 < points.size(); ++i) {
        QPointF a = points[i];
        QPointF b = points[i + 1];
        if (!clipSegment(a, b, r)) {
            flush();
            continue;
        }
        if (a == b && !run.isEmpty() && run.last() == a) {
            // Only the end of the run touches the edge: nothing to add.
            if (b != points[i + 1])
                flush();
            continue;
        }
        if (run.isEmpty() || run.last() != a) {
            flush();
            run.append(a);
        }
        run.append(b);
        if (b != points[i + 1])
            flush();
    }
    flush();
    return runs;
}

QPointF mappedPoint(QPointF p, const QRectF& from, const QRectF& to)
{
    return {to.left() + (p.x() - from.left()) * to.width() / from.width(),
            to.top() + (p.y() - from.top()) * to.height() / from.height()};
}

std::optional<QVector<QPointF>> traceOnAxis(const QVector<QPointF>& trace, SoundPathAxis from,
                                            SoundPathAxis to)
{
    if (from.range == 0 || to.range == 0)
        return std::nullopt;
    // path = delay + range * x / 250 on both axes, solved for the x on `to`.
    const double scale = from.range / to.range;
    const double shift = (from.delay - to.delay) * kRangeSpan / to.range;
    QVector<QPointF> moved;
    moved.reserve(trace.size());
    for (const QPointF& p : trace)
        moved.append({shift + scale * p.x(), p.y()});
    // x grows (or falls) along the trace, so what lies inside the band is a single run.
    constexpr double kTall = std::numeric_limits<float>::max();
    const auto runs = clippedRuns(moved, QRectF(0, -kTall, kRangeSpan, 2 * kTall));
    return runs.isEmpty() ? QVector<QPointF>{} : runs.first();
}

} // namespace quillon
