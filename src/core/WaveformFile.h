#pragma once

#include "core/Record.h"

#include <QByteArray>
#include <QString>

namespace quillon
{

// A waveform file holds one record: A-scan samples at offsets 1..251 and the instrument's menu
// screen one byte later than reception puts it into rawframe (part B offset j at file offset
// 261+j). Files of 1,141 to 9,999 bytes; bytes from offset 1,141 on are ignored.

// Copies file offsets 1..1140 into rawframe 1..1140. A file shorter than 1,141 bytes, or one of
// 10,000 bytes or more (a bank file), is refused and leaves rawframe unchanged; `error` then
// says why.
bool readWaveform(QByteArrayView file, RawFrame& rawframe, QString* error);
// Why a file of `size` bytes cannot be a waveform file, as readWaveform says it; empty when it
// can.
QString waveformSizeProblem(qint64 size);

// get_data: rawframe 1..1137 into the record; positions 251..259 and 803.. keep their values.
void get_data(const RawFrame& rawframe, Record& record);

// A waveform file of `size` bytes (at least 1,141) holding the record; unmapped bytes are spaces
// (offset 0 and the padding after offset 1,140 are 0).
QByteArray writeWaveform(const Record& record, int size = kWaveformMinSize);

// True when a file of this size is read as a bank file rather than a waveform file.
constexpr bool isBankFileSize(qint64 size)
{
    return size > kWaveformMaxSize;
}

} // namespace quillon
