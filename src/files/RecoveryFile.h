#pragma once

#include "core/Module1.h"
#include "core/RecoveryFormat.h"

#include <QDir>
#include <QObject>
#include <QString>

#include <map>
#include <set>

namespace quillon
{

// Keeps every bank row changed since the last save (a received or captured record, saved note
// lines) in a recovery file, rewritten in one step as each change arrives and removed once the
// bank is saved (or replaced by a loaded bank file). If the program dies first, the next start
// finds the file and can put the rows back.
//
// What a previous run left is read when the object is made; it stays in the file, beside the
// rows of this run, until it is restored or discarded.
class RecoveryFile : public QObject
{
    Q_OBJECT
public:
    RecoveryFile(Module1& module, const QString& path, QObject* parent = nullptr);

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

signals:
    // The file could not be written; reported once until a write succeeds again.
    void writeFailed(const QString& message);

private:
    void rowChanged(int row);
    void write();

    Module1& m_module;
    QString m_path;
    std::map<int, RecoveryEntry> m_pending;
    std::set<int> m_changed;
    QString m_readProblem;
    bool m_restoring = false;
    bool m_failureReported = false;
};

} // namespace quillon
