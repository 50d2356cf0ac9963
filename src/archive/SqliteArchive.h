#pragma once

#include "archive/ArchiveStore.h"
#include "archive/ThisPc.h"

#include <QString>

#include <initializer_list>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace quillon
{

// The archive in one SQLite database file: WAL, every commit synced (synchronous=FULL), a busy
// timeout so that two running programs can share the file, an append-only table of entries and
// a full-text index over their note lines, and beside each entry the values the defect register
// reads (entryFacts), and one row per location with what the register lists (kept with each
// append), so that the register is one query over that summary. PRAGMA
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
    static constexpr int kSchemaVersion = 5;

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
    ArchiveFailure registerLocations(std::vector<DefectLocation>& out, int limit = 0) override;
    ArchiveFailure locationTests(const QString& locationKey,
                                 std::vector<RegisterTest>& out) override;
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
    bool insertFacts(qint64 id, int memory, const QString& host, const EntryFacts& facts, int& rc);
    // Where the test's latest entry so far puts it (empty: nowhere, or a new test).
    bool testLocation(const QByteArray& testKey, QString& locationKey, int& rc);
    // One location as the register's rules make it from the entries of its tests, tests
    // included; none when no test is there.
    bool locationFromFacts(const QString& locationKey, std::optional<DefectLocation>& out, int& rc);
    // The location's summary row made anew from its entries (removed when no test is left).
    bool summarise(const QString& locationKey, int& rc);
    bool putSummary(const DefectLocation& location, int& rc);
    // The summary of every location (an archive of an older schema).
    ArchiveFailure fillSummary();
    // Prepares `s` unless it already is (kept across calls with SQLITE_PREPARE_PERSISTENT).
    ArchiveFailure prepare(sqlite3_stmt*& s, const char* sql, unsigned flags = 0);
    // The same for the steps of an append (kept prepared); false with `rc` when it failed.
    bool prepared(sqlite3_stmt*& s, const char* sql, int& rc);
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
    sqlite3_stmt* m_testLocation = nullptr;
    sqlite3_stmt* m_locationFacts = nullptr;
    sqlite3_stmt* m_putSummary = nullptr;
    sqlite3_stmt* m_dropSummary = nullptr;
};

} // namespace quillon
