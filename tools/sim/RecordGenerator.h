#pragma once

#include "core/Record.h"

namespace sim
{

// Makes believable instrument memories when no bank file is given: an A-scan with the
// transmitter pulse, flaw and back-wall echoes over a little noise, the menu settings as the
// instrument writes them (seven-character groups such as "ON     " or "30%    "), a clock,
// readouts, a DAC curve and twelve note lines. The same memory number always gives the same
// record.
class RecordGenerator
{
public:
    static quillon::Record generate(int memory);

    // Writes `text` into the seven-character memory-number group (358..364), space-padded.
    static void setMemoryNumberText(quillon::Record& record, const QString& text);
};

} // namespace sim
