#pragma once

#include <array>
#include <cstdint>

namespace quillon
{

// Sizes of the three process-wide buffers and the areas of one record.
inline constexpr int kRecbufSize = 1001;   // positions 0..1000, a record uses 0..840
inline constexpr int kRecordLength = 841;  // positions 0..840 travel as one record
inline constexpr int kBankRows = 201;      // rows 0..200; row N-1 holds memory N, row 200 unused
inline constexpr int kMemoryCount = 200;   // memories 1..200
inline constexpr int kRawFrameSize = 1201; // rawframe positions 0..1200

inline constexpr int kSampleCount = 251;  // positions 0..250 are received
inline constexpr int kDrawnSamples = 250; // positions 0..249 are drawn
inline constexpr int kSetupFirst = 260;   // setup area 260..539
inline constexpr int kSetupLast = 539;
inline constexpr int kMemoryNumberPos = 358; // three characters 358..360
inline constexpr int kDacFirst = 540;        // nine points: x at 540+2k, amplitude at 541+2k
inline constexpr int kDacPoints = 9;
inline constexpr int kNoteFirst = 561; // twelve lines of twenty characters
inline constexpr int kNoteLines = 12;
inline constexpr int kNoteLength = 20;
inline constexpr int kBankFilePositions = 840; // bank files carry positions 0..839

// One run of the instrument's menu screen: `count` characters of part B of a frame, starting
// at offset `partB`, land at record positions starting at `record`.
struct SetupGroup {
    int record;
    int count;
    int partB;
};

// The setup groups in the order they are copied; offsets not listed are screen labels.
inline constexpr std::array<SetupGroup, 40> kSetupGroups{{
    {260, 7, 7},   {267, 7, 21},   {274, 7, 35},  {281, 7, 49},  {288, 7, 63},  {295, 7, 77},
    {302, 7, 91},  {309, 7, 105},  {316, 7, 119}, {323, 7, 141}, {330, 7, 155}, {337, 7, 169},
    {344, 7, 183}, {351, 7, 205},  {358, 7, 219}, {365, 7, 233}, {372, 4, 257}, {376, 7, 269},
    {383, 7, 283}, {390, 7, 297},  {397, 7, 311}, {404, 7, 332}, {411, 7, 346}, {418, 7, 360},
    {425, 6, 374}, {431, 7, 396},  {438, 7, 410}, {445, 7, 424}, {452, 7, 438}, {459, 7, 460},
    {466, 7, 474}, {473, 7, 488},  {480, 7, 502}, {487, 7, 524}, {494, 7, 538}, {501, 7, 552},
    {508, 7, 566}, {515, 15, 580}, {530, 5, 598}, {535, 5, 606},
}};

// Frame geometry: a start byte 255, part A (252 bytes kept, one more discarded), a gap ended by
// the next 255, then part B.
inline constexpr int kPartALength = 252;     // rawframe 0..251
inline constexpr int kPartBLength = 876;     // rawframe 260..1135
inline constexpr int kPartBRawStart = 260;   // part B offset j goes to rawframe 260+j
inline constexpr int kTailRecordStart = 540; // record 540..802 come from one straight block
inline constexpr int kTailLength = 263;
inline constexpr int kTailPartB = 614; // ... starting at part B offset 614 (rawframe 874)

// Calls carry(position, index) for each record position a frame carries, with the rawframe
// index it stands at: the samples 0..250 at 1..251, the setup groups and the tail at part B's
// offsets (index 260 + offset + partBShift; a waveform file holds part B one byte later).
template <typename Carry> void forEachCarriedPosition(Carry carry, int partBShift = 0)
{
    for (int i = 0; i < kSampleCount; ++i)
        carry(i, i + 1);
    for (const SetupGroup& g : kSetupGroups)
        for (int k = 0; k < g.count; ++k)
            carry(g.record + k, kPartBRawStart + g.partB + k + partBShift);
    for (int k = 0; k < kTailLength; ++k)
        carry(kTailRecordStart + k, kPartBRawStart + kTailPartB + k + partBShift);
}

// Waveform files hold part B one byte later than reception puts it into rawframe.
inline constexpr int kWaveformMinSize = 1141;
inline constexpr int kWaveformMaxSize = 9999; // 10,000 bytes and more are bank files
inline constexpr int kWaveformLastOffset = 1140;

inline constexpr int kBankFileFieldWidth = 4;
inline constexpr int kBankFileFields = kMemoryCount * kBankFilePositions;   // 168,000
inline constexpr int kBankFileSize = kBankFileFields * kBankFileFieldWidth; // 672,000

} // namespace quillon
