#include "view/AscanOverlay.h"

#include "core/AscanDrawingPainter.h"
#include "core/FontFallback.h"
#include "core/PaintedImage.h"
#include "view/AscanView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace quillon
{

const QColor AscanOverlay::kCompareColor{160, 190, 235};

namespace
{

constexpr double kMinSpan = 5;       // the smallest zoomed area: five samples, 2.5 % of height
constexpr double kClickSlop = 2;     // a drag shorter than this (surface units) is a click
constexpr double kWheelStep = 1.25;  // zoom of one wheel notch
constexpr int kFastSteps = 10;       // Shift + arrow
constexpr double kOwnFontSize = 7.5; // our labels, a little smaller than the range scale
const QColor kOwnBlue{0, 80, 200};   // our scale and zoom note, apart from the instrument's black
const QColor kCursorColor{200, 0, 160};
const QColor kPeakColors[2] = {{220, 40, 0}, {230, 130, 0}};

// Where a zoomed trace may lie: the trace area and the width of a line around it. Geometry is
// cut to it, not only clipped by the painter, as SVG files keep no clip.
const QRectF kZoomClip(-1, kTopY - 1.5, kRangeSpan + 2.5, kBaselineY - kTopY + 2.5);

// Cuts segment a-b to r (Liang-Barsky); false when nothing of it lies inside.
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

struct ZoomItems {
    const QTransform& t;
    std::vector<AscanItem>& out;

    void operator()(const LineItem& line) const
    {
        QPointF a = t.map(QPointF(line.x1, line.y1));
        QPointF b = t.map(QPointF(line.x2, line.y2));
        if (clipSegment(a, b, kZoomClip))
            out.push_back(LineItem{a.x(), a.y(), b.x(), b.y(), line.color});
    }
    void operator()(const PolylineItem& poly) const
    {
        // The visible runs of the line, each a polyline of its own.
        PolylineItem run{poly.color, {}};
        auto flush = [&] {
            if (run.points.size() > 1)
                out.push_back(run);
            run.points.clear();
        };
        for (qsizetype i = 0; i + 1 < poly.points.size(); ++i) {
            QPointF a = t.map(poly.points[i]);
            QPointF b = t.map(poly.points[i + 1]);
            const QPointF end = b;
            if (!clipSegment(a, b, kZoomClip)) {
                flush();
                continue;
            }
            if (run.points.isEmpty() || run.points.last() != a) {
                flush();
                run.points.append(a);
            }
            run.points.append(b);
            if (b != end)
                flush();
        }
        flush();
    }
    void operator()(const DotsItem& dots) const
    {
        DotsItem copy{dots.color, {}};
        copy.points.reserve(dots.points.size());
        for (const QPointF& p : dots.points) {
            const QPointF q = t.map(p);
            if (kZoomClip.contains(q))
                copy.points.append(q);
        }
        out.push_back(std::move(copy));
    }
    void operator()(const TextItem&) const
    {
        // The instrument's labels name the whole range; a zoomed view has labels of its own.
    }
};

QFont ownFont(const QPainter& painter, double size = kOwnFontSize)
{
    return fontInUnits(QStringLiteral("DejaVu Sans"), size, painter.device());
}

} // namespace

AscanOverlay::AscanOverlay(AscanView& view) : QObject(&view), m_view(view), m_visible(traceArea())
{
    m_view.setMouseTracking(true);
    m_view.setFocusPolicy(Qt::StrongFocus);
    m_view.installEventFilter(this);
    m_view.setOverlay(this);
}

QRectF AscanOverlay::traceArea()
{
    return QRectF(0, kTopY, kRangeSpan, kBaselineY - kTopY);
}

void AscanOverlay::setMeasure(const AscanMeasure& measure)
{
    m_measure = measure;
    ++m_baseVersion;
    m_view.update();
    if (m_cursor != kNoCursor)
        emit cursorChanged(m_cursor);
}

void AscanOverlay::setCursorSample(int sample)
{
    sample = sample == kNoCursor ? kNoCursor : std::clamp(sample, 0, kDrawnSamples - 1);
    if (sample == m_cursor)
        return;
    m_cursor = sample;
    followCursor();
    m_view.update();
    emit cursorChanged(m_cursor);
}

void AscanOverlay::moveCursor(int steps)
{
    // The first press starts at the left of what is shown.
    setCursorSample(m_cursor == kNoCursor ? std::max(0, int(std::ceil(m_visible.left())) - 1)
                                          : m_cursor + steps);
}

void AscanOverlay::followCursor()
{
    if (m_cursor == kNoCursor || !isZoomed())
        return;
    const double x = m_cursor + 1;
    QRectF v = m_visible;
    if (x < v.left())
        v.moveLeft(x);
    else if (x > v.right())
        v.moveRight(x);
    setVisible(v);
}

void AscanOverlay::setVisible(QRectF area)
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
        return;
    m_visible = area;
    ++m_baseVersion;
    m_view.update();
}

void AscanOverlay::zoomTo(const QRectF& drawingArea)
{
    QRectF area = drawingArea.normalized().intersected(traceArea());
    if (area.isEmpty())
        return;
    // Too small an area grows about its centre.
    const QPointF centre = area.center();
    area.setWidth(std::max(area.width(), kMinSpan));
    area.setHeight(std::max(area.height(), kMinSpan));
    area.moveCenter(centre);
    setVisible(area);
}

void AscanOverlay::zoomAt(double factor, double surfaceX)
{
    if (!(factor > 0))
        return;
    const double x = toDrawing({surfaceX, 0}).x();
    QRectF v = m_visible;
    const double width = std::clamp(v.width() / factor, kMinSpan, traceArea().width());
    const double left = x - (x - v.left()) * width / v.width();
    v.setLeft(left);
    v.setWidth(width);
    setVisible(v);
}

void AscanOverlay::panBy(double surfaceDx, double surfaceDy)
{
    const QRectF full = traceArea();
    const double dx = surfaceDx * m_visible.width() / full.width();
    const double dy = surfaceDy * m_visible.height() / full.height();
    setVisible(m_visible.translated(-dx, -dy));
}

void AscanOverlay::resetZoom()
{
    setVisible(traceArea());
}

void AscanOverlay::setComparison(const QVector<QPointF>& trace, const QString& legend,
                                 const QString& currentLegend)
{
    m_compareTrace = trace;
    m_compareLegend = legend;
    m_currentLegend = currentLegend;
    ++m_baseVersion;
    m_view.update();
}

void AscanOverlay::clearComparison()
{
    if (hasComparison())
        setComparison({}, {}, {});
}

QPointF AscanOverlay::mapped(QPointF p, const QRectF& from, const QRectF& to)
{
    return {to.left() + (p.x() - from.left()) * to.width() / from.width(),
            to.top() + (p.y() - from.top()) * to.height() / from.height()};
}

int AscanOverlay::sampleAt(double surfaceX) const
{
    const double x = std::round(toDrawing({surfaceX, 0}).x());
    return int(std::clamp(x - 1, 0.0, double(kDrawnSamples - 1)));
}

AscanDrawing AscanOverlay::shownDrawing(const AscanDrawing& model) const
{
    AscanDrawing shown;
    shown.items.reserve(model.items.size() + 1);
    const QRectF full = traceArea();
    QTransform t;
    t.translate(full.left(), full.top());
    t.scale(full.width() / m_visible.width(), full.height() / m_visible.height());
    t.translate(-m_visible.left(), -m_visible.top());
    const bool zoomed = isZoomed();
    bool compareDrawn = !hasComparison();
    const auto add = [&](const AscanItem& item) {
        if (zoomed)
            std::visit(ZoomItems{t, shown.items}, item);
        else
            shown.items.push_back(item);
    };
    for (const AscanItem& item : model.items) {
        // The comparison goes just behind the trace on display, the first polyline.
        if (!compareDrawn && std::holds_alternative<PolylineItem>(item)) {
            add(PolylineItem{kCompareColor, m_compareTrace});
            compareDrawn = true;
        }
        add(item);
    }
    if (!compareDrawn)
        shown.items.push_back(PolylineItem{kCompareColor, m_compareTrace});
    return shown;
}

void AscanOverlay::paint(QPainter& painter, const AscanDrawing& model, bool withCursor) const
{
    paintBase(painter, model);
    paintTransient(painter, withCursor);
}

void AscanOverlay::paintView(QPainter& painter, const AscanDrawing& model,
                             quint64 drawingVersion) const
{
    // The surface under the cursor changes only with the drawing or the view: it is painted once
    // into an image at the device's resolution, and a cursor move only draws the cursor again.
    const QTransform world = painter.worldTransform();
    const double dpr = painter.device()->devicePixelRatioF();
    if (world.type() > QTransform::TxScale) {
        paint(painter, model, true);
        return;
    }
    const CacheKey key{drawingVersion, m_baseVersion, world.m11(), world.m22(), dpr};
    if (!(key == m_cacheKey) || m_cache.isNull()) {
        const QSize pixels(int(std::ceil(kAscanWidth * world.m11() * dpr)),
                           int(std::ceil(kAscanHeight * world.m22() * dpr)));
        m_cache = QImage(pixels, QImage::Format_RGB32);
        m_cache.setDevicePixelRatio(dpr);
        m_cache.fill(Qt::white);
        QPainter cachePainter(&m_cache);
        cachePainter.scale(world.m11(), world.m22());
        paintBase(cachePainter, model);
        cachePainter.end();
        m_cacheKey = key;
    }
    painter.save();
    painter.setWorldTransform(QTransform::fromTranslate(world.dx(), world.dy()));
    painter.drawImage(QPointF(0, 0), m_cache);
    painter.restore();
    paintTransient(painter, true);
}

void AscanOverlay::paintBase(QPainter& painter, const AscanDrawing& model) const
{
    if (!isZoomed() && !hasComparison()) {
        paintAscan(painter, model);
    } else if (!isZoomed()) {
        paintAscan(painter, shownDrawing(model));
    } else {
        // The zoomed trace stays inside the trace area; the strip below carries our scale.
        painter.fillRect(QRectF(0, 0, kAscanWidth, kAscanHeight), Qt::white);
        painter.save();
        painter.setClipRect(kZoomClip, Qt::IntersectClip);
        paintAscan(painter, shownDrawing(model));
        painter.restore();
        paintZoomScale(painter);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(QRectF(0, 0, kAscanWidth, kAscanHeight), Qt::IntersectClip);
    paintPeaks(painter);
    paintLegend(painter);
    painter.restore();
}

void AscanOverlay::paintTransient(QPainter& painter, bool withCursor) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(QRectF(0, 0, kAscanWidth, kAscanHeight), Qt::IntersectClip);
    if (withCursor)
        paintCursor(painter);
    if (m_drag == Drag::Zoom) {
        painter.setPen(QPen(kOwnBlue, 0.75, Qt::DashLine));
        painter.setBrush(QColor(0, 80, 200, 30));
        painter.drawRect(QRectF(m_dragStart, m_dragNow).normalized());
    }
    painter.restore();
}

void AscanOverlay::paintPeaks(QPainter& painter) const
{
    painter.setFont(ownFont(painter));
    for (const GateReading& gate : m_measure.gates()) {
        if (!gate.peak)
            continue;
        const SampleReading& r = gate.peak->reading;
        const QPointF p = toSurface({r.x, kBaselineY - 2.0 * r.amplitude});
        if (p.x() < -1 || p.x() > kRangeSpan + 1 || p.y() < kTopY - 1 || p.y() > kBaselineY + 1)
            continue;
        const QColor color = kPeakColors[gate.gate == 2 ? 1 : 0];
        // A small triangle pointing down at the peak, the gate's number above it.
        const QPointF tri[3] = {p + QPointF(-3, -6), p + QPointF(3, -6), p + QPointF(0, -1)};
        painter.setPen(QPen(color, 0.75));
        painter.setBrush(color);
        painter.drawPolygon(tri, 3);
        painter.drawText(QRectF(p.x() - 10, p.y() - 16, 20, 9), Qt::AlignCenter,
                         QString::number(gate.gate));
    }
}

void AscanOverlay::paintZoomScale(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(QPen(kOwnBlue, 0.75));
    painter.setFont(ownFont(painter));
    painter.drawLine(QPointF(0, kBaselineY + 1), QPointF(kRangeSpan, kBaselineY + 1));
    constexpr int kTicks = 4;
    const double pathSpan = m_measure.range() * m_visible.width() / kRangeSpan;
    const int decimals =
        pathSpan > 0 ? std::clamp(int(std::ceil(-std::log10(pathSpan / kTicks))) + 1, 0, 3) : 0;
    for (int k = 0; k <= kTicks; ++k) {
        const double x = kRangeSpan * k / kTicks;
        painter.drawLine(QPointF(x, kBaselineY + 1), QPointF(x, kBaselineY + 4));
        const std::optional<double> path = m_measure.soundPathAt(toDrawing({x, 0}).x());
        if (!path)
            continue;
        const Qt::Alignment align = k == 0        ? Qt::AlignLeft
                                    : k == kTicks ? Qt::AlignRight
                                                  : Qt::AlignHCenter;
        const QRectF cell(k == 0 ? x : k == kTicks ? x - 60 : x - 30, kBaselineY + 4, 60, 12);
        painter.drawText(cell, align | Qt::AlignTop, measureNumber(*path, decimals));
    }
    // A view zoomed in height names the amplitudes at its top and bottom edges.
    if (m_visible.height() < traceArea().height()) {
        const auto percent = [](double y) {
            return measureNumber((kBaselineY - y) / 2, 1) + QStringLiteral(" %");
        };
        painter.drawText(QRectF(2, kTopY + 1, 60, 10), Qt::AlignLeft | Qt::AlignTop,
                         percent(m_visible.top()));
        painter.drawText(QRectF(2, kBaselineY - 11, 60, 10), Qt::AlignLeft | Qt::AlignBottom,
                         percent(m_visible.bottom()));
    }
    // How far in we are, so that nobody takes our scale for the instrument's.
    const double factor = kRangeSpan / m_visible.width();
    painter.drawText(QRectF(kAscanWidth - 82, 0, 80, 10), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("zoom \u00d7%1").arg(measureNumber(factor, 1)));
    painter.restore();
}

void AscanOverlay::paintLegend(QPainter& painter) const
{
    if (!hasComparison())
        return;
    painter.setFont(ownFont(painter));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lineHeight = 9;
    const double width = 18 + std::max(metrics.horizontalAdvance(m_compareLegend),
                                       metrics.horizontalAdvance(m_currentLegend));
    const QRectF box(kRangeSpan - width - 4, kTopY + 2, width + 2, 2 * lineHeight + 2);
    painter.setPen(QPen(QColor(120, 120, 120), 0.5));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(box);
    const std::pair<QColor, QString> rows[2] = {{kTraceGreen, m_currentLegend},
                                                {kCompareColor, m_compareLegend}};
    for (int i = 0; i < 2; ++i) {
        const double y = box.top() + 1 + lineHeight * i + lineHeight / 2;
        painter.setPen(QPen(rows[i].first, 2));
        painter.drawLine(QPointF(box.left() + 3, y), QPointF(box.left() + 13, y));
        painter.setPen(kForeground);
        painter.drawText(QRectF(box.left() + 16, y - lineHeight / 2, width, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, rows[i].second);
    }
}

void AscanOverlay::paintCursor(QPainter& painter) const
{
    if (m_cursor == kNoCursor)
        return;
    const SampleReading r = m_measure.sample(m_cursor);
    const QPointF top = toSurface({r.x, kTopY});
    if (top.x() < -1 || top.x() > kRangeSpan + 1)
        return;
    painter.setPen(QPen(kCursorColor, 0.75, Qt::DashLine));
    painter.drawLine(QPointF(top.x(), kTopY), QPointF(top.x(), kBaselineY));
    const QPointF at = toSurface({r.x, kBaselineY - 2.0 * r.amplitude});
    if (at.y() >= kTopY - 1 && at.y() <= kBaselineY + 1) {
        painter.setPen(QPen(kCursorColor, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 2.0, 2.0);
    }
}

QImage AscanOverlay::image(const AscanDrawing& model, double pixelsPerUnit) const
{
    const QSize size(int(std::ceil(kAscanWidth * pixelsPerUnit)),
                     int(std::ceil(kAscanHeight * pixelsPerUnit)));
    return paintedImage(size, pixelsPerUnit,
                        [&](QPainter& painter) { paint(painter, model, false); });
}

QPointF AscanOverlay::surfacePoint(QPointF widgetPoint) const
{
    const QRectF s = m_view.surfaceRect();
    return {(widgetPoint.x() - s.left()) * kAscanWidth / s.width(),
            (widgetPoint.y() - s.top()) * kAscanHeight / s.height()};
}

bool AscanOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_view)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        m_view.setFocus(Qt::MouseFocusReason);
        m_dragStart = m_dragNow = surfacePoint(e->position());
        if (e->button() == Qt::LeftButton)
            m_drag = Drag::Zoom;
        else if (e->button() == Qt::RightButton || e->button() == Qt::MiddleButton)
            m_drag = Drag::Pan;
        return m_drag != Drag::None;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPointF p = surfacePoint(e->position());
        if (m_drag == Drag::Pan) {
            panBy(p.x() - m_dragNow.x(), p.y() - m_dragNow.y());
            m_dragNow = p;
        } else if (m_drag == Drag::Zoom) {
            m_dragNow = p;
            m_view.update();
        }
        if (m_drag != Drag::Pan)
            setCursorSample(sampleAt(p.x()));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPointF p = surfacePoint(e->position());
        const Drag drag = m_drag;
        m_drag = Drag::None;
        if (drag == Drag::Zoom) {
            const QRectF band = QRectF(m_dragStart, p).normalized();
            if (band.width() >= kClickSlop && band.height() >= kClickSlop)
                zoomTo(QRectF(toDrawing(band.topLeft()), toDrawing(band.bottomRight())));
            else
                setCursorSample(sampleAt(p.x()));
            m_view.update();
        }
        return drag != Drag::None;
    }
    case QEvent::MouseButtonDblClick:
        m_drag = Drag::None;
        resetZoom();
        return true;
    case QEvent::Wheel: {
        auto* e = static_cast<QWheelEvent*>(event);
        const int delta = e->angleDelta().y();
        if (delta == 0)
            return false;
        zoomAt(std::pow(kWheelStep, delta / 120.0), surfacePoint(e->position()).x());
        return true;
    }
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        const int steps = e->modifiers() & Qt::ShiftModifier ? kFastSteps : 1;
        if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) {
            moveCursor(e->key() == Qt::Key_Left ? -steps : steps);
            return true;
        }
        if (e->key() == Qt::Key_Escape && isZoomed()) {
            resetZoom();
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace quillon
