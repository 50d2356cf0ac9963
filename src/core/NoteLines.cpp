#include "core/NoteLines.h"

#include <QCoreApplication>

#include <algorithm>

namespace quillon
{

// Fixed: the captions are the report's and the table files' headings; the screen shows
// noteCaptionLabel().
const std::array<const char*, kNoteLines> kNoteCaptions{
    QT_TRANSLATE_NOOP("NoteLines", "Operator Name/Code"),
    QT_TRANSLATE_NOOP("NoteLines", "Division"),
    QT_TRANSLATE_NOOP("NoteLines", "Section"),
    QT_TRANSLATE_NOOP("NoteLines", "Km. Post"),
    QT_TRANSLATE_NOOP("NoteLines", "Rail LH/RH  &  Up/Dn"),
    QT_TRANSLATE_NOOP("NoteLines", "Deffect Location"),
    QT_TRANSLATE_NOOP("NoteLines", "Rolling Mark"),
    QT_TRANSLATE_NOOP("NoteLines", "Type of Probe"),
    QT_TRANSLATE_NOOP("NoteLines", "Flaw Code"),
    QT_TRANSLATE_NOOP("NoteLines", "Def. Class OBS/IMR/REM"),
    QT_TRANSLATE_NOOP("NoteLines", "Prev. Defect Class"),
    QT_TRANSLATE_NOOP("NoteLines", "Peak Patt. Detail"),
};

QString noteCaptionLabel(int line)
{
    return QCoreApplication::translate("NoteLines", kNoteCaptions[std::size_t(line)]);
}

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
