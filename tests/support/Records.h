#pragma once

// Records for tests: built the way the instrument writes them, and the instrument's byte layouts
// (a frame on the line, a waveform file) written from its own layout tables, independent of the
// core's tables so that a slip in either shows up.

#include "core/Record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

namespace quillon::test
{

// A bank row as start-up leaves it.
Record startUpRow();
// Every position `value`.
Record filledRecord(std::int16_t value);
// A record whose setup area, notes and tail are spaces (samples 0), not made by the core.
Record spaceRecord();
// Every position 0..840 a pseudo-random byte value.
Record randomRecord(quint32 seed);
// A record with a value at every position 0..840 that depends on the seed, and the memory number
// characters given.
Record patternRecord(int seed, const char* number = "   ");

// The characters of a panel box ("txtrange", "txtbeam", ...) written at its record positions,
// padded with spaces or cut to the group's width.
void setField(Record& record, const char* control, const QString& text);
// The ten time and date characters hh mm dd mm yy.
void setTimeDate(Record& record, const QString& tenCharacters);
// Note line n, padded with spaces to twenty characters.
void setNote(Record& record, int n, const QString& text);
// DAC point k: x position and amplitude.
void setDacPoint(Record& record, int k, int x, int amplitude);

// Samples 0 and every DAC point 0; range 100, delay 0.0, gate 1 on from `start` for `width` at
// `level`, gate 2 and DAC off; the other setup characters are spaces.
Record gateRecord(QByteArrayView start = "30%    ", QByteArrayView width = "25%    ",
                  QByteArrayView level = "40%    ");
// A record as an operator would send it: a probe echo with a flaw and a back wall, gate 1 on,
// DAC with its companions, measurement readouts and filled note lines; memory `memory`.
Record realisticRecord(int memory = 7);
// A bank row whose setup area holds a report's values, with note line 0 `note` and 3 "Km 12/4".
// `memory` is written into the memory-number characters, so a bank load marks it.
Record reportRecord(int memory, const QString& note);

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
QByteArray frameBytes(const Record& r, const FrameOptions& o = {});
// A waveform file of `size` bytes: samples at offsets 1..251, menu values at their offsets,
// positions 540..802 at 875..1137; everything else `filler`.
QByteArray waveformBytes(const Record& r, int size = 1141, char filler = '~');

} // namespace quillon::test
