#include "core/Module1.h"

#include "core/NoteLines.h"

namespace quillon
{

Module1::Module1(QObject* parent) : QObject(parent) {}

void Module1::startUp()
{
    for (int row = 0; row < kMemoryCount; ++row)
        initialiseBankRow(membank[row]);
    reqmemno = 0;
    capbusy = false;
    writeSampleEcho(recbuf);
}

void Module1::storeReceived(int row)
{
    Q_ASSERT(row >= 0 && row < kMemoryCount);
    std::copy_n(recbuf.begin(), kRecordLength, membank[row].begin());
    marked[row] = true;
    emit memoryStored(row);
    changed();
}

void Module1::openFromBank(int row)
{
    Q_ASSERT(row >= 0 && row < kBankRows);
    std::copy_n(membank[row].begin(), kRecordLength, recbuf.begin());
}

void Module1::saveNotes(int row, const std::array<QString, kNoteLines>& lines)
{
    Q_ASSERT(row >= 0 && row < kBankRows);
    const Record before = membank[row];
    writeNoteLines(membank[row], lines);
    // Pressing the note save button on lines that are already in the row changes nothing that
    // would need saving to a file.
    if (membank[row] == before)
        return;
    emit notesSaved(row);
    changed();
}

void Module1::replaceBank(const Bank& bank, const Marks& marks)
{
    for (int row = 0; row < kMemoryCount; ++row)
        std::copy_n(bank[row].begin(), kBankFilePositions, membank[row].begin());
    marked = marks;
    emit bankReplaced();
    markSaved();
}

void Module1::markSaved()
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
