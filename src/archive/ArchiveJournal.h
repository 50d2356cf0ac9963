#pragma once

#include "archive/SqliteArchive.h"
#include "core/BankJournal.h"
#include "core/Module1.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <map>
#include <memory>
#include <set>
#include <vector>

class QLockFile;

namespace quillon
{

// The bank's journal while it lives: every record received or captured, every marked memory a
// bank load changes and every note save is appended to the archive, synced, before the bank
// changes. The archive also keeps which of that was still unsaved work when a run ended, so that
// the next start can offer it back.
//
// The bank changes whatever the archive says: a damaged archive file is moved aside and a new
// one started; an archive that cannot be written is reported once until a write works again.
// A run holds a lock file beside the archive ("<archive>.session-N.lock") while it lives: the
// unsaved work of a run that is still going (another copy of the program) is never offered.
class ArchiveJournal : public QObject, public BankJournal
{
    Q_OBJECT
public:
    ArchiveJournal(Module1& module, const QString& path, QObject* parent = nullptr);
    ~ArchiveJournal() override;

    // Opens (or makes) the archive and begins this run's session. Problems are reported through
    // the signals, so connect them first. False when no archive could be opened.
    bool open();
    QString path() const { return m_path; }
    SqliteArchive& archive() { return m_archive; }
    // The newest entry of memory 1..200, when the archive can tell.
    std::optional<ArchiveEntry> latestEntry(int memory);
    // The id of the latest entry this run appended; 0 for none.
    qint64 lastEntry() const { return m_lastOwnEntry; }

    // Entries of an earlier run's unsaved work (kept by a recovery file of an older version):
    // each becomes a received entry (marked) or a notes entry of a session of its own.
    struct Leftover {
        int row = 0;
        bool marked = false;
        Record record{};
    };
    bool importLeftovers(const std::vector<Leftover>& rows, const QString& source);

    // What earlier runs received, captured or noted after their last save and the bank does not
    // hold: the latest entry of each memory, by memory. A memory this run has stored since is
    // not offered.
    std::vector<ArchiveEntry> pending() const;
    QList<int> pendingRows() const;
    bool hasPending() const { return !pendingRows().isEmpty(); }
    // Stores them back into the bank (received and captured memories marked); they are this
    // run's unsaved work from now on. Returns the rows stored.
    QList<int> restorePending();
    // The bank file the run whose work is offered had opened or saved last, when it is still
    // there; empty otherwise (that work was on the start-up bank).
    QString pendingBankFile();
    // Opens that bank file first (its contents given), then restores the work on top of it.
    QList<int> restorePendingOnto(const BankFileContents& bank, const QString& path);
    // They are given up: not offered again.
    void discardPending();
    // This run's unsaved work is given up (the operator chose not to save it).
    void discardSession();

    void recordStored(int row, const Record& record, const StoreOrigin& origin) override;
    void bankLoaded(const BankFileContents& contents, const QString& path) override;
    void bankSaved(const QString& path) override;

signals:
    // The archive file was damaged: it was moved to `movedTo` and a new one begun.
    void archiveReplaced(const QString& message);
    // The archive cannot be written; reported once until a write works again.
    void archiveFailed(const QString& message);

private:
    void append(std::vector<ArchiveEntry>& entries);
    bool bankHolds(int row, const ArchiveEntry& entry) const;
    void settleAll();
    void report(const ArchiveFailure& failure);
    bool reopenAfterDamage(const ArchiveFailure& failure);
    void scanPending();
    void lockSession();
    void keepSessionBank(const QString& path);
    bool isRunning(qint64 session) const;

    Module1& m_module;
    QPointer<Module1> m_moduleAlive; // the journal may outlive the module
    BankJournal* m_previousJournal = nullptr;
    QString m_path;
    SqliteArchive m_archive;
    qint64 m_session = 0;
    qint64 m_lastOwnEntry = 0;
    std::map<qint64, qint64> m_carried;    // earlier sessions restored into this run: up to entry
    std::map<qint64, qint64> m_offered;    // earlier sessions with pending entries: last such entry
    std::map<int, ArchiveEntry> m_pending; // by row
    std::map<int, bool> m_pendingMarks;    // by row
    std::set<int> m_changedRows;           // rows this run has stored into
    bool m_failureReported = false;
    bool m_restoringOnto = false; // the bank file under the restored work is being opened
    // Held while this run lives, so that another program starting meanwhile does not take this
    // run's unsaved work for what a dead run left.
    std::unique_ptr<QLockFile> m_sessionLock;
};

} // namespace quillon
