#include "core/NoteLines.h"

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
        bool anyText = false;
        for (int i = 0; i < kNoteLength; ++i)
            anyText = anyText || record[first + i] != ' ';
        if (anyText)
            lines[n] = textOf(record, first, kNoteLength);
    }
    return lines;
}

void writeNoteLines(Record& record, const NoteTexts& lines)
{
    for (int n = 0; n < kNoteLines; ++n) {
        const int first = kNoteFirst + kNoteLength * n;
        const QString& text = lines[n];
        for (int i = 0; i < kNoteLength; ++i)
            record[first + i] = i < text.size() ? codeOf(text[i]) : std::int16_t(' ');
    }
}

} // namespace quillon
