#pragma once

#include "archive/ArchiveStore.h"
#include "core/DefectRegister.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <vector>

struct pg_conn;

namespace quillon
{

// The team archive on a PostgreSQL server (libpq): every PC's entries in `quillon.entries`, keyed
// by origin and local id, searched the way the local archive is; beside each entry, in
// `quillon.entry_facts`, the values the defect register reads, sent with it; in
// `quillon.test_summary` and `quillon.location_summary`, the register's row of each test and of
// each location, brought up to date by the upload that touches them. A PC only ever adds entries
// (INSERT ... ON CONFLICT DO NOTHING, so that a batch sent twice adds nothing); no call changes or
// removes one. Every statement binds its values. Calls wait on the network: never make them on the
// GUI thread.
class ServerArchive : public ArchiveStore
{
public:
    static constexpr int kSchemaVersion = 3;
    // How long a connection attempt may take, unless the connection string says otherwise.
    static constexpr std::chrono::seconds kConnectTimeout{10};

    ServerArchive() = default;
    ~ServerArchive() override;
    ServerArchive(const ServerArchive&) = delete;
    ServerArchive& operator=(const ServerArchive&) = delete;

    // Whether libpq can read `conninfo` (key=value pairs or a URI); the reason when not.
    static bool parseable(const QString& conninfo, QString* why);

    // Connects and checks that the team archive's tables are there, of a version this program
    // reads. An empty connection string names no team archive (it is not libpq's defaults).
    ArchiveFailure open(const QString& conninfo);
    // Connects without looking at the tables (to make them).
    ArchiveFailure connect(const QString& conninfo);
    void close();
    bool isOpen() const { return m_conn != nullptr; }
    // Whether the connection is encrypted (TLS).
    bool encrypted() const;

    // Makes the schema, its tables and the two group roles, or brings them up to this version;
    // in one transaction, and nothing changes when they are already current.
    ArchiveFailure init();

    // The team archive only takes entries uploaded from a PC's own archive: refused.
    ArchiveFailure append(ArchiveEntry& entry) override;
    ArchiveFailure appendAll(std::vector<ArchiveEntry>& entries) override;
    ArchiveFailure query(const ArchiveQuery& query, std::vector<ArchiveEntry>& out) override;
    ArchiveFailure fetch(const EntryRef& ref, ArchiveEntry& out, bool& found) override;
    ArchiveFailure registerTests(const RegisterEach& each) override;
    ArchiveFailure registerLocations(std::vector<DefectLocation>& out, int limit = 0) override;
    ArchiveFailure locationTests(const QString& locationKey,
                                 std::vector<RegisterTest>& out) override;

    // The highest id of `origin` the server holds, 0 for none.
    ArchiveFailure highWater(const QString& origin, qint64& id);
    // Adds entries as they are (origin, id, time, maker), in one transaction; entries the server
    // already holds are skipped. `added` says how many were new. `afterEach` (for tests) runs
    // after each entry is sent, inside the transaction.
    ArchiveFailure upload(const std::vector<ArchiveEntry>& batch, qint64& added,
                          const std::function<void(size_t)>& afterEach = {});

private:
    ArchiveFailure schemaVersion(int& version);
    // The register's values of every entry that has none yet (sent by a program of an older
    // schema), made here from the records.
    ArchiveFailure fillFacts();
    // Every location's summary, made from the entries already there.
    ArchiveFailure fillSummary();
    // Inside an upload's transaction, its tests' rows made anew: the summaries of the locations
    // the tests (a JSON list of hex keys) are at and of those they were at before, made anew.
    ArchiveFailure summarise(const QString& tests, const QStringList& wereAt);
    // Every test at one of the locations.
    ArchiveFailure testsAt(const QStringList& locationKeys, DefectRegister& reg);
    // Removes the summaries of `locationKeys` and writes those of `locations`.
    ArchiveFailure putSummaries(const QStringList& locationKeys,
                                const std::vector<DefectLocation>& locations);
    ArchiveFailure exec(const char* sql);

    pg_conn* m_conn = nullptr;
    bool m_prepared = false;
};

} // namespace quillon
