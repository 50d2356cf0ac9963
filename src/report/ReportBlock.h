#pragma once

#include "core/AscanDrawing.h"
#include "report/BlockFont.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <vector>

namespace quillon
{

// A text whose cell has its top-left corner at `pos` (block units).
struct BlockText {
    QPointF pos;
    QString text;
};

// A rectangle outline between two corners, drawn with a pen `penWidth` units wide.
struct BlockRect {
    QRectF rect;
    double penWidth;
};

// One block of the report page, as the off-screen surface it is composed on: its units, natural
// size and font, a white background, and what is drawn on it in order (the A-scan picture at the
// top-left corner, then the texts, then the rectangles).
struct ReportBlock {
    QString name;
    double unitsPerInch = 72; // 72: points; 1440: twips
    QSizeF size;              // natural size in block units
    BlockFont font;
    std::optional<AscanDrawing> ascan;
    std::vector<BlockText> texts;
    std::vector<BlockRect> rects;
};

// A block with its place on the page, in twips from the top-left corner of the printable area.
struct PlacedBlock {
    ReportBlock block;
    QPointF topLeft;
};

// A whole report page: the blocks in painting order (a later block lies over an earlier one).
struct ReportPage {
    std::vector<PlacedBlock> blocks;
};

} // namespace quillon
