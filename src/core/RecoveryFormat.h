#pragma once

#include "core/Record.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace quillon
{

// One bank row as older versions kept it for recovery: the whole record (positions 0..840) and
// its list mark.
struct RecoveryEntry {
    int row = 0;
    bool marked = false;
    Record record{};
};

// The recovery file older versions wrote (now only read, once, into the archive): a first line
// "Quillon recovery 1", then one line per row:
// "<row> <mark 0|1> <value of position 0> ... <value of position 840>", separated by spaces.
// Returns false and says why when the text is not a whole recovery file.
bool readRecovery(QByteArrayView text, std::vector<RecoveryEntry>& out, QString* error);

} // namespace quillon
