#pragma once

#include "core/AscanDrawing.h"
#include "core/NoteLines.h"
#include "core/PanelTexts.h"

namespace quillon
{

// Everything the main window shows for the record on display: the A-scan drawing, the panel
// boxes with the time and date caption and readouts, and the twelve note boxes. Reports are
// composed from this alone.
struct DisplaySnapshot {
    AscanDrawing drawing;
    PanelTexts panel;
    NoteTexts notes;
};

// What the window would show after display_pattern and display_setup for this record.
DisplaySnapshot snapshotOf(const Record& record);

} // namespace quillon
