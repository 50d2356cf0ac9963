#include "archive/ArchiveJournal.h"

#include "core/BankFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace quillon
{

ArchiveJournal::ArchiveJournal(Module1& module, const QString& path, QObject* parent)
    : QObject(parent), m_module(module), m_moduleAlive(&module), m_path(path)
{
    m_previousJournal = m_module.journal();
    m_module.setJournal(this);
}

namespace
{
QString sessionLockPath(const QString& archive, qint64 session)
{
    return archive + QStringLiteral(".session-%1.lock").arg(session);
}

// An entry of bank row `row` holding `record`'s positions 0..840.
ArchiveEntry entryOf(StoreKind kind, int row, const QString& source, const Record& record)
{
    ArchiveEntry e;
    e.kind = kind;
    e.memory = row + 1;
    e.source = source;
    std::copy_n(record.begin(), kRecordLength, e.record.begin());
    return e;
}

// The newest entry of `memory`, when the archive can tell.
std::optional<ArchiveEntry> newestEntry(SqliteArchive& archive, int memory)
{
    ArchiveQuery latest;
    latest.memory = memory;
    latest.limit = 1;
    std::vector<ArchiveEntry> found;
    if (archive.query(latest, found) || found.empty())
        return std::nullopt;
    return found.front();
}
} // namespace

ArchiveJournal::~ArchiveJournal()
{
    if (m_moduleAlive && m_module.journal() == this)
        m_module.setJournal(m_previousJournal);
}

bool ArchiveJournal::open()
{
    ArchiveFailure f = m_archive.open(m_path);
    if (f.kind == ArchiveFailure::Damaged && reopenAfterDamage(f))
        f = {};
    if (!f)
        f = m_archive.beginSession(m_session);
    if (f) {
        m_archive.close();
        report(f);
        return false;
    }
    lockSession();
    scanPending();
    return true;
}

void ArchiveJournal::lockSession()
{
    m_sessionLock = std::make_unique<QLockFile>(sessionLockPath(m_path, m_session));
    m_sessionLock->setStaleLockTime(0); // held as long as the run lives, however long
    if (!m_sessionLock->tryLock(0))
        m_sessionLock.reset(); // a folder that takes no lock file: the offer may include this run
}

bool ArchiveJournal::isRunning(qint64 session) const
{
    if (session == m_session)
        return true;
    QLockFile lock(sessionLockPath(m_path, session));
    lock.setStaleLockTime(0); // only a live program keeps it
    if (lock.tryLock(0))
        return false; // unlocked (and removed) again as `lock` goes
    return lock.error() == QLockFile::LockFailedError;
}

bool ArchiveJournal::reopenAfterDamage(const ArchiveFailure& failure)
{
    m_archive.close();
    const QString aside = SqliteArchive::moveAside(m_path);
    qint64 session = 0;
    if (aside.isEmpty() || m_archive.open(m_path) || m_archive.beginSession(session))
        return false;
    m_session = session;
    m_lastOwnEntry = 0;
    m_carried.clear();
    lockSession();
    emit archiveReplaced(
        QStringLiteral("The archive \"%1\" could not be read (%2). It was moved to \"%3\" and a "
                       "new archive was started.")
            .arg(QDir::toNativeSeparators(m_path), failure.text, QDir::toNativeSeparators(aside)));
    return true;
}

void ArchiveJournal::report(const ArchiveFailure& failure)
{
    if (m_failureReported)
        return;
    m_failureReported = true;
    emit archiveFailed(QStringLiteral("Records are not being written to the archive \"%1\" (%2). "
                                      "They are still stored in the bank.")
                           .arg(QDir::toNativeSeparators(m_path), failure.text));
}

void ArchiveJournal::append(std::vector<ArchiveEntry>& entries)
{
    if (entries.empty() || (!m_archive.isOpen() && !open()))
        return;
    ArchiveFailure f = m_archive.appendAll(entries);
    if (f.kind == ArchiveFailure::Damaged && reopenAfterDamage(f))
        f = m_archive.appendAll(entries);
    if (f) {
        report(f);
        return;
    }
    m_failureReported = false;
    m_lastOwnEntry = entries.back().id;
}

void ArchiveJournal::recordStored(int row, const Record& record, const StoreOrigin& origin)
{
    m_changedRows.insert(row);
    m_pending.erase(row);
    // A restored row is an entry already: it only becomes this run's unsaved work.
    if (origin.kind == StoreKind::Restored)
        return;
    std::vector<ArchiveEntry> one{entryOf(origin.kind, row, origin.source, record)};
    append(one);
}

void ArchiveJournal::bankLoaded(const BankFileContents& contents, const QString& path)
{
    const QString source = QFileInfo(path).absoluteFilePath();
    std::vector<ArchiveEntry> changed; // one transaction, one sync, for the whole file
    for (int row = 0; row < kMemoryCount; ++row) {
        if (!contents.marks[row])
            continue;
        // The row as the load leaves it: the file's positions, and position 840 kept.
        // A row the restore is about to put an earlier run's record into keeps that record's
        // entry as its latest: the file's record of it was in the bank only for a moment.
        if (m_restoringOnto && m_pending.count(row))
            continue;
        ArchiveEntry e = entryOf(StoreKind::Loaded, row, source, m_module.membank[row]);
        std::copy_n(contents.bank[row].begin(), kBankFilePositions, e.record.begin());
        const auto latest = newestEntry(m_archive, e.memory);
        if (latest && std::equal(e.record.begin(), e.record.begin() + kBankFilePositions,
                                 latest->record.begin()))
            continue;
        changed.push_back(e);
    }
    append(changed);
    settleAll();
    keepSessionBank(source);
}

void ArchiveJournal::bankSaved(const QString& path)
{
    settleAll();
    keepSessionBank(QFileInfo(path).absoluteFilePath());
}

void ArchiveJournal::keepSessionBank(const QString& path)
{
    if (m_archive.isOpen() && m_session != 0)
        m_archive.setSessionBank(m_session, path);
}

std::optional<ArchiveEntry> ArchiveJournal::latestEntry(int memory)
{
    return m_archive.isOpen() ? newestEntry(m_archive, memory) : std::nullopt;
}

QString ArchiveJournal::pendingBankFile()
{
    // The run whose work is offered last: the bank it had open is the one that work was on.
    if (m_offered.empty() || !m_archive.isOpen())
        return {};
    QString path;
    if (m_archive.sessionBank(m_offered.rbegin()->first, path) || !QFileInfo(path).isFile())
        return {};
    return path;
}

QList<int> ArchiveJournal::restorePendingOnto(const BankFileContents& bank, const QString& path)
{
    m_restoringOnto = true;
    m_module.loadBank(bank, path);
    m_restoringOnto = false;
    return restorePending();
}

void ArchiveJournal::discardSession()
{
    settleAll();
}

void ArchiveJournal::settleAll()
{
    if (!m_archive.isOpen())
        return;
    m_archive.settle(m_session, m_lastOwnEntry);
    for (const auto& [session, upTo] : m_carried)
        m_archive.settle(session, upTo);
    m_carried.clear();
}

void ArchiveJournal::scanPending()
{
    m_pending.clear();
    m_pendingMarks.clear();
    m_offered.clear();
    std::vector<SqliteArchive::Unsettled> entries;
    if (m_archive.unsettled(m_session, entries))
        return;
    std::map<qint64, bool> running;
    for (const SqliteArchive::Unsettled& u : entries) {
        const int row = u.entry.memory - 1;
        if (row < 0 || row >= kMemoryCount || m_changedRows.count(row))
            continue;
        const auto known = running.find(u.session);
        if (known == running.end() ? (running[u.session] = isRunning(u.session)) : known->second)
            continue;
        m_offered[u.session] = u.entry.id;
        m_pending[row] = u.entry; // ascending ids: the latest stays
        if (u.entry.kind != StoreKind::Notes)
            m_pendingMarks[row] = true;
    }
    // A memory that a later entry (saved, loaded or still in a running program) has replaced
    // has nothing to give back.
    std::erase_if(m_pending, [this](const auto& pending) {
        const auto latest = newestEntry(m_archive, pending.first + 1);
        return latest && latest->id != pending.second.id;
    });
}

bool ArchiveJournal::bankHolds(int row, const ArchiveEntry& entry) const
{
    return std::equal(entry.record.begin(), entry.record.begin() + kRecordLength,
                      m_module.membank[row].begin());
}

std::vector<ArchiveEntry> ArchiveJournal::pending() const
{
    std::vector<ArchiveEntry> out;
    // A memory whose row already holds that record needs nothing back.
    for (const auto& [row, entry] : m_pending)
        if (!bankHolds(row, entry))
            out.push_back(entry);
    return out;
}

QList<int> ArchiveJournal::pendingRows() const
{
    QList<int> rows;
    for (const ArchiveEntry& entry : pending())
        rows << entry.memory - 1;
    return rows;
}

QList<int> ArchiveJournal::restorePending()
{
    const std::map<int, ArchiveEntry> pending = std::exchange(m_pending, {});
    const std::map<int, bool> marks = std::exchange(m_pendingMarks, {});
    for (const auto& [session, upTo] : m_offered)
        m_carried[session] = std::max(m_carried[session], upTo);
    m_offered.clear();
    QList<int> restored;
    for (const auto& [row, entry] : pending) {
        if (bankHolds(row, entry))
            continue;
        const auto mark = marks.find(row);
        m_module.store(row, entry.record,
                       StoreOrigin{StoreKind::Restored, m_path, mark != marks.end()});
        restored << row;
    }
    return restored;
}

void ArchiveJournal::discardPending()
{
    m_pending.clear();
    m_pendingMarks.clear();
    for (const auto& [session, upTo] : m_offered)
        m_archive.settle(session, upTo); // refused while the archive is not open
    m_offered.clear();
}

bool ArchiveJournal::importLeftovers(const std::vector<Leftover>& rows, const QString& source)
{
    if (!m_archive.isOpen() || rows.empty())
        return m_archive.isOpen();
    std::vector<ArchiveEntry> entries;
    for (const Leftover& l : rows)
        entries.push_back(
            entryOf(l.marked ? StoreKind::Received : StoreKind::Notes, l.row, source, l.record));
    qint64 session = 0;
    ArchiveFailure f = m_archive.beginSession(session);
    if (!f)
        f = m_archive.appendAll(entries);
    m_archive.useSession(m_session);
    if (f) {
        report(f);
        return false;
    }
    scanPending();
    return true;
}

} // namespace quillon
