#include "report/ReportPainter.h"

#include "core/AscanDrawingPainter.h"
#include "core/PaintedImage.h"
#include "report/ReportComposer.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace quillon::ReportPainter
{

namespace
{
constexpr double kMetersPerInch = 0.0254;
} // namespace

void paintBlock(QPainter& painter, const ReportBlock& block)
{
    painter.save();
    const QRectF area(QPointF(0, 0), block.size);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    // The A-scan is drawn in points, as the block that carries it.
    if (block.ascan) {
        painter.save();
        painter.scale(block.unitsPerInch / ReportComposer::kPointsPerInch,
                      block.unitsPerInch / ReportComposer::kPointsPerInch);
        paintAscan(painter, *block.ascan);
        painter.restore();
    }

    painter.setPen(kForeground);
    painter.setFont(block.font.font(block.unitsPerInch, painter.device()));
    for (const BlockText& text : block.texts)
        painter.drawText(QRectF(text.pos, block.size),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text.text);

    painter.setBrush(Qt::NoBrush);
    for (const BlockRect& rect : block.rects) {
        QPen pen(kForeground, rect.penWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(rect.rect);
    }
    painter.restore();
}

void paintPage(QPainter& painter, const ReportPage& page)
{
    for (const PlacedBlock& placed : page.blocks) {
        painter.save();
        painter.translate(placed.topLeft);
        const double scale = ReportComposer::kTwipsPerInch / placed.block.unitsPerInch;
        painter.scale(scale, scale);
        paintBlock(painter, placed.block);
        painter.restore();
    }
}

void scaleToTwips(QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    painter.scale(device->logicalDpiX() / ReportComposer::kTwipsPerInch,
                  device->logicalDpiY() / ReportComposer::kTwipsPerInch);
}

QImage renderBlock(const ReportBlock& block, double dotsPerInch)
{
    const double pixelsPerUnit = dotsPerInch / block.unitsPerInch;
    const QSize size(int(std::ceil(block.size.width() * pixelsPerUnit - 1e-9)),
                     int(std::ceil(block.size.height() * pixelsPerUnit - 1e-9)));
    return paintedImage(
        size, pixelsPerUnit, [&](QPainter& painter) { paintBlock(painter, block); },
        qRound(dotsPerInch / kMetersPerInch));
}

QByteArray blockPng(const ReportBlock& block, double dotsPerInch)
{
    return pngBytes(renderBlock(block, dotsPerInch), -1);
}

} // namespace quillon::ReportPainter
