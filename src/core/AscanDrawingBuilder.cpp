#include "core/AscanDrawingBuilder.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillon
{

namespace
{

constexpr double kUnitsPerPercentWidth = 2.5;
constexpr double kUnitsPerPercentHeight = 2;
constexpr double kDacStopY = 200; // a DAC point of amplitude 4 or less ends the curve
constexpr double kScaleY = 215;

void drawGate(AscanDrawing& drawing, const GateBoxes& gate)
{
    const double x1 = kUnitsPerPercentWidth * gate.start;
    const double y = kBaselineY - kUnitsPerPercentHeight * gate.level;
    const double x2 = x1 + kUnitsPerPercentWidth * gate.width;
    drawing.items.push_back(LineItem{x1, y, x2, y, kTraceGreen});
}

bool fitsInt16(double v)
{
    return v >= std::numeric_limits<std::int16_t>::min() &&
           v <= std::numeric_limits<std::int16_t>::max();
}

void text(AscanDrawing& drawing, double x, double value)
{
    drawing.items.push_back(TextItem{x, kScaleY, scaleLabel(value), kForeground});
}

} // namespace

void display_pattern(AscanDrawing& drawing, const Record& record)
{
    drawing.items.clear();
    drawing.items.push_back(LineItem{0, kBaselineY, 252, kBaselineY, kForeground});

    PolylineItem trace{kTraceGreen, {}};
    trace.points.reserve(kDrawnSamples + 1);
    trace.points.append({0, kBaselineY});
    for (int i = 0; i < kDrawnSamples; ++i)
        trace.points.append(
            {double(i + 1), std::max(kTopY, kBaselineY - kUnitsPerPercentHeight * record[i])});
    drawing.items.push_back(std::move(trace));

    // The dotted grid: rows of dots 5 apart, columns of dots 25 apart, and the columns' ends.
    struct DotRows {
        int top, bottom, dy, right, dx;
    };
    DotsItem dots{kForeground, {}};
    dots.points.reserve(10 * 50 + 41 * 11 + 3 * 11);
    for (const DotRows& r : {DotRows{10, 209, 20, 249, 5}, DotRows{10, 214, 5, 255, 25},
                             DotRows{211, 213, 1, 255, 25}})
        for (int y = r.top; y <= r.bottom; y += r.dy)
            for (int x = 1; x <= r.right; x += r.dx)
                dots.points.append({double(x), double(y)});
    drawing.items.push_back(std::move(dots));
}

void drawOverlays(AscanDrawing& drawing, const Record& record, const PanelTexts& panel)
{
    for (int g : {1, 2})
        if (const auto gate = panel.shownGate(g))
            drawGate(drawing, *gate);

    const QString dac = panel.value(u"txtdac");
    const bool plain = dac == QStringView(kOn);
    const bool companions = dac == QStringView(kOn614);
    if (!plain && !companions)
        return;
    for (int k = 0; k + 1 < kDacPoints; ++k) {
        const double xa = record[kDacFirst + 2 * k];
        const double aa = record[kDacFirst + 2 * k + 1];
        const double xb = record[kDacFirst + 2 * k + 2];
        const double ab = record[kDacFirst + 2 * k + 3];
        const double ya = kBaselineY - kUnitsPerPercentHeight * aa;
        const double yb = kBaselineY - kUnitsPerPercentHeight * ab;
        if (ya > kDacStopY || yb > kDacStopY)
            break;
        drawing.items.push_back(LineItem{xa, ya, xb, yb, kTraceGreen});
        if (companions) {
            drawing.items.push_back(
                LineItem{xa, kBaselineY - aa, xb, kBaselineY - ab, kTraceGreen});
            drawing.items.push_back(
                LineItem{xa, kBaselineY - aa / 2.5, xb, kBaselineY - ab / 2.5, kTraceGreen});
        }
    }
}

void cal_grt(AscanDrawing& drawing, const PanelTexts& panel)
{
    const double range = panel.number(u"txtrange");
    const double delay = panel.number(u"txtdelay");
    if (range == 0)
        return;
    text(drawing, 0, delay);
    if (delay > std::floor(delay)) {
        text(drawing, 229, delay + range);
        return;
    }
    // Six labels need a whole step and label values within 16 bits; otherwise start and end.
    const double fifth = std::floor(range / 5);
    const double step = range / 5;
    const bool sixLabels = fitsInt16(fifth) && !(range > 5 * fifth) && fitsInt16(delay) &&
                           fitsInt16(delay + range) && fitsInt16(delay + step);
    if (!sixLabels) {
        text(drawing, 232, delay + range);
        return;
    }
    double v = std::round(delay + step);
    text(drawing, 41, v);
    for (double x : {91.0, 141.0, 191.0, 239.0}) {
        v = std::round(v + step);
        text(drawing, x, v);
    }
}

QString scaleLabel(double value)
{
    // The surface prints a double with at most 15 significant digits, so that a sum such as
    // 0.1 + 0.2 reads 0.3; the shortest plain decimal form of that value is shown.
    value = QString::number(value, 'g', 15).toDouble();
    if (value == 0)
        value = 0; // no "-0"
    const QString digits = QString::number(value, 'f', QLocale::FloatingPointShortest);
    return value >= 0 ? QStringLiteral(" ") + digits : digits;
}

AscanDrawing drawRecord(const Record& record)
{
    AscanDrawing drawing;
    display_pattern(drawing, record);
    const PanelTexts panel = panelTexts(record);
    drawOverlays(drawing, record, panel);
    cal_grt(drawing, panel);
    return drawing;
}

} // namespace quillon
