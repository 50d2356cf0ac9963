#include "core/DrawingFont.h"

#include <QPaintDevice>

namespace quillon
{

QFont fontInUnits(const QString& family, QFont::StyleHint hint, double sizeInUnits,
                  const QPaintDevice* device, bool bold)
{
    QFont font(family);
    font.setStyleHint(hint, QFont::PreferQuality);
    font.setBold(bold);
    const int dpi = device ? device->logicalDpiY() : 72;
    font.setPointSizeF(sizeInUnits * 72.0 / (dpi > 0 ? dpi : 72));
    return font;
}

} // namespace quillon
