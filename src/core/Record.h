#pragma once

#include "core/RecordLayout.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>

namespace quillon
{

// Buffers hold byte values (0..255) or character codes in 16-bit elements, so that any value a
// file could carry fits without surprise.
using Record = std::array<std::int16_t, kRecbufSize>;
using Bank = std::array<Record, kBankRows>;
using RawFrame = std::array<std::int16_t, kRawFrameSize>;
using Marks = std::array<bool, kMemoryCount>;

// The instrument's memory number as written in three characters: read from the start, spaces
// ignored, up to the first character that is not a digit; no digit gives 0.
int readMemoryNumber(std::int16_t c0, std::int16_t c1, std::int16_t c2);
int memoryNumberOf(const Record& record);

// True for the memory numbers that have a list item and a bank row (1..200).
constexpr bool isStorableMemory(int memory)
{
    return memory >= 1 && memory <= kMemoryCount;
}

// Why a memory number cannot be stored, or an empty text when it can.
QString memoryNumberProblem(int memory);

// "Mem N", with " *" once the memory holds a received or loaded record.
QString memoryItemText(int memory, bool marked);

// A bank row as start-up leaves it (0..260 zero, 261..599 spaces, the rest zero).
void initialiseBankRow(Record& row);
// A bank row as a bank load leaves it before the file's values arrive (0..255 zero,
// 256..839 spaces); positions 840.. keep their values.
void blankBankRow(Record& row);
// The built-in sample echo that start-up draws: positions 1..260 := 0, then seven echoes.
void writeSampleEcho(Record& record);

// Character codes of the single-byte code page (Latin-1): a byte value b is the character
// U+00bb. A character the code page cannot hold is stored as '?'.
QString textOf(const Record& record, int first, int count);
// Writes the bytes of `text` as character codes from `position` on.
void putText(Record& record, int position, QByteArrayView text);
std::int16_t codeOf(QChar c);
bool isStorableChar(QChar c);

} // namespace quillon
