#pragma once

#include "core/NoteLines.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;

namespace quillon
{

// The twelve note lines (txtnoteLn 0..11), each with its caption at the left, limited to twenty
// characters of the single-byte code page, in two blocks of six, and the "S  A  V  E" button at
// their right. A box shows its line without the trailing spaces that fill it to twenty
// characters, so that typing at its end appends; a line left as it was keeps every character it
// holds.
class NoteLinesPanel : public QWidget
{
    Q_OBJECT
public:
    explicit NoteLinesPanel(QWidget* parent = nullptr);

    const std::array<QLineEdit*, kNoteLines>& lines() const { return m_lines; }
    QPushButton* saveButton() const { return m_save; }

    // The lines of the record on display, as its note area holds them.
    void setTexts(const NoteTexts& texts);
    // Puts typed lines (a draft) into their boxes over the lines setTexts put there.
    void applyEdits(const NoteEdits& edits);
    // The lines as they stand: what the record holds for a line left as it was, else what was
    // typed.
    NoteTexts texts() const;
    // What a save writes: the text of each line that was changed, none for the others (an
    // untouched line keeps the characters it holds).
    NoteEdits edits() const;
    // Whether a note box has the keyboard focus.
    bool hasFocusInLine() const;

signals:
    // The operator changed a line.
    void edited();
    // A typed character was refused; `hint` names it.
    void characterRefused(const QString& hint);

private:
    QString shownText(int line) const;

    std::array<QLineEdit*, kNoteLines> m_lines{};
    QPushButton* m_save = nullptr;
    NoteTexts m_shown;
};

} // namespace quillon
