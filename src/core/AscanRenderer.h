#pragma once

#include "core/AscanDrawing.h"

#include <QByteArray>
#include <QImage>

class QPainter;

namespace quillon
{

// Paints a drawing in drawing units: the painter's transform must map one unit onto the wanted
// size (see renderAscan). Paints the white background over the whole 258.75 x 231.75 surface.
void paintAscan(QPainter& painter, const AscanDrawing& drawing);

// The drawing as an image, `pixelsPerUnit` pixels per point (96/72 is the screen's natural size).
QImage renderAscan(const AscanDrawing& drawing, double pixelsPerUnit = 96.0 / 72.0);

// The same image as PNG bytes (empty if it cannot be encoded).
QByteArray ascanPng(const AscanDrawing& drawing, double pixelsPerUnit = 96.0 / 72.0);

// The surface's default font size in points (its text is the range scale).
inline constexpr double kAscanFontSize = 8.25;

} // namespace quillon
