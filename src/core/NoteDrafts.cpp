#include "core/NoteDrafts.h"

#include <algorithm>

namespace quillon
{

const NoteEdits* NoteDrafts::draft(int row) const
{
    const auto found = m_drafts.find(row);
    return found == m_drafts.end() ? nullptr : &found->second;
}

void NoteDrafts::keep(int row, const NoteEdits& edits)
{
    if (std::none_of(edits.begin(), edits.end(), [](const auto& line) { return bool(line); }))
        return discard(row);
    const auto found = m_drafts.find(row);
    if (found != m_drafts.end() && found->second == edits)
        return;
    m_drafts[row] = edits;
    emit changed(row);
}

void NoteDrafts::discard(int row)
{
    if (m_drafts.erase(row))
        emit changed(row);
}

QList<int> NoteDrafts::rows() const
{
    QList<int> rows;
    for (const auto& [row, edits] : m_drafts)
        rows << row;
    return rows;
}

QString memoryNumberList(const QList<int>& rows)
{
    QStringList numbers;
    for (int row : rows)
        numbers << QString::number(row + 1);
    return numbers.join(QStringLiteral(", "));
}

} // namespace quillon
