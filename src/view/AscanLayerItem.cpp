#include "view/AscanLayerItem.h"

#include "core/FontFallback.h"

#include <QPainter>

namespace quillon
{

const QColor AscanLayerItem::kOwnBlue{0, 80, 200};

QFont AscanLayerItem::labelFont(const QPainter& painter)
{
    constexpr double kSize = 7.5;
    return fontInUnits(QStringLiteral("DejaVu Sans"), kSize, painter.device());
}

} // namespace quillon
