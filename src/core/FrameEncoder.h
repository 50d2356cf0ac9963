#pragma once

#include "core/Record.h"

#include <QByteArray>

namespace quillon
{

// What the instrument puts around a record on the wire, beyond the record's own bytes.
struct FrameExtras {
    unsigned char partAFirst = 0;         // part A byte 1 (not part of the record)
    unsigned char partALast = 0;          // part A byte 253 (discarded by the reader, may be 255)
    QByteArray gap = QByteArray(1, '\0'); // bytes before the second 255; must hold no 255
    char filler = ' ';                    // the screen labels between the menu values
};

// Builds the bytes the instrument sends for a record: start byte, part A, gap, 255, part B.
// Record position 802 is not carried (the reader fills it from its own buffer).
QByteArray encodeFrame(const Record& record, const FrameExtras& extras = {});

} // namespace quillon
