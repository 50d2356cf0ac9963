#pragma once

#include "core/Record.h"

#include <QByteArray>
#include <QString>

namespace quillon
{

// How both archives keep a record: its positions 0..840, one byte each when every value is a
// byte (what the instrument sends), else two bytes each, little-endian. The length tells which.
QByteArray recordBlob(const Record& record);
void readRecordBlob(const void* data, qsizetype size, Record& record);

// The note lines of a record as the search indexes read them: the twelve lines, one per line.
QString noteIndexText(const Record& record);

} // namespace quillon
