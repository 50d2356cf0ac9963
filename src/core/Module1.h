#pragma once

#include "core/BankJournal.h"
#include "core/NoteLines.h"
#include "core/Record.h"

#include <QObject>

namespace quillon
{

struct BankFileContents;

// The program's shared state: the record on display, the memory bank, the raw frame buffer and
// the small state that links the serial link, the memory list and the capture sequence.
// One instance, owned by the application and handed to whoever needs it.
//
// The bank changes only through store, loadBank and saveNotes: each tells the journal first,
// then changes the rows and their marks, then emits one signal.
class Module1 : public QObject
{
    Q_OBJECT
    Bank m_bank{};
    Marks m_marks{};

public:
    explicit Module1(QObject* parent = nullptr);

    Record recbuf{};
    RawFrame rawframe{};

    int portno = 0;
    int reqmemno = 0;
    // The bank row last opened onto the display (0 at start-up), as the window's showRecord sets
    // it. Nothing decides by it: what is on display now is the window's shownRow().
    int curmem = 0;
    bool capbusy = false;

    // The bank and its list marks (item N-1 reads "Mem N *" when true), to read; the functions
    // below change them.
    const Bank& membank{m_bank};
    const Marks& marked{m_marks};

    // Start-up: every bank row 0..199 initialised, reqmemno 0, capbusy off. The sample echo is
    // the window's business once the port is open (writeSampleEcho).
    void startUp();

    // Told before every change of the bank; null for none. Not owned.
    void setJournal(BankJournal* journal) { m_journal = journal; }
    BankJournal* journal() const { return m_journal; }

    // A record into bank row 0..199 (positions 0..840). A received, captured or restored record
    // counts as unsaved work; received and captured rows are marked, a restored row takes the
    // mark its origin carries. Emits rowChanged.
    void store(int row, const Record& record, const StoreOrigin& origin);
    // A bank file: rows 0..199 positions 0..839 and every list mark. Position 840 and row 200
    // keep their values; nothing is unsaved afterwards. Emits bankReplaced.
    void loadBank(const BankFileContents& contents, const QString& path);
    // Note lines into a bank row (twenty characters each, space-filled); a line without a text
    // keeps its stored characters. Nothing happens, and false is returned, when the note area
    // would not change; otherwise it counts as unsaved work and emits rowChanged.
    bool saveNotes(int row, const NoteEdits& lines);

    // Open from the bank: recbuf 0..840 := membank row. Drawing is the caller's business.
    void openFromBank(int row);

    // Whether the bank holds received, captured or note changes that no bank file has.
    bool hasUnsavedChanges() const { return m_changes != m_savedChanges; }
    // Called after the whole bank was written to that file.
    void markSaved(const QString& path);
    // The bank file last opened or saved in this run; empty before the first.
    QString bankPath() const { return m_bankPath; }

signals:
    void rowChanged(int row, quillon::StoreKind kind);
    void bankReplaced();
    void unsavedChanged(bool unsaved);

private:
    void changed();
    void nothingUnsaved();

    BankJournal* m_journal = nullptr;
    QString m_bankPath;
    quint64 m_changes = 0;
    quint64 m_savedChanges = 0;
};

} // namespace quillon
