#pragma once

#include "core/BankJournal.h"
#include "core/Module1.h"
#include "core/RecoveryFormat.h"

#include <QDir>
#include <QObject>
#include <QString>

#include <map>

namespace quillon
{

// The bank's journal while it lives. Keeps every bank row changed since the last save (a received
// or captured record, saved note lines) in a recovery file, rewritten in one step as each change
// arrives and removed once the bank is saved (or replaced by a loaded bank file). If the program
// dies first, the next start finds the file and can put the rows back.
//
// What a previous run left is read when the object is made; it stays in the file, beside the
// rows of this run, until it is restored or discarded.
class RecoveryFile : public QObject, public BankJournal
{
    Q_OBJECT
public:
    RecoveryFile(Module1& module, const QString& path, QObject* parent = nullptr);
    ~RecoveryFile() override;

    // The recovery file beside "dfd.cfg" in that folder.
    static QString pathIn(const QDir& folder);
    QString path() const { return m_path; }

    // What a previous run left behind.
    bool hasPending() const { return !m_pending.empty(); }
    QList<int> pendingRows() const;
    // Why the file a previous run left could not be read (empty when it could, or was absent).
    QString readProblem() const { return m_readProblem; }

    // Stores the rows left behind back into the bank, with their list marks; they count as
    // unsaved. A row that this run has changed since keeps this run's record. Returns the rows
    // stored.
    QList<int> restorePending();
    // Forgets what a previous run left behind.
    void discardPending();
    // Forgets this run's changes (the operator chose not to save them).
    void discardSession();

    // The journal of the bank: every change of a row is written before the row changes.
    void recordStored(int row, const Record& record, const StoreOrigin& origin) override;
    void bankLoaded(const BankFileContents& contents, const QString& path) override;
    void bankSaved(const QString& path) override;

signals:
    // The file could not be written; reported once until a write succeeds again.
    void writeFailed(const QString& message);

private:
    void write();

    Module1& m_module;
    BankJournal* m_previousJournal = nullptr; // the bank's journal again once this one goes
    QString m_path;
    std::map<int, RecoveryEntry> m_pending; // left by a previous run
    std::map<int, RecoveryEntry> m_session; // changed by this run since the last save or load
    QString m_readProblem;
    bool m_failureReported = false;
};

} // namespace quillon
