#pragma once

#include "report/ReportBlock.h"

#include <QByteArray>
#include <QImage>

class QPainter;

namespace quillon
{

// Paints report blocks and pages as vectors with QPainter.
namespace ReportPainter
{

// Paints a block in its own units: the painter's transform must map one block unit onto the
// wanted size. The block's white background covers whatever lies under it.
void paintBlock(QPainter& painter, const ReportBlock& block);

// Paints a page: the painter's transform must map one twip onto the wanted size, with the origin
// at the top-left corner of the printable area.
void paintPage(QPainter& painter, const ReportPage& page);

// Prepares a painter that is open on a paged device (printer, PDF) for paintPage: one twip per
// device unit, origin at the top-left corner of the printable area.
void scaleToTwips(QPainter& painter);

// A block as an image at its natural size, `dotsPerInch` pixels per inch (the image records that
// resolution, so it keeps its natural size wherever it is placed).
QImage renderBlock(const ReportBlock& block, double dotsPerInch);
QByteArray blockPng(const ReportBlock& block, double dotsPerInch);

} // namespace ReportPainter

} // namespace quillon
