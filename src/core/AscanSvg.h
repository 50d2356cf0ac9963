#pragma once

#include "core/AscanDrawing.h"

#include <QByteArray>
#include <QSizeF>

#include <functional>

class QPainter;

namespace quillon
{

// An SVG image `sizeInUnits` drawing units large, `pixelsPerUnit` pixels per unit, painted by
// `paint` through a painter that works in drawing units, as the PNG images are.
QByteArray svgImage(QSizeF sizeInUnits, double pixelsPerUnit,
                    const std::function<void(QPainter&)>& paint);

// The A-scan drawing as SVG, the same picture as ascanPng at the same scale.
QByteArray ascanSvg(const AscanDrawing& drawing, double pixelsPerUnit = 96.0 / 72.0);

} // namespace quillon
