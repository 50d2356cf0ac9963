#pragma once

// Test-side builders of the instrument's byte layouts, written from the instrument's own
// layout tables and independent of the core's tables, so that a slip in either shows up.

#include "core/Record.h"

#include <QByteArray>
#include <QRandomGenerator>

#include <array>

namespace reference
{

using quillon::Record;

// One menu value: record positions, length, part B offset in a frame, offset in a waveform file.
struct Group {
    int record;
    int count;
    int partB;
    int fileOffset;
};

inline constexpr std::array<Group, 40> kGroups{{
    {260, 7, 7, 268},   {267, 7, 21, 282},   {274, 7, 35, 296},  {281, 7, 49, 310},
    {288, 7, 63, 324},  {295, 7, 77, 338},   {302, 7, 91, 352},  {309, 7, 105, 366},
    {316, 7, 119, 380}, {323, 7, 141, 402},  {330, 7, 155, 416}, {337, 7, 169, 430},
    {344, 7, 183, 444}, {351, 7, 205, 466},  {358, 7, 219, 480}, {365, 7, 233, 494},
    {372, 4, 257, 518}, {376, 7, 269, 530},  {383, 7, 283, 544}, {390, 7, 297, 558},
    {397, 7, 311, 572}, {404, 7, 332, 593},  {411, 7, 346, 607}, {418, 7, 360, 621},
    {425, 6, 374, 635}, {431, 7, 396, 657},  {438, 7, 410, 671}, {445, 7, 424, 685},
    {452, 7, 438, 699}, {459, 7, 460, 721},  {466, 7, 474, 735}, {473, 7, 488, 749},
    {480, 7, 502, 763}, {487, 7, 524, 785},  {494, 7, 538, 799}, {501, 7, 552, 813},
    {508, 7, 566, 827}, {515, 15, 580, 841}, {530, 5, 598, 859}, {535, 5, 606, 867},
}};

// Part B offsets 614..875 carry record positions 540..801 (DAC points, 558..560, notes, 801).
inline constexpr int kTailPartB = 614;
inline constexpr int kTailFrameCount = 262;
// A waveform file carries record positions 540..802 at offsets 875..1137.
inline constexpr int kTailFile = 875;
inline constexpr int kTailFileCount = 263;

struct FrameOptions {
    QByteArray gap = QByteArray(1, '\x01'); // bytes between part A and the second 255
    char partAFirst = 0;                    // part A byte 1
    char partALast = 0;                     // part A byte 253
    char filler = ' ';                      // the screen's labels in part B
};

// Start byte, part A (byte 1, samples 0..250, byte 253), gap, 255, part B (876 bytes).
inline QByteArray frameBytes(const Record& r, const FrameOptions& o = {})
{
    QByteArray f;
    f += char(255);
    f += o.partAFirst;
    for (int i = 0; i <= 250; ++i)
        f += char(r[i]);
    f += o.partALast;
    f += o.gap;
    f += char(255);
    QByteArray b(876, o.filler);
    for (const Group& g : kGroups)
        for (int k = 0; k < g.count; ++k)
            b[g.partB + k] = char(r[g.record + k]);
    for (int k = 0; k < kTailFrameCount; ++k)
        b[kTailPartB + k] = char(r[540 + k]);
    return f + b;
}

// A waveform file of `size` bytes: samples at offsets 1..251, menu values at their offsets,
// positions 540..802 at 875..1137; everything else `filler`.
inline QByteArray waveformBytes(const Record& r, int size = 1141, char filler = '~')
{
    QByteArray f(size, filler);
    for (int i = 0; i <= 250; ++i)
        f[1 + i] = char(r[i]);
    for (const Group& g : kGroups)
        for (int k = 0; k < g.count; ++k)
            f[g.fileOffset + k] = char(r[g.record + k]);
    for (int k = 0; k < kTailFileCount; ++k)
        f[kTailFile + k] = char(r[540 + k]);
    return f;
}

// Every position 0..840 a pseudo-random byte value.
inline Record randomRecord(quint32 seed)
{
    QRandomGenerator random(seed);
    Record r{};
    for (int p = 0; p <= 840; ++p)
        r[p] = std::int16_t(random.bounded(256));
    return r;
}

// Writes the characters of `text` at record positions from `position` on.
inline void put(Record& r, int position, QByteArrayView text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        r[position + i] = std::int16_t(static_cast<unsigned char>(text[i]));
}

// A record whose setup area, notes and tail are spaces.
inline Record spaceRecord()
{
    Record r{};
    for (int p = 260; p <= 840; ++p)
        r[p] = ' ';
    return r;
}

} // namespace reference
