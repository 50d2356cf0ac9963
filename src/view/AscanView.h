#pragma once

#include "core/AscanDrawing.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace quillon
{

class AscanOverlay;

// picascan: shows an A-scan drawing scaled to the widget, keeping the proportions of the
// 258.75 x 231.75 point surface, in a single-line border at the widget's top left. Painting goes
// through the device pixel ratio, so the trace stays sharp on high-DPI screens. The report takes
// its picture through image().
class AscanView : public QWidget
{
    Q_OBJECT
public:
    explicit AscanView(QWidget* parent = nullptr);

    void setDrawing(AscanDrawing drawing);
    const AscanDrawing& drawing() const { return m_drawing; }

    // The drawing as an image, `pixelsPerUnit` pixels per drawing unit.
    QImage image(double pixelsPerUnit = 96.0 / 72.0) const;

    // Where the drawing surface lies inside the widget, in widget coordinates.
    QRectF surfaceRect() const;

    // The A-scan tools' layer, painted over the drawing; the drawing itself stays as it is.
    void setOverlay(AscanOverlay* overlay);
    AscanOverlay* overlay() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AscanDrawing m_drawing;
    QPointer<AscanOverlay> m_overlay; // a child of this view when set
    quint64 m_drawingVersion = 0;
};

} // namespace quillon
