#pragma once

#include "core/Record.h"

#include <QString>

namespace quillon::fixture
{

// Records built the way the instrument writes them, for tests and the screenshot tool.

// A bank row as start-up leaves it.
Record startUpRow();
// The characters of a panel box ("txtrange", "txtbeam", ...) written at its record positions,
// padded with spaces or cut to the group's width.
void setField(Record& record, const char* control, const QString& text);
// The ten time and date characters hh mm dd mm yy.
void setTimeDate(Record& record, const QString& tenCharacters);
// Note line n, padded with spaces to twenty characters.
void setNote(Record& record, int n, const QString& text);
// DAC point k: x position and amplitude.
void setDacPoint(Record& record, int k, int x, int amplitude);

// A record as an operator would send it: a probe echo with a flaw and a back wall, gate 1 on,
// DAC with its companions, measurement readouts and filled note lines; memory `memory`.
Record realisticRecord(int memory = 7);

} // namespace quillon::fixture
