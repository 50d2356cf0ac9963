#pragma once

#include "core/Record.h"

#include <QObject>

#include <array>

namespace quillon
{

// The program's shared state: the record on display, the memory bank, the raw frame buffer and
// the small state that links the serial link, the memory list and the capture sequence.
// One instance, owned by the application and handed to whoever needs it.
class Module1 : public QObject
{
    Q_OBJECT
public:
    explicit Module1(QObject* parent = nullptr);

    Record recbuf{};
    Bank membank{};
    RawFrame rawframe{};
    Marks marked{}; // list item N-1 reads "Mem N *" when true

    int portno = 0;
    int reqmemno = 0;
    int curmem = 0;
    bool timedout = false;
    bool capbusy = false;

    // Start-up: every bank row 0..199 initialised, reqmemno 0, capbusy off, sample echo in recbuf.
    void startUp();

    // Store into the bank: membank row := recbuf 0..840, the item marked. Emits memoryStored.
    void storeReceived(int row);
    // Open from the bank: recbuf 0..840 := membank row. Drawing is the caller's business.
    void openFromBank(int row);
    // The twelve note lines written into a bank row (twenty characters each, space-filled).
    // Emits notesSaved, and counts as unsaved work, only when the row's note area changed.
    void saveNotes(int row, const std::array<QString, kNoteLines>& lines);
    // A whole bank read from a file: rows 0..199 positions 0..839 and the list marks.
    void replaceBank(const Bank& bank, const Marks& marks);

    // Whether the bank holds received, captured or note changes that no bank file has.
    bool hasUnsavedChanges() const { return m_changes != m_savedChanges; }
    // Called after the bank was written to a file.
    void markSaved();

signals:
    void memoryStored(int row); // a received or captured record went into a bank row
    void notesSaved(int row);   // note lines went into a bank row
    void bankReplaced();        // a bank file was loaded
    void unsavedChanged(bool unsaved);

private:
    void changed();
    quint64 m_changes = 0;
    quint64 m_savedChanges = 0;
};

} // namespace quillon
