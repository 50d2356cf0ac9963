#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

#include <variant>
#include <vector>

namespace quillon
{

// The A-scan surface in drawing units (points, origin top-left, y downward). The inner area of
// the picture box is 258.75 x 231.75 points; the trace spans x 0..250, baseline y 210.
inline constexpr double kAscanWidth = 258.75;
inline constexpr double kAscanHeight = 231.75;
inline constexpr double kBaselineY = 210;
inline constexpr double kTopY = 10;
inline constexpr double kLineWidth = 1.5; // two pixels at 96 dots per inch
// The range scale's labels keep their ink within x kLabelLeft..kLabelRight: inside the drawing
// box (0..255) and clear of the frame the report draws around the surface (two pixels wide, its
// sides centred on x = 1 and x = 256).
inline constexpr double kLabelLeft = 2;
inline constexpr double kLabelRight = 255;
inline const QColor kTraceGreen{0, 170, 0};
inline const QColor kForeground{0, 0, 0};

struct LineItem {
    double x1, y1, x2, y2;
    QColor color;
};
struct PolylineItem {
    QColor color;
    QVector<QPointF> points;
};
struct DotsItem {
    QColor color;
    QVector<QPointF> points;
};
// A text whose cell has its top-left corner at (x, y). The painter moves a text whose ink would
// leave kLabelLeft..kLabelRight just far enough sideways to keep it inside (a wide last label of
// the range scale, such as " 1000" at x = 239); (x, y) stays the place the scale gives it.
struct TextItem {
    double x, y;
    QString text;
    QColor color;
};

using AscanItem = std::variant<LineItem, PolylineItem, DotsItem, TextItem>;

// An A-scan as an ordered list of drawing primitives; later items lie on top.
struct AscanDrawing {
    std::vector<AscanItem> items;
};

} // namespace quillon
