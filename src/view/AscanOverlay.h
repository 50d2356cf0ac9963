#pragma once

#include "core/AscanDrawing.h"
#include "core/AscanMeasure.h"
#include "core/AscanZoom.h"
#include "view/AscanComparisonItem.h"
#include "view/AscanCursorItem.h"
#include "view/AscanPeaksItem.h"
#include "view/AscanZoomScaleItem.h"

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QVector>

#include <optional>

class QPainter;

namespace quillon
{

class AscanView;

// The A-scan tools' layer on picascan: takes the mouse and the keys (cursor, zoom, pan) and
// paints its items over the drawing model in layers: the comparison behind the trace, the zoom
// scale, the gate peaks and the legend, the cursor on top. The model the reports use never
// changes. Coordinates as in AscanZoom.
class AscanOverlay : public QObject
{
    Q_OBJECT
public:
    explicit AscanOverlay(AscanView& view);

    // What the cursor and the gate marks measure: the record on display and its panel.
    void setMeasure(const AscanMeasure& measure);
    const AscanMeasure& measure() const { return m_measure; }

    static constexpr int kNoCursor = AscanCursorItem::kNoCursor;
    int cursorSample() const { return m_cursor.sample; }
    void setCursorSample(int sample);
    // One press of an arrow key: `steps` samples to the right (negative: to the left).
    void moveCursor(int steps);

    static QRectF traceArea() { return AscanZoom::traceArea(); }
    QRectF visibleArea() const { return m_zoom.visible(); }
    bool isZoomed() const { return m_zoom.isZoomed(); }
    // Zoom and pan as AscanZoom does them; a cursor under the mouse follows the sample now there.
    void zoomTo(const QRectF& drawingArea);
    void zoomAt(double factor, double surfaceX);
    void panBy(double surfaceDx, double surfaceDy);
    void resetZoom();

    // A second trace (drawing units, on the axis of the trace on display), drawn light behind the
    // current one, with both legends.
    void setComparison(const QVector<QPointF>& trace, const QString& legend,
                       const QString& currentLegend);
    void clearComparison();
    bool hasComparison() const { return !m_comparison.isEmpty(); }
    QString comparisonLegend() const { return m_comparison.legend; }
    const AscanComparisonItem& comparison() const { return m_comparison; }

    QPointF toSurface(QPointF drawing) const { return m_zoom.toSurface(drawing); }
    QPointF toDrawing(QPointF surface) const { return m_zoom.toDrawing(surface); }
    int sampleAt(double surfaceX) const { return m_zoom.sampleAt(surfaceX); }

    // Paints the surface as shown, in surface units: every layer, the cursor only when asked.
    void paint(QPainter& painter, const AscanDrawing& model, bool withCursor = true) const;
    // The same for the view's own painting: what only the cursor changes is kept between paints.
    // `drawingVersion` tells whether the model changed since the last paint.
    void paintView(QPainter& painter, const AscanDrawing& model, quint64 drawingVersion) const;
    // The surface as shown, without the cursor (for copying and saving).
    QImage image(const AscanDrawing& model, double pixelsPerUnit = 96.0 / 72.0) const;

    static inline const QColor& kCompareColor = AscanComparisonItem::kColor;

signals:
    void cursorChanged(int sample);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Drag { None, Zoom, Pan };
    QPointF surfacePoint(QPointF widgetPoint) const;
    // After the user zoomed or panned: repaint, and the cursor to the sample under the mouse.
    void viewMoved(bool moved);
    void changed();
    void followCursor();
    void paintBase(QPainter& painter, const AscanDrawing& model) const;
    void paintCursor(QPainter& painter) const;

    AscanView& m_view;
    AscanMeasure m_measure;
    AscanZoom m_zoom;
    AscanComparisonItem m_comparison;
    AscanZoomScaleItem m_zoomScale;
    AscanPeaksItem m_peaks;
    AscanCursorItem m_cursor;
    Drag m_drag = Drag::None;
    QPointF m_dragStart;            // surface units
    std::optional<QPointF> m_mouse; // the mouse over the view, surface units

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
