#include "core/FontFallback.h"

#include <QFontInfo>
#include <QPaintDevice>

#include <array>

namespace quillon
{

namespace
{

struct Fallback {
    const char* designed;
    QFont::StyleHint kind;
    std::array<const char*, 2> standIns;
};

constexpr std::array<Fallback, 4> kFallbacks{{
    {"MS Sans Serif", QFont::SansSerif, {"Liberation Sans", "DejaVu Sans"}},
    {"Arial", QFont::SansSerif, {"Liberation Sans", "DejaVu Sans"}},
    {"Courier", QFont::Monospace, {"Liberation Mono", "DejaVu Sans Mono"}},
    {"Times New Roman", QFont::Serif, {"Liberation Serif", "DejaVu Serif"}},
}};

const Fallback* fallbackOf(const QString& designed)
{
    for (const Fallback& f : kFallbacks)
        if (designed.compare(QLatin1String(f.designed), Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

} // namespace

QStringList fontFamilies(const QString& designed)
{
    QStringList families{designed};
    if (const Fallback* f = fallbackOf(designed))
        for (const char* standIn : f->standIns)
            families << QString::fromLatin1(standIn);
    return families;
}

QFont::StyleHint fontKind(const QString& designed)
{
    const Fallback* f = fallbackOf(designed);
    return f ? f->kind : QFont::SansSerif;
}

QFont designedFont(const QString& designed, double pointSize, bool bold)
{
    QFont font(designed);
    font.setFamilies(fontFamilies(designed));
    font.setStyleHint(fontKind(designed), QFont::PreferQuality);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont fontInUnits(const QString& designed, double sizeInUnits, const QPaintDevice* device,
                  bool bold)
{
    const int dpi = device ? device->logicalDpiY() : 72;
    return designedFont(designed, sizeInUnits * 72.0 / (dpi > 0 ? dpi : 72), bold);
}

QString resolvedFamily(const QFont& font)
{
    return QFontInfo(font).family();
}

} // namespace quillon
