#pragma once

#include "core/Record.h"

#include <QByteArrayView>

namespace quillon
{

// Splits the instrument's byte stream into record frames. Fed bytes in any chunking; bytes
// before a start byte (255) are dropped, then part A (252 bytes kept, one discarded), the gap up
// to the next 255, and the 876 bytes of part B. A 255 inside part A or part B is data.
class FrameDecoder
{
public:
    enum class State { Searching, PartA, SkipByte, Gap, PartB };

    // Consumes bytes up to and including the last byte of a frame and returns how many were
    // consumed; `complete` tells whether a frame ended there. Bytes after a completed frame are
    // left to the caller (the link discards what had already arrived with it).
    qsizetype feed(QByteArrayView bytes, bool* complete);

    // Forget a frame that is partly read and search for a start byte again.
    void reset();

    State state() const { return m_state; }
    // True between the start byte and the end of part B.
    bool inFrame() const { return m_state != State::Searching; }

    // The frame last completed, at its rawframe positions (0..251 part A, 260..1135 part B);
    // positions it does not carry are 0.
    const RawFrame& frame() const { return m_raw; }

private:
    State m_state = State::Searching;
    int m_index = 0;
    RawFrame m_raw{};
};

// Frame to record: copies a received frame's pieces into the record by the fixed position tables.
// Positions 251..259 and 803..840 keep their values; position 802 takes rawframe 1136.
void applyFrame(const RawFrame& raw, Record& record);

// Copies the positions a completed frame carries (0..251 and 260..1135) into `rawframe`,
// leaving every other position as it was.
void copyFrameInto(const RawFrame& frame, RawFrame& rawframe);

} // namespace quillon
