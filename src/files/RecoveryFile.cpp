#include "files/RecoveryFile.h"

#include "files/BankSaver.h"

#include <QFile>

namespace quillon
{

RecoveryFile::RecoveryFile(Module1& module, const QString& path, QObject* parent)
    : QObject(parent), m_module(module), m_path(path)
{
    QFile file(m_path);
    if (file.exists()) {
        std::vector<RecoveryEntry> entries;
        if (!file.open(QIODevice::ReadOnly))
            m_readProblem = file.errorString();
        else if (readRecovery(file.readAll(), entries, &m_readProblem))
            for (const RecoveryEntry& e : entries)
                m_pending[e.row] = e;
    }
    m_previousJournal = m_module.journal();
    m_module.setJournal(this);
}

RecoveryFile::~RecoveryFile()
{
    if (m_module.journal() == this)
        m_module.setJournal(m_previousJournal);
}

QString RecoveryFile::pathIn(const QDir& folder)
{
    return folder.absoluteFilePath(QStringLiteral("dfd.recovery"));
}

QList<int> RecoveryFile::pendingRows() const
{
    QList<int> rows;
    for (const auto& [row, entry] : m_pending)
        rows << row;
    return rows;
}

QList<int> RecoveryFile::restorePending()
{
    QList<int> restored;
    // Taken out first: each store below comes back here as a change of this run.
    const std::map<int, RecoveryEntry> pending = std::move(m_pending);
    m_pending.clear();
    for (const auto& [row, entry] : pending) {
        m_module.store(row, entry.record, StoreOrigin{StoreKind::Restored, m_path, entry.marked});
        restored << row;
    }
    write();
    return restored;
}

void RecoveryFile::discardPending()
{
    m_pending.clear();
    write();
}

void RecoveryFile::discardSession()
{
    m_session.clear();
    write();
}

void RecoveryFile::recordStored(int row, const Record& record, const StoreOrigin& origin)
{
    RecoveryEntry& e = m_session[row];
    e.row = row;
    e.marked =
        origin.kind == StoreKind::Received || origin.kind == StoreKind::Captured || origin.marked;
    e.record = record;
    m_pending.erase(row); // this run's record of that memory is newer
    write();
}

void RecoveryFile::bankLoaded(const BankFileContents&, const QString&)
{
    m_session.clear();
    write();
}

void RecoveryFile::bankSaved(const QString&)
{
    m_session.clear();
    write();
}

void RecoveryFile::write()
{
    std::vector<RecoveryEntry> entries;
    for (const auto& [row, entry] : m_pending)
        entries.push_back(entry);
    for (const auto& [row, entry] : m_session)
        entries.push_back(entry);
    if (entries.empty()) {
        QFile::remove(m_path);
        return;
    }
    if (auto failure = BankSaver::writeFile(m_path, writeRecovery(entries))) {
        if (!m_failureReported)
            emit writeFailed(
                QStringLiteral("Records received since the last save cannot be kept in \"%1\" "
                               "(%2). Save the bank to keep them.")
                    .arg(m_path,
                         failure->detail.isEmpty() ? failureText(*failure) : failure->detail));
        m_failureReported = true;
        return;
    }
    m_failureReported = false;
}

} // namespace quillon
