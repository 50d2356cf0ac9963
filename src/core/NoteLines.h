#pragma once

#include "core/Record.h"

#include <QStringList>

#include <array>
#include <optional>

namespace quillon
{

using NoteTexts = std::array<QString, kNoteLines>;
// Lines to write: a line without a value keeps the characters it has.
using NoteEdits = std::array<std::optional<QString>, kNoteLines>;

// Captions of the twelve note boxes, as the report and the table files write them.
extern const std::array<const char*, kNoteLines> kNoteCaptions;
// The caption of note line `line` (0..11) as the window shows it, in the interface's language.
QString noteCaptionLabel(int line);

// What each note box shows for a record: the twenty characters of the line, trailing spaces
// included, or the empty text when all twenty are spaces. Characters of code 0 (what a memory
// never received holds) are not shown: they would fill the box with nothing to see.
NoteTexts noteTexts(const Record& record);

// Writes the lines into a record's note area: at most twenty characters each, the rest of the
// line filled with spaces. A character outside the single-byte code page (Latin-1) is stored as
// one '?', also when it takes two UTF-16 units.
void writeNoteLines(Record& record, const NoteEdits& lines);
// Every line written, none kept.
NoteEdits everyLine(const NoteTexts& lines);

} // namespace quillon
