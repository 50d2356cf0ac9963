#include "core/Module1.h"

#include "core/BankFile.h"

namespace quillon
{

Module1::Module1(QObject* parent) : QObject(parent) {}

void Module1::startUp()
{
    for (int row = 0; row < kMemoryCount; ++row)
        initialiseBankRow(m_bank[row]);
    reqmemno = 0;
    capbusy = false;
}

void Module1::store(int row, const Record& record, const StoreOrigin& origin)
{
    Q_ASSERT(row >= 0 && row < kMemoryCount);
    Q_ASSERT(origin.kind != StoreKind::Loaded && origin.kind != StoreKind::Notes);
    if (m_journal)
        m_journal->recordStored(row, record, origin);
    std::copy_n(record.begin(), kRecordLength, m_bank[row].begin());
    m_marks[row] = origin.kind == StoreKind::Restored ? origin.marked : true;
    emit rowChanged(row, origin.kind);
    changed();
}

void Module1::loadBank(const BankFileContents& contents, const QString& path)
{
    if (m_journal)
        m_journal->bankLoaded(contents, path);
    for (int row = 0; row < kMemoryCount; ++row)
        std::copy_n(contents.bank[row].begin(), kBankFilePositions, m_bank[row].begin());
    m_marks = contents.marks;
    m_bankFile = path;
    emit bankReplaced();
    nothingUnsaved();
}

bool Module1::saveNotes(int row, const NoteEdits& lines)
{
    Q_ASSERT(row >= 0 && row < kMemoryCount);
    Record after = m_bank[row];
    writeNoteLines(after, lines);
    // Pressing the note save button on lines that are already in the row changes nothing that
    // would need saving to a file.
    if (after == m_bank[row])
        return false;
    if (m_journal)
        m_journal->recordStored(row, after, StoreOrigin{StoreKind::Notes, {}, m_marks[row]});
    m_bank[row] = after;
    emit rowChanged(row, StoreKind::Notes);
    changed();
    return true;
}

void Module1::openFromBank(int row)
{
    Q_ASSERT(row >= 0 && row < kBankRows);
    std::copy_n(m_bank[row].begin(), kRecordLength, recbuf.begin());
}

void Module1::markSaved(const QString& path)
{
    if (m_journal)
        m_journal->bankSaved(path);
    m_bankFile = path;
    nothingUnsaved();
}

void Module1::nothingUnsaved()
{
    const bool was = hasUnsavedChanges();
    m_savedChanges = m_changes;
    if (was)
        emit unsavedChanged(false);
}

void Module1::changed()
{
    const bool was = hasUnsavedChanges();
    ++m_changes;
    if (!was)
        emit unsavedChanged(true);
}

} // namespace quillon
