#pragma once

#include "core/AscanDrawing.h"
#include "core/PanelTexts.h"
#include "core/Record.h"

namespace quillon
{

// Builds the A-scan drawing model of a record: what display_pattern, the overlay steps of
// display_setup and cal_grt put on the surface, as drawing primitives in drawing units.

// display_pattern: clears the drawing, then the baseline, the trace of samples 0..249 and the
// dotted graticule with its ticks.
void display_pattern(AscanDrawing& drawing, const Record& record);

// The overlays that follow the panel: gate bars, the DAC curve (with its -6 dB and -14 dB
// companions when "ON 6/14"), all read from the panel texts and the record's DAC points.
void drawOverlays(AscanDrawing& drawing, const Record& record, const PanelTexts& panel);

// cal_grt: the range scale under the baseline, from the RANGE and DELAY boxes.
void cal_grt(AscanDrawing& drawing, const PanelTexts& panel);

// A label as the surface prints a number: the shortest decimal form of the value rounded to 15
// significant digits, with one leading space for zero or a positive value.
QString scaleLabel(double value);

// The complete drawing of a record as the main window shows it.
AscanDrawing drawRecord(const Record& record);

} // namespace quillon
