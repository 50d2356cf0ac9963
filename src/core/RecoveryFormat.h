#pragma once

#include "core/Record.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace quillon
{

// One bank row kept for recovery: the whole record (positions 0..840) and its list mark.
struct RecoveryEntry {
    int row = 0;
    bool marked = false;
    Record record{};
};

// The recovery file: a first line "Quillon recovery 1", then one line per row:
// "<row> <mark 0|1> <value of position 0> ... <value of position 840>", separated by spaces.
QByteArray writeRecovery(const std::vector<RecoveryEntry>& entries);
// Returns false and says why when the text is not a whole recovery file.
bool readRecovery(QByteArrayView text, std::vector<RecoveryEntry>& out, QString* error);

} // namespace quillon
