#include "report/BlockFont.h"

#include "core/FontFallback.h"

#include <QFontMetricsF>
#include <QImage>

namespace quillon
{

namespace
{

// Metrics are read at a large size so that the hinting of small sizes does not round them.
constexpr double kMetricScale = 16;
constexpr double kPointsPerInch = 72;
constexpr double kMetersPerInch = 0.0254;

// A device of 72 dots per inch: one pixel is one point.
const QImage& pointDevice()
{
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(qRound(kPointsPerInch / kMetersPerInch));
        i.setDotsPerMeterY(qRound(kPointsPerInch / kMetersPerInch));
        return i;
    }();
    return image;
}

} // namespace

QFont BlockFont::font(double unitsPerInch, const QPaintDevice* device) const
{
    return sized(pointSize * unitsPerInch / kPointsPerInch, device);
}

QFont BlockFont::sized(double sizeInUnits, const QPaintDevice* device) const
{
    return fontInUnits(family, sizeInUnits, device, bold);
}

double BlockFont::lineHeight(double unitsPerInch) const
{
    const QFont large = sized(pointSize * kMetricScale, &pointDevice());
    const double points = QFontMetricsF(large, &pointDevice()).lineSpacing() / kMetricScale;
    return points * unitsPerInch / kPointsPerInch;
}

QString BlockFont::resolvedFamily() const
{
    return quillon::resolvedFamily(font(kPointsPerInch, &pointDevice()));
}

} // namespace quillon
