#include "report/BlockFont.h"

#include "core/FontFallback.h"
#include "core/PaintedImage.h"

#include <QFontMetricsF>

namespace quillon
{

namespace
{

// Metrics are read at a large size so that the hinting of small sizes does not round them.
constexpr double kMetricScale = 16;
constexpr double kPointsPerInch = 72;

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
