#pragma once

#include <QRectF>
#include <QtGlobal>

namespace quillon::DocxLayout
{

// Where the report document puts its parts, in points. The page is the locale's paper (see
// LocalPaper), with margins of 1.25 in left and right and 1 in top and bottom; the heading flows
// from the top margin, the two text boxes and the A-scan picture float at fixed places measured
// from the page's top-left corner, so they lie alike on Letter and on A4.
inline constexpr double kLeftMargin = 90;
inline constexpr double kRightMargin = 90;
inline constexpr double kTopMargin = 72;
inline constexpr double kBottomMargin = 72;

inline constexpr QRectF kMenuBox{316, 149, 254, 288};
inline constexpr QRectF kNotesBox{60, 149 + 288, 510,
                                  180}; // right under the menu box's top + height
// The A-scan picture at its natural size, 30 pt left of the left margin and 76.5 pt under the top
// margin (-40 and 102 pixels of a 96 dots per inch screen).
inline constexpr QRectF kPicture{kLeftMargin - 30, kTopMargin + 76.5, 258.75, 291.75};
inline constexpr double kPictureDotsPerInch = 192;

inline constexpr double kFontPoints = 12;
inline constexpr double kLineSpacingPoints = 12;
// Inner margins of the text boxes. The word processor's default for a rectangle (7.2 pt at the
// sides) leaves the menu box 239.6 pt for its lines, and its last line, with the time and date,
// needs up to 251.5 pt in 12-point Times New Roman: the sides get a narrow margin instead, the
// text a hair off the left border, and the right one where lines end ragged anyway.
inline constexpr double kBoxInsetLeft = 1.44;
inline constexpr double kBoxInsetRight = 0;
inline constexpr double kBoxInsetTopBottom = 3.6;

// Units of the package.
inline constexpr qint64 kEmuPerPoint = 12700;
inline constexpr int kTwipsPerPoint = 20;

constexpr qint64 emu(double points)
{
    return qint64(points * kEmuPerPoint + 0.5);
}

} // namespace quillon::DocxLayout
