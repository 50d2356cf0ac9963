#include "core/AscanZoom.h"

#include "core/AscanGeometry.h"
#include "core/AscanMeasure.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace quillon
{

namespace
{

struct ZoomItems {
    const QTransform& t;
    std::vector<AscanItem>& out;

    void operator()(const LineItem& line) const
    {
        QPointF a = t.map(QPointF(line.x1, line.y1));
        QPointF b = t.map(QPointF(line.x2, line.y2));
        if (clipSegment(a, b, AscanZoom::zoomClip()))
            out.push_back(LineItem{a.x(), a.y(), b.x(), b.y(), line.color});
    }
    void operator()(const PolylineItem& poly) const
    {
        for (QVector<QPointF>& run : clippedRuns(t.map(poly.points), AscanZoom::zoomClip()))
            out.push_back(PolylineItem{poly.color, std::move(run)});
    }
    void operator()(const DotsItem& dots) const
    {
        DotsItem copy{dots.color, {}};
        copy.points.reserve(dots.points.size());
        for (const QPointF& p : dots.points) {
            const QPointF q = t.map(p);
            if (AscanZoom::zoomClip().contains(q))
                copy.points.append(q);
        }
        out.push_back(std::move(copy));
    }
    void operator()(const TextItem&) const {}
};

} // namespace

QRectF AscanZoom::traceArea()
{
    return QRectF(0, kTopY, kRangeSpan, kBaselineY - kTopY);
}

QRectF AscanZoom::zoomClip()
{
    return QRectF(-1, kTopY - 1.5, kRangeSpan + 2.5, kBaselineY - kTopY + 2.5);
}

bool AscanZoom::setVisible(QRectF area)
{
    const QRectF full = traceArea();
    // Zooming out step by step comes back to the whole trace, not to a hair less.
    const auto fit = [](double size, double whole) {
        return size > whole - 1e-6 ? whole : std::clamp(size, kMinSpan, whole);
    };
    area.setWidth(fit(area.width(), full.width()));
    area.setHeight(fit(area.height(), full.height()));
    area.moveLeft(std::clamp(area.left(), full.left(), full.right() - area.width()));
    area.moveTop(std::clamp(area.top(), full.top(), full.bottom() - area.height()));
    if (area == m_visible)
        return false;
    m_visible = area;
    return true;
}

bool AscanZoom::zoomTo(const QRectF& drawingArea)
{
    QRectF area = drawingArea.normalized().intersected(traceArea());
    if (area.isEmpty())
        return false;
    const QPointF centre = area.center();
    area.setWidth(std::max(area.width(), kMinSpan));
    area.setHeight(std::max(area.height(), kMinSpan));
    area.moveCenter(centre);
    return setVisible(area);
}

bool AscanZoom::zoomAt(double factor, double surfaceX)
{
    if (!(factor > 0))
        return false;
    const double x = toDrawing({surfaceX, 0}).x();
    QRectF v = m_visible;
    const double width = std::clamp(v.width() / factor, kMinSpan, traceArea().width());
    v.setLeft(x - (x - v.left()) * width / v.width());
    v.setWidth(width);
    return setVisible(v);
}

bool AscanZoom::panBy(double surfaceDx, double surfaceDy)
{
    const QRectF full = traceArea();
    const double dx = surfaceDx * m_visible.width() / full.width();
    const double dy = surfaceDy * m_visible.height() / full.height();
    return setVisible(m_visible.translated(-dx, -dy));
}

QPointF AscanZoom::toSurface(QPointF drawing) const
{
    return mappedPoint(drawing, m_visible, traceArea());
}

QPointF AscanZoom::toDrawing(QPointF surface) const
{
    return mappedPoint(surface, traceArea(), m_visible);
}

int AscanZoom::sampleAt(double surfaceX) const
{
    const double x = std::round(toDrawing({surfaceX, 0}).x());
    return int(std::clamp(x - 1, 0.0, double(kDrawnSamples - 1)));
}

AscanDrawing AscanZoom::shown(const AscanDrawing& model) const
{
    if (!isZoomed())
        return model;
    const QRectF full = traceArea();
    QTransform t;
    t.translate(full.left(), full.top());
    t.scale(full.width() / m_visible.width(), full.height() / m_visible.height());
    t.translate(-m_visible.left(), -m_visible.top());
    AscanDrawing shown;
    shown.items.reserve(model.items.size());
    for (const AscanItem& item : model.items)
        std::visit(ZoomItems{t, shown.items}, item);
    return shown;
}

} // namespace quillon
