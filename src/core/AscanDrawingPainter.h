#pragma once

#include "core/AscanDrawing.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QRectF>

class QPainter;
class QPaintDevice;

namespace quillon
{

// Paints the A-scan drawing model with QPainter, for the screen, the report, the document and PNG
// files alike.

// Paints a drawing in drawing units: the painter's transform must map one unit onto the wanted
// size (see renderAscan). Paints the white background over the whole 258.75 x 231.75 surface.
void paintAscan(QPainter& painter, const AscanDrawing& drawing);

// The drawing as an image, `pixelsPerUnit` pixels per point (96/72 is the screen's natural size).
QImage renderAscan(const AscanDrawing& drawing, double pixelsPerUnit = 96.0 / 72.0);

// The same image as PNG bytes (empty if it cannot be encoded).
QByteArray ascanPng(const AscanDrawing& drawing, double pixelsPerUnit = 96.0 / 72.0);

// The surface's default font size in points (its text is the range scale).
inline constexpr double kAscanFontSize = 8.25;

// The font the surface prints its texts in, for a painter on `device` (null: 72 dots per inch).
// Unhinted, so that a text covers the same drawing units at every resolution.
QFont ascanFont(const QPaintDevice* device);

// Where the ink of a text item lies once painted, in drawing units: at its place, or moved
// sideways as little as keeps it within kLabelLeft..kLabelRight.
QRectF paintedInk(const TextItem& text);

} // namespace quillon
