#pragma once

#include "archive/ArchiveStore.h"
#include "archive/ThisPc.h"

#include <QString>

#include <initializer_list>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace quillon
{

// The archive in one SQLite database file: WAL, every commit synced (synchronous=FULL), a busy
// timeout so that two running programs can share the file, an append-only table of entries and
// a full-text index over their note lines, and beside each entry the values the defect register
// reads (entryFacts), so that the register is one grouped query over a narrow table. PRAGMA
// user_version holds the schema version; opening brings an older file up to the current one step by
// step.
//
// Each file has an origin, a UUID made with it and never changed: with an entry's id it names the
// entry in any store. Each entry keeps the PC's host name and the user who was logged in.
//
// Beside the entries it keeps the journal's own bookkeeping: each run of the program is a
// session, and each session has the id of its last entry that a bank file holds (saved, loaded
// over or discarded): what lies beyond it was still unsaved work when the session ended.
class SqliteArchive : public ArchiveStore
{
public:
    enum class Open { CreateIfMissing, ExistingOnly };
    static constexpr int kSchemaVersion = 4;

    SqliteArchive() = default;
    ~SqliteArchive() override;
    SqliteArchive(const SqliteArchive&) = delete;
    SqliteArchive& operator=(const SqliteArchive&) = delete;

    ArchiveFailure open(const QString& path, Open mode = Open::CreateIfMissing);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }
    QString origin() const { return m_origin; }
    // Who makes the entries appended from now on (this PC and its user unless told otherwise).
    void setMaker(const QString& host, const QString& user);

    ArchiveFailure append(ArchiveEntry& entry) override;
    ArchiveFailure appendAll(std::vector<ArchiveEntry>& entries) override;
    ArchiveFailure query(const ArchiveQuery& query, std::vector<ArchiveEntry>& out) override;
    ArchiveFailure fetch(const EntryRef& ref, ArchiveEntry& out, bool& found) override;
    ArchiveFailure registerTests(const RegisterEach& each) override;
    // How many entries have an id up to `id`.
    ArchiveFailure countUpTo(qint64 id, qint64& count);

    // Sessions: appends go to the current one (0: none yet, begun on the first append).
    ArchiveFailure beginSession(qint64& session);
    void useSession(qint64 session) { m_session = session; }
    qint64 session() const { return m_session; }
    // Everything of the session up to entry `upTo` is in a bank file or was given up.
    ArchiveFailure settle(qint64 session, qint64 upTo);
    // The bank file a session opened or saved last (empty: none, the start-up bank).
    ArchiveFailure setSessionBank(qint64 session, const QString& path);
    ArchiveFailure sessionBank(qint64 session, QString& path);
    // The received, captured and notes entries of other sessions past their settled point, in
    // ascending id, each with its session.
    struct Unsettled {
        qint64 session = 0;
        ArchiveEntry entry;
    };
    ArchiveFailure unsettled(qint64 exceptSession, std::vector<Unsettled>& out);

    // Moves a damaged database (with its -wal and -shm files) aside to
    // "<path>.damaged-YYYYMMDD-HHMMSS"; returns the new name, empty when it could not be moved.
    static QString moveAside(const QString& path);

private:
    ArchiveFailure failure(int rc) const;
    ArchiveFailure exec(const char* sql);
    ArchiveFailure migrate();
    ArchiveFailure readOrigin();
    // The register's values of every entry that has none yet (an archive of an older schema).
    ArchiveFailure fillFacts();
    // Keeps the register's values of one entry; false when the statement failed (rc says why).
    bool insertFacts(qint64 id, qint64 timeMs, int memory, const QString& host,
                     const Record& record, int& rc);
    // Prepares `s` unless it already is (kept across calls with SQLITE_PREPARE_PERSISTENT).
    ArchiveFailure prepare(sqlite3_stmt*& s, const char* sql, unsigned flags = 0);
    // Runs a statement that returns no rows, its ?1, ?2... bound to `values`.
    ArchiveFailure run(const char* sql, std::initializer_list<qint64> values);

    sqlite3* m_db = nullptr;
    QString m_path;
    qint64 m_session = 0;
    QString m_origin;
    QString m_host = thisHost();
    QString m_user = thisUser();
    sqlite3_stmt* m_insertEntry = nullptr;
    sqlite3_stmt* m_insertNotes = nullptr;
    sqlite3_stmt* m_fetch = nullptr;
    sqlite3_stmt* m_insertFacts = nullptr;
};

} // namespace quillon
