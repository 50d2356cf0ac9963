#include "core/AscanImage.h"

#include "core/AscanDrawing.h"
#include "core/AscanSvg.h"
#include "core/FontFallback.h"
#include "core/PaintedImage.h"
#include "core/TestedTime.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace quillon
{

namespace
{
constexpr double kCaptionHeight = 14; // one line of the caption font and its spacing
constexpr double kCaptionFontSize = 8;
} // namespace

AscanImage::AscanImage(std::function<void(QPainter&)> paintSurface, QString caption,
                       double pixelsPerUnit)
    : m_paintSurface(std::move(paintSurface)), m_caption(std::move(caption)),
      m_pixelsPerUnit(pixelsPerUnit)
{
}

QSize AscanImage::surfacePixels() const
{
    return QSize(int(std::ceil(kAscanWidth * m_pixelsPerUnit)),
                 int(std::ceil(kAscanHeight * m_pixelsPerUnit)));
}

int AscanImage::captionPixels() const
{
    return m_caption.isEmpty() ? 0 : int(std::ceil(kCaptionHeight * m_pixelsPerUnit));
}

QSize AscanImage::pixelSize() const
{
    return surfacePixels() + QSize(2, 2 + captionPixels());
}

void AscanImage::paint(QPainter& painter) const
{
    const double pixel = 1 / m_pixelsPerUnit; // in drawing units
    const QSize surface = surfacePixels();
    painter.save();
    painter.translate(pixel, pixel);
    painter.setClipRect(QRectF(0, 0, kAscanWidth, kAscanHeight), Qt::IntersectClip);
    m_paintSurface(painter);
    painter.restore();

    // The border: one pixel around the surface's whole pixels.
    const double right = (surface.width() + 1) * pixel;
    const double bottom = (surface.height() + 1) * pixel;
    for (const QRectF& side :
         {QRectF(0, 0, right + pixel, pixel), QRectF(0, bottom, right, pixel),
          QRectF(0, 0, pixel, bottom), QRectF(right, 0, pixel, bottom + pixel)})
        painter.fillRect(side, kForeground);

    if (m_caption.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(kForeground);
    painter.setFont(fontInUnits(QStringLiteral("DejaVu Sans"), kCaptionFontSize, painter.device()));
    const QRectF line(2, bottom + pixel, kAscanWidth - 4, kCaptionHeight);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(painter.font(), painter.device())
                         .elidedText(m_caption, Qt::ElideMiddle, line.width()));
    painter.restore();
}

QImage AscanImage::image() const
{
    return paintedImage(pixelSize(), m_pixelsPerUnit,
                        [this](QPainter& painter) { paint(painter); });
}

QByteArray AscanImage::png() const
{
    return pngBytes(image());
}

QByteArray AscanImage::svg() const
{
    const QSize pixels = pixelSize();
    return svgImage(QSizeF(pixels) / m_pixelsPerUnit, m_pixelsPerUnit,
                    [this](QPainter& painter) { paint(painter); });
}

// Fixed: the caption is part of the image file, whatever the interface's language.
QString ascanCaption(int memory, const Record& record, const QString& sourceFile)
{
    QStringList parts;
    if (memory > 0)
        parts.append(QStringLiteral("Mem %1").arg(memory));
    if (const QDateTime tested = testedAt(record); tested.isValid())
        parts.append(QStringLiteral("tested ") +
                     tested.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (!sourceFile.isEmpty())
        parts.append(QFileInfo(sourceFile).fileName());
    return parts.join(QStringLiteral("   "));
}

} // namespace quillon
