#include "core/FrameEncoder.h"

namespace quillon
{

QByteArray encodeFrame(const Record& record, const FrameExtras& extras)
{
    Q_ASSERT(!extras.gap.contains(char(255)));
    QByteArray frame;
    frame.reserve(1 + kPartALength + 1 + extras.gap.size() + 1 + kPartBLength);
    frame.append(char(255));
    frame.append(char(extras.partAFirst));
    for (int i = 0; i < kSampleCount; ++i)
        frame.append(char(record[i]));
    frame.append(char(extras.partALast));
    frame.append(extras.gap);
    frame.append(char(255));

    QByteArray partB(kPartBLength, extras.filler);
    for (const SetupGroup& g : kSetupGroups)
        for (int k = 0; k < g.count; ++k)
            partB[g.partB + k] = char(record[g.record + k]);
    for (int k = 0; k < kTailLength - 1; ++k) // the last tail position lies past the frame
        partB[kTailPartB + k] = char(record[kTailRecordStart + k]);
    frame.append(partB);
    return frame;
}

} // namespace quillon
