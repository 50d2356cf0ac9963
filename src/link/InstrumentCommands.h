#pragma once

#include <QByteArray>

namespace quillon
{

// Every command to the instrument is 22 characters: a command character and 21 "Z", written in
// one piece with no terminator.
inline constexpr int kCommandLength = 22;

QByteArray instrumentCommand(char code);

// The decimal digits of a memory number as the request sends them: hundreds, tens, units.
struct MemoryDigits {
    int hundreds = 0;
    int tens = 0;
    int units = 0;
};
MemoryDigits memoryDigits(int memory); // memory 0..999

// A memory request: R, A, then the hundreds, tens and units digits (110 bytes).
QByteArray memoryRequest(int memory);
// The release that lets the instrument go on: R, F (44 bytes).
QByteArray releaseCommands();

} // namespace quillon
