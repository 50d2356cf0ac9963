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
    connect(&m_module, &Module1::memoryStored, this, &RecoveryFile::rowChanged);
    connect(&m_module, &Module1::notesSaved, this, &RecoveryFile::rowChanged);
    connect(&m_module, &Module1::unsavedChanged, this, [this](bool unsaved) {
        if (unsaved)
            return;
        m_changed.clear();
        write();
    });
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
    m_restoring = true;
    for (const auto& [row, entry] : m_pending) {
        // Stored the way a received record is, so that it counts as unsaved like one.
        const Record shown = m_module.recbuf;
        std::copy_n(entry.record.begin(), kRecordLength, m_module.recbuf.begin());
        m_module.storeReceived(row);
        m_module.recbuf = shown;
        m_module.marked[row] = entry.marked;
        restored << row;
    }
    m_restoring = false;
    m_pending.clear();
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
    m_changed.clear();
    write();
}

void RecoveryFile::rowChanged(int row)
{
    m_changed.insert(row);
    if (m_restoring)
        return;
    m_pending.erase(row); // this run's record of that memory is newer
    write();
}

void RecoveryFile::write()
{
    std::vector<RecoveryEntry> entries;
    for (const auto& [row, entry] : m_pending)
        if (!m_changed.count(row))
            entries.push_back(entry);
    for (int row : m_changed) {
        RecoveryEntry e;
        e.row = row;
        e.marked = m_module.marked[row];
        std::copy_n(m_module.membank[row].begin(), kRecordLength, e.record.begin());
        entries.push_back(e);
    }
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
