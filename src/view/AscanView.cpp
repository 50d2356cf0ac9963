#include "view/AscanView.h"

#include "core/AscanDrawingPainter.h"
#include "view/AscanOverlay.h"

#include <QPainter>

#include <cmath>

namespace quillon
{

namespace
{
// Large enough to read the trace comfortably beside the menu data.
constexpr double kPreferredPixelsPerUnit = 2.0;
constexpr int kBorder = 1; // the picture box's single-line border
} // namespace

AscanView::AscanView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void AscanView::setDrawing(AscanDrawing drawing)
{
    m_drawing = std::move(drawing);
    ++m_drawingVersion;
    update();
}

QImage AscanView::image(double pixelsPerUnit) const
{
    return renderAscan(m_drawing, pixelsPerUnit);
}

QRectF AscanView::surfaceRect() const
{
    const QRectF inner = QRectF(rect()).adjusted(kBorder, kBorder, -kBorder, -kBorder);
    const double scale = std::min(inner.width() / kAscanWidth, inner.height() / kAscanHeight);
    // At the top, in the middle of any room to spare across.
    const QSizeF size(kAscanWidth * scale, kAscanHeight * scale);
    return QRectF(
        QPointF(inner.left() + std::floor((inner.width() - size.width()) / 2), inner.top()), size);
}

QSize AscanView::sizeHint() const
{
    return QSize(int(std::ceil(kAscanWidth * kPreferredPixelsPerUnit)) + 2 * kBorder,
                 int(std::ceil(kAscanHeight * kPreferredPixelsPerUnit)) + 2 * kBorder);
}

QSize AscanView::minimumSizeHint() const
{
    return QSize(int(std::ceil(kAscanWidth)) + 2 * kBorder,
                 int(std::ceil(kAscanHeight)) + 2 * kBorder);
}

void AscanView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF surface = surfaceRect();
    painter.setPen(QPen(palette().color(QPalette::WindowText), kBorder));
    painter.setBrush(Qt::NoBrush);
    const double half = kBorder / 2.0;
    painter.drawRect(surface.adjusted(-half, -half, half, half));
    painter.translate(surface.topLeft());
    painter.scale(surface.width() / kAscanWidth, surface.height() / kAscanHeight);
    if (m_overlay)
        m_overlay->paintView(painter, m_drawing, m_drawingVersion);
    else
        paintAscan(painter, m_drawing);
}

AscanOverlay* AscanView::overlay() const
{
    return m_overlay;
}

void AscanView::setOverlay(AscanOverlay* overlay)
{
    m_overlay = overlay;
    update();
}

} // namespace quillon
