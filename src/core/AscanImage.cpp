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
constexpr double kBorder = 0.75;      // the picture box's single line: one pixel at 96 dpi
constexpr double kCaptionHeight = 14; // one line of the caption font and its spacing
constexpr double kCaptionFontSize = 8;
} // namespace

AscanImage::AscanImage(std::function<void(QPainter&)> paintSurface, QString caption)
    : m_paintSurface(std::move(paintSurface)), m_caption(std::move(caption))
{
}

QRectF AscanImage::surfaceArea()
{
    return QRectF(kBorder, kBorder, kAscanWidth, kAscanHeight);
}

QSizeF AscanImage::size() const
{
    const QRectF framed = surfaceArea().adjusted(-kBorder, -kBorder, kBorder, kBorder);
    return QSizeF(framed.width(), framed.height() + (m_caption.isEmpty() ? 0 : kCaptionHeight));
}

void AscanImage::paint(QPainter& painter) const
{
    const QRectF surface = surfaceArea();
    painter.save();
    painter.translate(surface.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), surface.size()), Qt::IntersectClip);
    m_paintSurface(painter);
    painter.restore();

    // The border's line lies entirely outside the surface, as the window draws it.
    painter.save();
    painter.setPen(QPen(kForeground, kBorder, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(surface.adjusted(-kBorder / 2, -kBorder / 2, kBorder / 2, kBorder / 2));
    painter.restore();

    if (m_caption.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(kForeground);
    painter.setFont(fontInUnits(QStringLiteral("DejaVu Sans"), kCaptionFontSize, painter.device()));
    const QRectF line(2, surface.bottom() + kBorder, size().width() - 4, kCaptionHeight);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(painter.font(), painter.device())
                         .elidedText(m_caption, Qt::ElideMiddle, line.width()));
    painter.restore();
}

QImage AscanImage::image(double pixelsPerUnit) const
{
    const QSizeF s = size();
    const QSize pixels(int(std::ceil(s.width() * pixelsPerUnit)),
                       int(std::ceil(s.height() * pixelsPerUnit)));
    return paintedImage(pixels, pixelsPerUnit, [this](QPainter& painter) { paint(painter); });
}

QByteArray AscanImage::png(double pixelsPerUnit) const
{
    return pngBytes(image(pixelsPerUnit));
}

QByteArray AscanImage::svg(double pixelsPerUnit) const
{
    return svgImage(size(), pixelsPerUnit, [this](QPainter& painter) { paint(painter); });
}

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
