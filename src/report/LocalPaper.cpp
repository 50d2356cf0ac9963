#include "report/LocalPaper.h"

#include <algorithm>
#include <array>

namespace quillon
{

QPageSize localPaper(const QLocale& locale)
{
    static constexpr std::array kLetterTerritories{
        QLocale::UnitedStates, QLocale::Canada,
        QLocale::Mexico,       QLocale::PuertoRico,
        QLocale::Guatemala,    QLocale::ElSalvador,
        QLocale::Nicaragua,    QLocale::CostaRica,
        QLocale::Panama,       QLocale::DominicanRepublic,
        QLocale::Colombia,     QLocale::Venezuela,
        QLocale::Chile,        QLocale::Philippines,
    };
    const bool letter = std::find(kLetterTerritories.begin(), kLetterTerritories.end(),
                                  locale.territory()) != kLetterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace quillon
