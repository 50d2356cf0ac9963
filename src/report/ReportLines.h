#pragma once

#include "core/NoteLines.h"
#include "core/PanelTexts.h"

#include <QStringList>

#include <array>

namespace quillon
{

// The texts of the report page and the report document, built from what the main window shows.

// The two heading lines: the title roughly centred, then the sub-headings over the A-scan and
// the menu data.
extern const char* const kReportTitleLine;
extern const char* const kReportSubHeadingLine;

// The captions of the report's note lines (their dots and spaces are part of them).
extern const std::array<const char*, kNoteLines> kReportNoteCaptions;

// The heading text of the document: CR LF, CR LF, title, CR LF, CR LF, sub-heading, CR LF.
QString reportHeadingText();

// The menu data as 19 text lines: caption lines as literals, value lines joining the panel boxes
// with fixed runs of spaces, the last line gain, reference gain and the time and date caption.
QStringList menuTextLines(const PanelTexts& panel);

// The twelve note lines: caption n followed directly by the text of note box n.
QStringList noteTextLines(const NoteTexts& notes);

} // namespace quillon
