#include "view/AscanOverlay.h"

#include "core/AscanDrawingPainter.h"
#include "core/PaintedImage.h"
#include "view/AscanView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace quillon
{

namespace
{
constexpr double kClickSlop = 2;    // a drag shorter than this (surface units) is a click
constexpr double kWheelStep = 1.25; // zoom of one wheel notch
constexpr int kFastSteps = 10;      // Shift + arrow
} // namespace

AscanOverlay::AscanOverlay(AscanView& view) : QObject(&view), m_view(view)
{
    m_view.setMouseTracking(true);
    m_view.setFocusPolicy(Qt::StrongFocus);
    m_view.installEventFilter(this);
    m_view.setOverlay(this);
}

void AscanOverlay::changed()
{
    ++m_baseVersion;
    m_view.update();
}

void AscanOverlay::setMeasure(const AscanMeasure& measure)
{
    m_measure = measure;
    changed();
    if (m_cursor.sample != kNoCursor)
        emit cursorChanged(m_cursor.sample);
}

void AscanOverlay::setCursorSample(int sample)
{
    sample = sample == kNoCursor ? kNoCursor : std::clamp(sample, 0, kDrawnSamples - 1);
    if (sample == m_cursor.sample)
        return;
    m_cursor.sample = sample;
    followCursor();
    m_view.update();
    emit cursorChanged(sample);
}

void AscanOverlay::moveCursor(int steps)
{
    // The first press starts at the left of what is shown.
    setCursorSample(m_cursor.sample == kNoCursor
                        ? std::max(0, int(std::ceil(visibleArea().left())) - 1)
                        : m_cursor.sample + steps);
}

void AscanOverlay::followCursor()
{
    if (m_cursor.sample == kNoCursor || !isZoomed())
        return;
    const double x = m_cursor.sample + 1;
    QRectF v = visibleArea();
    if (x < v.left())
        v.moveLeft(x);
    else if (x > v.right())
        v.moveRight(x);
    if (m_zoom.setVisible(v))
        changed();
}

void AscanOverlay::viewMoved(bool moved)
{
    if (!moved)
        return;
    changed();
    // The readout names the sample under the mouse, not the one that was there before.
    if (m_mouse && m_cursor.sample != kNoCursor && m_drag != Drag::Pan)
        setCursorSample(sampleAt(m_mouse->x()));
}

void AscanOverlay::zoomTo(const QRectF& drawingArea)
{
    viewMoved(m_zoom.zoomTo(drawingArea));
}

void AscanOverlay::zoomAt(double factor, double surfaceX)
{
    viewMoved(m_zoom.zoomAt(factor, surfaceX));
}

void AscanOverlay::panBy(double surfaceDx, double surfaceDy)
{
    viewMoved(m_zoom.panBy(surfaceDx, surfaceDy));
}

void AscanOverlay::resetZoom()
{
    viewMoved(m_zoom.reset());
}

void AscanOverlay::setComparison(const QVector<QPointF>& trace, const QString& legend,
                                 const QString& currentLegend)
{
    m_comparison.trace = trace;
    m_comparison.legend = legend;
    m_comparison.currentLegend = currentLegend;
    changed();
}

void AscanOverlay::clearComparison()
{
    if (hasComparison())
        setComparison({}, {}, {});
}

void AscanOverlay::paint(QPainter& painter, const AscanDrawing& model, bool withCursor) const
{
    paintBase(painter, model);
    if (withCursor)
        paintCursor(painter);
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
    paintCursor(painter);
}

void AscanOverlay::paintBase(QPainter& painter, const AscanDrawing& model) const
{
    const std::array<const AscanLayerItem*, 3> items{&m_comparison, &m_zoomScale, &m_peaks};
    std::vector<AscanItem> back;
    for (const AscanLayerItem* layer : items)
        layer->addBack(back);
    // The back primitives go just behind the trace on display, the model's first polyline; the
    // model itself is painted without a copy when nothing goes behind it and nothing is zoomed.
    const AscanDrawing* drawn = &model;
    AscanDrawing withBack;
    if (!back.empty()) {
        const auto trace = std::find_if(model.items.begin(), model.items.end(), [](const auto& i) {
            return std::holds_alternative<PolylineItem>(i);
        });
        withBack.items.reserve(model.items.size() + back.size());
        withBack.items.insert(withBack.items.end(), model.items.begin(), trace);
        withBack.items.insert(withBack.items.end(), std::make_move_iterator(back.begin()),
                              std::make_move_iterator(back.end()));
        withBack.items.insert(withBack.items.end(), trace, model.items.end());
        drawn = &withBack;
    }
    AscanDrawing zoomed;
    if (isZoomed()) {
        zoomed = m_zoom.shown(*drawn);
        drawn = &zoomed;
        // The zoomed trace stays inside the trace area; the strip below carries our scale.
        painter.fillRect(QRectF(0, 0, kAscanWidth, kAscanHeight), Qt::white);
        painter.save();
        painter.setClipRect(AscanZoom::zoomClip(), Qt::IntersectClip);
        paintAscan(painter, zoomed);
        painter.restore();
    } else {
        paintAscan(painter, *drawn);
    }
    const AscanLayerView view{m_measure, m_zoom, *drawn};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(QRectF(0, 0, kAscanWidth, kAscanHeight), Qt::IntersectClip);
    for (const AscanLayerItem* layer : items)
        layer->paintMid(painter, view);
    for (const AscanLayerItem* layer : items)
        layer->paintFore(painter, view);
    painter.restore();
}

void AscanOverlay::paintCursor(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(QRectF(0, 0, kAscanWidth, kAscanHeight), Qt::IntersectClip);
    const AscanDrawing none;
    m_cursor.paintFore(painter, AscanLayerView{m_measure, m_zoom, none});
    painter.restore();
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
        m_dragStart = surfacePoint(e->position());
        m_mouse = m_dragStart;
        if (e->button() == Qt::LeftButton)
            m_drag = Drag::Zoom;
        else if (e->button() == Qt::RightButton || e->button() == Qt::MiddleButton)
            m_drag = Drag::Pan;
        return m_drag != Drag::None;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPointF p = surfacePoint(e->position());
        const QPointF last = m_mouse.value_or(p);
        m_mouse = p;
        if (m_drag == Drag::Pan) {
            panBy(p.x() - last.x(), p.y() - last.y());
            return true;
        }
        if (m_drag == Drag::Zoom) {
            m_cursor.band = QRectF(m_dragStart, p).normalized();
            m_view.update();
        }
        setCursorSample(sampleAt(p.x()));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPointF p = surfacePoint(e->position());
        m_mouse = p;
        const Drag drag = m_drag;
        m_drag = Drag::None;
        m_cursor.band = {};
        if (drag == Drag::Zoom) {
            const QRectF band = QRectF(m_dragStart, p).normalized();
            if (band.width() >= kClickSlop && band.height() >= kClickSlop)
                zoomTo(QRectF(toDrawing(band.topLeft()), toDrawing(band.bottomRight())));
            setCursorSample(sampleAt(p.x()));
            m_view.update();
        } else if (drag == Drag::Pan && m_cursor.sample != kNoCursor) {
            setCursorSample(sampleAt(p.x()));
        }
        return drag != Drag::None;
    }
    case QEvent::MouseButtonDblClick:
        m_drag = Drag::None;
        resetZoom();
        return true;
    case QEvent::Leave:
        m_mouse.reset();
        return false;
    case QEvent::Wheel: {
        auto* e = static_cast<QWheelEvent*>(event);
        const int delta = e->angleDelta().y();
        if (delta == 0)
            return false;
        m_mouse = surfacePoint(e->position());
        zoomAt(std::pow(kWheelStep, delta / 120.0), m_mouse->x());
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
