#pragma once

#include "core/NoteLines.h"

#include <QList>
#include <QObject>

#include <map>

namespace quillon
{

// Note lines typed under a memory and not stored with the note save yet, by bank row: what a
// save would write (a line left as it was has no text). A draft outlives every change of the
// display; it ends when its notes are saved or the operator discards it.
class NoteDrafts : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    bool has(int row) const { return m_drafts.count(row) > 0; }
    // The draft of `row`, or null.
    const NoteEdits* draft(int row) const;
    // Keeps `edits` as the draft of `row`; edits that change no line end it.
    void keep(int row, const NoteEdits& edits);
    void discard(int row);
    // Rows with a draft, ascending.
    QList<int> rows() const;
    bool isEmpty() const { return m_drafts.empty(); }

signals:
    // `row` got, changed or lost its draft.
    void changed(int row);

private:
    std::map<int, NoteEdits> m_drafts;
};

// "3, 7, 12" for rows 2, 6 and 11: memory numbers as a list in a sentence.
QString memoryNumberList(const QList<int>& rows);

} // namespace quillon
