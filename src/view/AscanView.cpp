#include "view/AscanView.h"

#include "core/AscanRenderer.h"

#include <QPainter>

#include <cmath>

namespace quillon
{

namespace
{
// The surface's natural size: one drawing unit is one point, 96 pixels per inch.
constexpr double kNaturalPixelsPerUnit = 96.0 / 72.0;
} // namespace

AscanView::AscanView(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void AscanView::setDrawing(AscanDrawing drawing)
{
    m_drawing = std::move(drawing);
    update();
}

QImage AscanView::image(double pixelsPerUnit) const
{
    return renderAscan(m_drawing, pixelsPerUnit);
}

QRectF AscanView::surfaceRect() const
{
    const QRectF inner = contentsRect();
    const double scale = std::min(inner.width() / kAscanWidth, inner.height() / kAscanHeight);
    const QSizeF size(kAscanWidth * scale, kAscanHeight * scale);
    return QRectF(inner.left() + (inner.width() - size.width()) / 2,
                  inner.top() + (inner.height() - size.height()) / 2, size.width(), size.height());
}

QSize AscanView::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return QSize(int(std::ceil(kAscanWidth * kNaturalPixelsPerUnit)) + frame,
                 int(std::ceil(kAscanHeight * kNaturalPixelsPerUnit)) + frame);
}

QSize AscanView::minimumSizeHint() const
{
    const int frame = 2 * frameWidth();
    return QSize(int(std::ceil(kAscanWidth)) + frame, int(std::ceil(kAscanHeight)) + frame);
}

int AscanView::heightForWidth(int width) const
{
    const int frame = 2 * frameWidth();
    return int(std::ceil((width - frame) * kAscanHeight / kAscanWidth)) + frame;
}

void AscanView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRectF surface = surfaceRect();
    painter.translate(surface.topLeft());
    painter.scale(surface.width() / kAscanWidth, surface.height() / kAscanHeight);
    paintAscan(painter, m_drawing);
}

} // namespace quillon
