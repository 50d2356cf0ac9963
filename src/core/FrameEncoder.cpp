#include "core/FrameEncoder.h"

namespace quillon
{

QByteArray encodeFrame(const Record& record, const FrameExtras& extras)
{
    Q_ASSERT(!extras.gap.contains(char(255)));
    QByteArray partA(kPartALength, char(0));
    partA[0] = char(extras.partAFirst);
    QByteArray partB(kPartBLength, extras.filler);
    forEachCarriedPosition([&](int position, int index) {
        if (index < kPartALength)
            partA[index] = char(record[position]);
        else if (index < kPartBRawStart + kPartBLength) // the last tail position lies past it
            partB[index - kPartBRawStart] = char(record[position]);
    });
    return char(255) + partA + char(extras.partALast) + extras.gap + char(255) + partB;
}

} // namespace quillon
