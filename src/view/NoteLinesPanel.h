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
// their right.
class NoteLinesPanel : public QWidget
{
    Q_OBJECT
public:
    explicit NoteLinesPanel(QWidget* parent = nullptr);

    const std::array<QLineEdit*, kNoteLines>& lines() const { return m_lines; }
    QPushButton* saveButton() const { return m_save; }

    void setTexts(const NoteTexts& texts);
    NoteTexts texts() const;
    // What a save writes: the text of each line that differs from what setTexts put there, none
    // for the others (an untouched line keeps the characters it holds).
    NoteEdits edits() const;

private:
    std::array<QLineEdit*, kNoteLines> m_lines{};
    QPushButton* m_save = nullptr;
    NoteTexts m_shown;
};

} // namespace quillon
