#pragma once

#include "core/AscanDrawing.h"
#include "core/AscanMeasure.h"

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QVector>

class QPainter;

namespace quillon
{

class AscanView;

// The A-scan tools' layer on picascan: a vertical cursor that follows the mouse and the arrow
// keys, the peaks of the active gates, a zoomed and panned view of the trace with a scale of our
// own, and a second trace to compare, drawn behind the one on display. It paints after the
// drawing model (the comparison behind its trace) and never changes the model the reports use.
//
// Coordinates: "surface" units are those of the painted surface (0..258.75 x 0..231.75);
// "drawing" units those of the model. Without zoom they are the same.
class AscanOverlay : public QObject
{
    Q_OBJECT
public:
    explicit AscanOverlay(AscanView& view);

    // What the cursor and the gate marks measure: the record on display and its panel.
    void setMeasure(const AscanMeasure& measure);
    const AscanMeasure& measure() const { return m_measure; }

    static constexpr int kNoCursor = -1;
    int cursorSample() const { return m_cursor; }
    void setCursorSample(int sample);
    // One press of an arrow key: `steps` samples to the right (negative: to the left).
    void moveCursor(int steps);

    // The trace area in drawing units: x 0..250, y 10..210. The visible part of it.
    static QRectF traceArea();
    QRectF visibleArea() const { return m_visible; }
    bool isZoomed() const { return m_visible != traceArea(); }
    void zoomTo(const QRectF& drawingArea);
    // Horizontally by `factor` (above 1 zooms in) about surface x.
    void zoomAt(double factor, double surfaceX);
    // Moves the view by a distance in surface units, as a drag does.
    void panBy(double surfaceDx, double surfaceDy);
    void resetZoom();

    // A second trace (the trace polyline of another record), drawn light behind the current one,
    // with both legends.
    void setComparison(const QVector<QPointF>& trace, const QString& legend,
                       const QString& currentLegend);
    void clearComparison();
    bool hasComparison() const { return !m_compareTrace.isEmpty(); }
    QString comparisonLegend() const { return m_compareLegend; }

    QPointF toSurface(QPointF drawing) const { return mapped(drawing, m_visible, traceArea()); }
    QPointF toDrawing(QPointF surface) const { return mapped(surface, traceArea(), m_visible); }
    // The sample under surface x.
    int sampleAt(double surfaceX) const;

    // Paints the surface as shown, in surface units: the model (zoomed, with the comparison
    // behind its trace), then gate peaks, our scale when zoomed, the legend and the cursor.
    void paint(QPainter& painter, const AscanDrawing& model, bool withCursor = true) const;
    // The same for the view's own painting: what only the cursor changes is kept between paints.
    // `drawingVersion` tells whether the model changed since the last paint.
    void paintView(QPainter& painter, const AscanDrawing& model, quint64 drawingVersion) const;
    // The surface as shown, without the cursor (for copying and saving).
    QImage image(const AscanDrawing& model, double pixelsPerUnit = 96.0 / 72.0) const;

    static const QColor kCompareColor;

signals:
    void cursorChanged(int sample);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Drag { None, Zoom, Pan };
    // Point `p` of rectangle `from` at the same place in rectangle `to`.
    static QPointF mapped(QPointF p, const QRectF& from, const QRectF& to);
    QPointF surfacePoint(QPointF widgetPoint) const;
    void setVisible(QRectF area);
    void followCursor();
    AscanDrawing shownDrawing(const AscanDrawing& model) const;
    void paintBase(QPainter& painter, const AscanDrawing& model) const;
    void paintTransient(QPainter& painter, bool withCursor) const;
    void paintPeaks(QPainter& painter) const;
    void paintZoomScale(QPainter& painter) const;
    void paintLegend(QPainter& painter) const;
    void paintCursor(QPainter& painter) const;

    AscanView& m_view;
    AscanMeasure m_measure;
    int m_cursor = kNoCursor;
    QRectF m_visible;
    QVector<QPointF> m_compareTrace;
    QString m_compareLegend;
    QString m_currentLegend;
    Drag m_drag = Drag::None;
    QPointF m_dragStart; // surface units
    QPointF m_dragNow;

    // The painted surface without cursor and rubber band, for the view.
    struct CacheKey {
        quint64 drawing = 0;
        quint64 base = 0;
        double sx = 0;
        double sy = 0;
        double dpr = 0;
        bool operator==(const CacheKey&) const = default;
    };
    quint64 m_baseVersion = 0; // counts the changes of what the cached surface shows
    mutable CacheKey m_cacheKey;
    mutable QImage m_cache;
};

} // namespace quillon
