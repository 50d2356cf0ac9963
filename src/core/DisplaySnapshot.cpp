#include "core/DisplaySnapshot.h"

#include "core/AscanDrawingBuilder.h"

namespace quillon
{

DisplaySnapshot snapshotOf(const Record& record)
{
    DisplaySnapshot s;
    display_pattern(s.drawing, record);
    s.panel = panelTexts(record);
    drawOverlays(s.drawing, record, s.panel);
    s.notes = noteTexts(record);
    cal_grt(s.drawing, s.panel);
    return s;
}

} // namespace quillon
