#include "core/NoteLines.h"

#include <algorithm>

namespace quillon
{

const std::array<const char*, kNoteLines> kNoteCaptions{"Operator Name/Code",
                                                        "Division",
                                                        "Section",
                                                        "Km. Post",
                                                        "Rail LH/RH  &  Up/Dn",
                                                        "Deffect Location",
                                                        "Rolling Mark",
                                                        "Type of Probe",
                                                        "Flaw Code",
                                                        "Def. Class OBS/IMR/REM",
                                                        "Prev. Defect Class",
                                                        "Peak Patt. Detail"};

NoteTexts noteTexts(const Record& record)
{
    NoteTexts lines;
    for (int n = 0; n < kNoteLines; ++n) {
        const int first = kNoteFirst + kNoteLength * n;
        const auto line = record.begin() + first;
        if (std::any_of(line, line + kNoteLength, [](std::int16_t c) { return c != ' '; }))
            lines[n] = textOf(record, first, kNoteLength).remove(QChar(0));
    }
    return lines;
}

NoteEdits everyLine(const NoteTexts& lines)
{
    NoteEdits edits;
    std::copy(lines.begin(), lines.end(), edits.begin());
    return edits;
}

void writeNoteLines(Record& record, const NoteEdits& lines)
{
    for (int n = 0; n < kNoteLines; ++n) {
        if (!lines[n])
            continue;
        const int first = kNoteFirst + kNoteLength * n;
        const QString& text = *lines[n];
        int i = 0;
        // One position per character: a character written with two UTF-16 units (outside the
        // code page anyway) becomes a single '?', never two.
        for (qsizetype u = 0; u < text.size() && i < kNoteLength; ++u, ++i) {
            const QChar c = text[u];
            if (c.isHighSurrogate() && u + 1 < text.size() && text[u + 1].isLowSurrogate())
                ++u;
            record[first + i] = codeOf(c);
        }
        for (; i < kNoteLength; ++i)
            record[first + i] = ' ';
    }
}

} // namespace quillon
