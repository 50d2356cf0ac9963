#include "archive/ServerArchive.h"

#include "archive/ArchiveSearch.h"
#include "archive/RecordBlob.h"
#include "archive/RegisterReading.h"
#include "archive/SharedTexts.h"
#include "core/DefectRules.h"
#include "core/NoteLines.h"

#include <QByteArrayList>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <libpq-fe.h>

#include <memory>

namespace quillon
{

namespace
{
// Each step brings the server's schema from version i to i + 1 (quillon.about keeps it).
const char* const kMigrations[] = {
    // 1: the PCs, their entries with a full-text index over the note lines.
    "CREATE SCHEMA quillon;"
    "CREATE TABLE quillon.about(version integer NOT NULL);"
    "INSERT INTO quillon.about VALUES (0);"
    "CREATE TABLE quillon.origins(origin uuid PRIMARY KEY, host text NOT NULL,"
    "  first_seen timestamptz NOT NULL DEFAULT now());"
    "CREATE TABLE quillon.entries("
    "  origin uuid NOT NULL REFERENCES quillon.origins,"
    "  local_id bigint NOT NULL CHECK (local_id > 0),"
    "  time timestamptz NOT NULL,"
    "  kind text NOT NULL CHECK (kind IN ('received', 'captured', 'loaded', 'notes')),"
    "  memory smallint NOT NULL CHECK (memory BETWEEN 1 AND 200),"
    "  source text NOT NULL,"
    "  host text NOT NULL,"
    "  os_user text NOT NULL,"
    "  record bytea NOT NULL,"
    "  notes text[] NOT NULL CHECK (cardinality(notes) = 12),"
    "  note_words text NOT NULL,"
    "  notes_tsv tsvector GENERATED ALWAYS AS (to_tsvector('simple', note_words)) STORED,"
    "  PRIMARY KEY (origin, local_id));"
    "CREATE INDEX entries_notes ON quillon.entries USING gin (notes_tsv);"
    "CREATE INDEX entries_time ON quillon.entries (time DESC, origin DESC, local_id DESC);"
    "CREATE INDEX entries_memory ON quillon.entries"
    "  (memory, time DESC, origin DESC, local_id DESC);",
    // 2: beside each entry, what it says for the defect register (entryFacts), in a narrow
    // table of its own so that the register never reads the records. Filled for the entries
    // already there by ServerArchive::fillFacts in the same transaction.
    "CREATE TABLE quillon.entry_facts("
    "  origin uuid NOT NULL,"
    "  local_id bigint NOT NULL,"
    "  archived bigint NOT NULL,"
    "  test_key bytea NOT NULL,"
    "  location_key text NOT NULL,"
    "  class text NOT NULL,"
    "  severity smallint NOT NULL,"
    "  flaw_code text NOT NULL,"
    "  operator text NOT NULL,"
    "  previous_class text NOT NULL,"
    "  tested bigint NOT NULL,"
    "  date_from_archive boolean NOT NULL,"
    "  memory smallint NOT NULL,"
    "  host text NOT NULL,"
    "  PRIMARY KEY (origin, local_id),"
    "  FOREIGN KEY (origin, local_id) REFERENCES quillon.entries);"
    "CREATE INDEX entry_facts_by_test ON quillon.entry_facts"
    "  (test_key, archived DESC, origin DESC, local_id DESC);",
    // 3: the register's reading kept up to date by each upload (ServerArchive::summarise), so
    // that nothing groups the entries: one row per test, its latest entry's values dated by its
    // first entry (made here for the entries already there), and one row per location with what
    // the register lists, in the register's order (ServerArchive::fillSummary). The history is
    // the classes, oldest first.
    "CREATE INDEX entry_facts_first ON quillon.entry_facts (test_key, tested);"
    "CREATE TABLE quillon.test_summary("
    "  test_key bytea PRIMARY KEY,"
    "  origin uuid NOT NULL,"
    "  local_id bigint NOT NULL,"
    "  memory smallint NOT NULL,"
    "  host text NOT NULL,"
    "  location_key text NOT NULL,"
    "  class text NOT NULL,"
    "  severity smallint NOT NULL,"
    "  flaw_code text NOT NULL,"
    "  operator text NOT NULL,"
    "  previous_class text NOT NULL,"
    "  date_from_archive boolean NOT NULL,"
    "  first_tested bigint NOT NULL);"
    "CREATE INDEX test_summary_by_location ON quillon.test_summary (location_key);"
    "INSERT INTO quillon.test_summary SELECT DISTINCT ON (test_key) test_key, origin, local_id,"
    "  memory, host, location_key, class, severity, flaw_code, operator, previous_class,"
    "  date_from_archive, min(tested) OVER (PARTITION BY test_key) FROM quillon.entry_facts"
    "  ORDER BY test_key, archived DESC, origin DESC, local_id DESC;"
    "CREATE TABLE quillon.location_summary("
    "  location_key text PRIMARY KEY,"
    "  severity smallint NOT NULL,"
    "  last_tested bigint NOT NULL,"
    "  origin uuid NOT NULL,"
    "  entry bigint NOT NULL,"
    "  class text NOT NULL,"
    "  flaw_code text NOT NULL,"
    "  operator text NOT NULL,"
    "  previous_class text NOT NULL,"
    "  memory smallint NOT NULL,"
    "  host text NOT NULL,"
    "  date_from_archive boolean NOT NULL,"
    "  inspections integer NOT NULL,"
    "  first_tested bigint NOT NULL,"
    "  history text[] NOT NULL,"
    "  worsened boolean NOT NULL,"
    "  prev_mismatch boolean NOT NULL);"
    "CREATE INDEX location_summary_in_order ON quillon.location_summary"
    "  (severity DESC, last_tested DESC, entry DESC, location_key COLLATE \"C\");",
};
constexpr int kFactsVersion = 2;
constexpr int kSummaryVersion = 3;
static_assert(std::size(kMigrations) == ServerArchive::kSchemaVersion);

// The group roles and what they may do; run on every init, so that a role dropped or a right
// granted by hand is put right. No role a PC uses may change or remove an entry.
constexpr char kRoles[] =
    "DO $$ BEGIN"
    "  IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'quillon_upload') THEN"
    "    CREATE ROLE quillon_upload NOLOGIN; END IF;"
    "  IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'quillon_read') THEN"
    "    CREATE ROLE quillon_read NOLOGIN; END IF;"
    "END $$;"
    "REVOKE ALL ON ALL TABLES IN SCHEMA quillon FROM PUBLIC, quillon_upload, quillon_read;"
    "GRANT USAGE ON SCHEMA quillon TO quillon_upload, quillon_read;"
    "GRANT SELECT ON quillon.about TO quillon_upload, quillon_read;"
    "GRANT SELECT, INSERT ON quillon.entries, quillon.origins, quillon.entry_facts"
    "  TO quillon_upload;"
    "GRANT SELECT, INSERT, DELETE ON quillon.test_summary, quillon.location_summary"
    "  TO quillon_upload;"
    "GRANT SELECT ON quillon.entries, quillon.origins, quillon.entry_facts, quillon.test_summary,"
    "  quillon.location_summary TO quillon_read;";

// Held while the schema is made, so that two programs doing it at once take turns.
constexpr char kInitLock[] = "SELECT pg_advisory_xact_lock(4152009217)";

// Two uploads that touch the same test or the same location take turns in summing up its
// locations, so that the one that sums up last reads what the other wrote. Each holds its
// tests' locks (taken before its entries are written) and then its locations' (taken before
// they are read); each kind in one order, so that two uploads never wait on each other.
constexpr char kLockTests[] =
    "SELECT pg_advisory_xact_lock(415200922, h) FROM (SELECT DISTINCT hashtext(k) AS h"
    " FROM json_array_elements_text($1::json) k ORDER BY h) s";
// The tests named in $1 (a JSON list of hex keys) as one set.
#define QUILLON_TESTS_NAMED                                                                        \
    " (SELECT DISTINCT decode(k, 'hex') FROM json_array_elements_text($1::json) k)"
// The locations the tests named are at now, and those named in $2, each locked.
constexpr char kLockPlaces[] =
    "SELECT location_key, pg_advisory_xact_lock(415200923, h) FROM (SELECT DISTINCT location_key,"
    " hashtext(location_key) AS h FROM (SELECT location_key FROM quillon.test_summary"
    " WHERE test_key IN" QUILLON_TESTS_NAMED
    " UNION ALL SELECT json_array_elements_text($2::json)) p WHERE location_key <> ''"
    " ORDER BY h) s";
// Where the tests named are before their entries are written.
constexpr char kTestPlaces[] =
    "SELECT location_key FROM quillon.test_summary WHERE test_key IN" QUILLON_TESTS_NAMED;
// The rows of the tests named made anew from their entries: the latest entry (in the order the
// team archive keeps entries: time, origin, id) dated by the first.
constexpr char kDropTests[] =
    "DELETE FROM quillon.test_summary WHERE test_key IN" QUILLON_TESTS_NAMED;
constexpr char kPutTests[] =
    "INSERT INTO quillon.test_summary SELECT l.test_key, l.origin, l.local_id, l.memory, l.host,"
    " l.location_key, l.class, l.severity, l.flaw_code, l.operator, l.previous_class,"
    " l.date_from_archive, m.first FROM" QUILLON_TESTS_NAMED
    " t(key) CROSS JOIN LATERAL (SELECT * FROM quillon.entry_facts f WHERE f.test_key = t.key"
    " ORDER BY archived DESC, origin DESC, local_id DESC LIMIT 1) l"
    " CROSS JOIN LATERAL (SELECT min(tested) AS first FROM quillon.entry_facts f"
    " WHERE f.test_key = t.key) m";
#undef QUILLON_TESTS_NAMED

// Each test as the register reads it; kTestsAt: those at one of the locations named.
#define QUILLON_TESTS(where)                                                                       \
    "SELECT origin::text, local_id, memory, host, test_key, location_key, class, severity,"        \
    " flaw_code, operator, previous_class, date_from_archive, first_tested"                        \
    " FROM quillon.test_summary" where
constexpr char kAllTests[] = QUILLON_TESTS("");
constexpr char kTestsAt[] =
    QUILLON_TESTS(" WHERE location_key IN (SELECT json_array_elements_text($1::json))");
#undef QUILLON_TESTS

constexpr char kDropSummaries[] =
    "DELETE FROM quillon.location_summary"
    " WHERE location_key IN (SELECT json_array_elements_text($1::json))";
constexpr char kPutSummaries[] =
    "INSERT INTO quillon.location_summary"
    " SELECT * FROM json_populate_recordset(NULL::quillon.location_summary, $1::json)";
// The summaries written in one statement at most (filling a whole archive's).
constexpr int kSummariesAtOnce = 2000;

constexpr char kEntryColumns[] =
    "SELECT origin::text, local_id, (extract(epoch FROM time) * 1000)::bigint, kind, memory,"
    " source, host, os_user, record FROM quillon.entries";

// An entry and its register values; the count of rows it makes is the count of new entries.
constexpr char kInsertEntry[] =
    "WITH e AS (INSERT INTO quillon.entries(origin, local_id, time, kind, memory, source, host,"
    " os_user, record, notes, note_words) VALUES ($1::uuid, $2::bigint,"
    " to_timestamp($3::bigint / 1000.0), $4, $5::smallint, $6, $7, $8, $9::bytea, ARRAY[$10,"
    " $11, $12, $13, $14, $15, $16, $17, $18, $19, $20, $21], $22)"
    " ON CONFLICT (origin, local_id) DO NOTHING RETURNING origin, local_id)"
    " INSERT INTO quillon.entry_facts SELECT origin, local_id, $3::bigint, $23::bytea, $24, $25,"
    " $26::smallint, $27, $28, $29, $30::bigint, $31::boolean, $5::smallint, $7 FROM e";
constexpr char kInsertFacts[] =
    "INSERT INTO quillon.entry_facts VALUES ($1::uuid, $2::bigint, $3::bigint, $4::bytea, $5,"
    " $6, $7::smallint, $8, $9, $10, $11::bigint, $12::boolean, $13::smallint, $14)";
constexpr char kInsertOrigin[] = "INSERT INTO quillon.origins(origin, host) VALUES ($1::uuid, $2)"
                                 " ON CONFLICT (origin) DO NOTHING";

struct ResultDeleter {
    void operator()(PGresult* r) const { PQclear(r); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

// The values of one statement, each bound as text except those added as binary.
class Params
{
public:
    Params& text(const QString& value) { return add(value.toUtf8(), 0); }
    Params& number(qint64 value) { return add(QByteArray::number(value), 0); }
    Params& binary(const QByteArray& value) { return add(value, 1); }
    int count() const { return int(m_values.size()); }

private:
    template <class Call> auto bound(Call call) const
    {
        std::vector<const char*> values;
        std::vector<int> lengths;
        for (const QByteArray& v : m_values) {
            values.push_back(v.constData());
            lengths.push_back(int(v.size()));
        }
        return call(values.data(), lengths.data());
    }

public:
    Result exec(PGconn* conn, const char* sql) const
    {
        return Result(bound([&](const char* const* values, const int* lengths) {
            return PQexecParams(conn, sql, count(), nullptr, values, lengths, m_formats.data(), 0);
        }));
    }
    // Queued in a pipeline: its result is read later.
    bool sendPrepared(PGconn* conn, const char* name) const
    {
        return bound([&](const char* const* values, const int* lengths) {
            return PQsendQueryPrepared(conn, name, count(), values, lengths, m_formats.data(), 0);
        });
    }
    bool send(PGconn* conn, const char* sql) const
    {
        return bound([&](const char* const* values, const int* lengths) {
            return PQsendQueryParams(conn, sql, count(), nullptr, values, lengths, m_formats.data(),
                                     0);
        });
    }

private:
    Params& add(const QByteArray& value, int format)
    {
        m_values.push_back(value);
        m_formats.push_back(format);
        return *this;
    }
    QByteArrayList m_values;
    std::vector<int> m_formats;
};

bool ok(const Result& r)
{
    const ExecStatusType s = PQresultStatus(r.get());
    return s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK;
}

// A failed statement's kind, by its SQLSTATE (or the connection's state when it has none).
ArchiveFailure statementFailure(PGconn* conn, const PGresult* r)
{
    ArchiveFailure f{ArchiveFailure::Other, QString::fromUtf8(PQerrorMessage(conn)).trimmed()};
    const QByteArray state = r ? QByteArray(PQresultErrorField(r, PG_DIAG_SQLSTATE)) : QByteArray();
    if (r && PQresultErrorMessage(r)[0])
        f.text = QString::fromUtf8(PQresultErrorMessage(r)).trimmed();
    if (PQstatus(conn) != CONNECTION_OK || state.startsWith("08") || state.startsWith("57P"))
        f.kind = ArchiveFailure::Unreachable;
    else if (state.startsWith("28") || state == "42501")
        f.kind = ArchiveFailure::Refused;
    else if (state == "42P01" || state == "3F000" || state == "42703" || state == "42883")
        f.kind = ArchiveFailure::Incompatible;
    return f;
}

// A connection that did not come about: refused when the server answered and said no.
ArchiveFailure connectionFailure(PGconn* conn)
{
    const QString text = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
    static const char* const refusals[] = {"authentication failed", "pg_hba.conf",
                                           "does not exist",        "permission denied",
                                           "no password supplied",  "password is required"};
    for (const char* words : refusals)
        if (text.contains(QLatin1String(words), Qt::CaseInsensitive))
            return {ArchiveFailure::Refused, text};
    return {ArchiveFailure::Unreachable, text};
}

// Columns 0..8 as kEntryColumns names them.
void readEntry(const PGresult* r, int row, ArchiveEntry& e)
{
    const auto text = [&](int column) { return QString::fromUtf8(PQgetvalue(r, row, column)); };
    e.origin = text(0);
    e.id = QByteArray(PQgetvalue(r, row, 1)).toLongLong();
    e.timeMs = QByteArray(PQgetvalue(r, row, 2)).toLongLong();
    e.kind = kindFromName(text(3)).value_or(StoreKind::Received);
    e.memory = QByteArray(PQgetvalue(r, row, 4)).toInt();
    e.source = text(5);
    e.host = text(6);
    e.user = text(7);
    size_t size = 0;
    unsigned char* blob =
        PQunescapeBytea(reinterpret_cast<const unsigned char*>(PQgetvalue(r, row, 8)), &size);
    readRecordBlob(blob, qsizetype(size), e.record);
    PQfreemem(blob);
}

// The register values of an entry, as the statements above take them after its first ones.
void addFacts(Params& p, const EntryFacts& facts)
{
    p.binary(facts.testKey)
        .text(facts.locationKey)
        .text(facts.defectClass)
        .number(int(facts.severity))
        .text(facts.flawCode)
        .text(facts.operatorName)
        .text(facts.previousClass)
        .number(facts.testedMs)
        .text(facts.dateFromArchive ? QStringLiteral("t") : QStringLiteral("f"));
}

// A list of texts as one value for json_array_elements_text.
QString jsonList(const QStringList& texts)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(texts)).toJson(QJsonDocument::Compact));
}

// A location's summary row, its members named as the columns.
QJsonObject summaryRow(const DefectLocation& l)
{
    const RegisterTest& last = l.latest();
    return {{u"location_key"_qs, l.key},
            {u"severity"_qs, int(l.severity)},
            {u"last_tested"_qs, last.testedMs},
            {u"origin"_qs, last.origin},
            {u"entry"_qs, last.entry},
            {u"class"_qs, last.defectClass},
            {u"flaw_code"_qs, last.flawCode},
            {u"operator"_qs, last.operatorName},
            {u"previous_class"_qs, last.previousClass},
            {u"memory"_qs, last.memory},
            {u"host"_qs, last.host},
            {u"date_from_archive"_qs, last.dateFromArchive},
            {u"inspections"_qs, l.inspections},
            {u"first_tested"_qs, l.firstMs},
            {u"history"_qs, QJsonArray::fromStringList(l.history())},
            {u"worsened"_qs, l.worsened},
            {u"prev_mismatch"_qs, l.prevMismatch}};
}

const ArchiveFailure kNotOpen{ArchiveFailure::Unreachable,
                              QStringLiteral("not connected to the team archive")};
} // namespace

ServerArchive::~ServerArchive()
{
    close();
}

void ServerArchive::close()
{
    if (m_conn)
        PQfinish(m_conn);
    m_conn = nullptr;
    m_prepared = false;
}

bool ServerArchive::parseable(const QString& conninfo, QString* why)
{
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(conninfo.toUtf8().constData(), &error);
    if (options)
        PQconninfoFree(options);
    if (error && why)
        *why = QString::fromUtf8(error).trimmed();
    if (error)
        PQfreemem(error);
    return options != nullptr;
}

ArchiveFailure ServerArchive::connect(const QString& conninfo)
{
    close();
    // The connection string is expanded in place of dbname; what it says overrides the
    // defaults given before it.
    const QByteArray info = conninfo.toUtf8();
    const QByteArray timeout = QByteArray::number(qint64(kConnectTimeout.count()));
    const char* const keys[] = {"connect_timeout", "application_name", "dbname", nullptr};
    const char* const values[] = {timeout.constData(), "quillon", info.constData(), nullptr};
    m_conn = PQconnectdbParams(keys, values, 1);
    if (PQstatus(m_conn) == CONNECTION_OK)
        return {};
    const ArchiveFailure f =
        m_conn ? connectionFailure(m_conn)
               : ArchiveFailure{ArchiveFailure::Other, QStringLiteral("out of memory")};
    close();
    return f;
}

ArchiveFailure ServerArchive::open(const QString& conninfo)
{
    if (conninfo.trimmed().isEmpty())
        return {ArchiveFailure::Unreachable, QStringLiteral("no team archive is set")};
    if (ArchiveFailure f = connect(conninfo))
        return f;
    int version = 0;
    ArchiveFailure f = schemaVersion(version);
    if (!f && version == 0)
        f = {ArchiveFailure::Incompatible,
             QStringLiteral("no team archive in this database (quillon-cli server init makes it)")};
    if (!f && version > kSchemaVersion)
        f = {ArchiveFailure::Incompatible,
             QStringLiteral("the team archive was made by a newer program (schema %1)")
                 .arg(version)};
    if (!f && version < kSchemaVersion)
        f = {ArchiveFailure::Incompatible,
             QStringLiteral("the team archive is of an older schema (%1); quillon-cli server init "
                            "brings it up to date")
                 .arg(version)};
    if (f)
        close();
    return f;
}

bool ServerArchive::encrypted() const
{
    return m_conn && PQsslInUse(m_conn);
}

ArchiveFailure ServerArchive::exec(const char* sql)
{
    if (!m_conn)
        return kNotOpen;
    const Result r(PQexec(m_conn, sql));
    return ok(r) ? ArchiveFailure{} : statementFailure(m_conn, r.get());
}

ArchiveFailure ServerArchive::schemaVersion(int& version)
{
    if (!m_conn)
        return kNotOpen;
    version = 0;
    const Result there(PQexec(m_conn, "SELECT to_regclass('quillon.about') IS NOT NULL"));
    if (!ok(there))
        return statementFailure(m_conn, there.get());
    if (PQgetvalue(there.get(), 0, 0)[0] != 't')
        return {};
    const Result r(PQexec(m_conn, "SELECT max(version) FROM quillon.about"));
    if (!ok(r))
        return statementFailure(m_conn, r.get());
    version = QByteArray(PQgetvalue(r.get(), 0, 0)).toInt();
    return {};
}

ArchiveFailure ServerArchive::init()
{
    if (ArchiveFailure f = exec("BEGIN"))
        return f;
    int version = 0;
    ArchiveFailure f = exec(kInitLock);
    if (!f)
        f = schemaVersion(version);
    if (!f && version > kSchemaVersion)
        f = {ArchiveFailure::Incompatible,
             QStringLiteral("the team archive was made by a newer program (schema %1)")
                 .arg(version)};
    for (int v = version; !f && v < kSchemaVersion; ++v) {
        f = exec(kMigrations[v]);
        if (!f && v + 1 == kFactsVersion)
            f = fillFacts();
        if (!f && v + 1 == kSummaryVersion)
            f = fillSummary();
    }
    if (!f && version < kSchemaVersion) {
        const Result r = Params()
                             .number(kSchemaVersion)
                             .exec(m_conn, "UPDATE quillon.about SET version = $1::integer");
        if (!ok(r))
            f = statementFailure(m_conn, r.get());
    }
    if (!f)
        f = exec(kRoles);
    if (!f)
        f = exec("COMMIT");
    if (f)
        exec("ROLLBACK");
    return f;
}

ArchiveFailure ServerArchive::fillFacts()
{
    // A page at a time in key order, each past the last one seen.
    constexpr char kPage[] =
        "SELECT origin::text, local_id, (extract(epoch FROM time) * 1000)::bigint, memory, host,"
        " record FROM quillon.entries e WHERE (origin, local_id) > ($1::uuid, $2::bigint)"
        " AND NOT EXISTS (SELECT FROM quillon.entry_facts f WHERE f.origin = e.origin"
        " AND f.local_id = e.local_id) ORDER BY origin, local_id LIMIT 1000";
    QString lastOrigin = QStringLiteral("00000000-0000-0000-0000-000000000000");
    qint64 lastId = 0;
    for (;;) {
        const Result page = Params().text(lastOrigin).number(lastId).exec(m_conn, kPage);
        if (!ok(page))
            return statementFailure(m_conn, page.get());
        const int rows = PQntuples(page.get());
        if (rows == 0)
            return {};
        for (int row = 0; row < rows; ++row) {
            const auto value = [&](int column) { return PQgetvalue(page.get(), row, column); };
            size_t size = 0;
            unsigned char* blob =
                PQunescapeBytea(reinterpret_cast<const unsigned char*>(value(5)), &size);
            Record record{};
            readRecordBlob(blob, qsizetype(size), record);
            PQfreemem(blob);
            lastOrigin = QString::fromUtf8(value(0));
            lastId = QByteArray(value(1)).toLongLong();
            const qint64 archived = QByteArray(value(2)).toLongLong();
            Params p;
            p.text(lastOrigin).number(lastId).number(archived);
            addFacts(p, entryFacts(record, archived));
            p.number(QByteArray(value(3)).toInt()).text(QString::fromUtf8(value(4)));
            const Result r = p.exec(m_conn, kInsertFacts);
            if (!ok(r))
                return statementFailure(m_conn, r.get());
        }
    }
}

ArchiveFailure ServerArchive::append(ArchiveEntry&)
{
    return {ArchiveFailure::Refused,
            QStringLiteral("the team archive takes entries only from a PC's own archive")};
}

ArchiveFailure ServerArchive::appendAll(std::vector<ArchiveEntry>&)
{
    ArchiveEntry none;
    return append(none);
}

ArchiveFailure ServerArchive::query(const ArchiveQuery& q, std::vector<ArchiveEntry>& out)
{
    out.clear();
    if (!m_conn)
        return kNotOpen;
    Params params;
    QByteArray sql = QByteArray(kEntryColumns) + " WHERE true";
    const auto next = [&] { return "$" + QByteArray::number(params.count()); };
    // Each term a phrase of its own: what was typed is never read as query syntax.
    for (const QString& term : archiveSearchTerms(q.search)) {
        params.text(term);
        sql += " AND notes_tsv @@ phraseto_tsquery('simple', " + next() + ")";
    }
    if (q.memory) {
        params.number(*q.memory);
        sql += " AND memory = " + next() + "::smallint";
    }
    if (q.sinceMs) {
        params.number(*q.sinceMs);
        sql += " AND time >= to_timestamp(" + next() + "::bigint / 1000.0)";
    }
    if (q.untilMs) {
        params.number(*q.untilMs);
        sql += " AND time < to_timestamp(" + next() + "::bigint / 1000.0)";
    }
    if (q.beyondId > 0) {
        params.number(q.beyondTimeMs);
        sql += QByteArray(" AND (time, origin, local_id) ") + (q.newestFirst ? "<" : ">") +
               " (to_timestamp(" + next() + "::bigint / 1000.0), ";
        params.text(q.beyondOrigin);
        sql += next() + "::uuid, ";
        params.number(q.beyondId);
        sql += next() + "::bigint)";
    }
    const QByteArray order = q.newestFirst ? " DESC" : " ASC";
    sql += " ORDER BY time" + order + ", origin" + order + ", local_id" + order;
    if (q.limit > 0) {
        params.number(q.limit);
        sql += " LIMIT " + next() + "::integer";
    }
    const Result r = params.exec(m_conn, sql.constData());
    if (!ok(r))
        return statementFailure(m_conn, r.get());
    const int rows = PQntuples(r.get());
    out.resize(size_t(rows));
    for (int row = 0; row < rows; ++row)
        readEntry(r.get(), row, out[size_t(row)]);
    return {};
}

ArchiveFailure ServerArchive::fetch(const EntryRef& ref, ArchiveEntry& out, bool& found)
{
    found = false;
    if (!m_conn)
        return kNotOpen;
    // A team archive holds many origins: a bare id names none of them.
    if (ref.origin.isEmpty())
        return {};
    const Result r = Params()
                         .text(ref.origin)
                         .number(ref.id)
                         .exec(m_conn, (QByteArray(kEntryColumns) +
                                        " WHERE origin = $1::uuid AND local_id = $2::bigint")
                                           .constData());
    if (!ok(r))
        return statementFailure(m_conn, r.get());
    found = PQntuples(r.get()) == 1;
    if (found)
        readEntry(r.get(), 0, out);
    return {};
}

namespace
{
// The rows of kAllTests or kTestsAt, each handed to `each`.
ArchiveFailure testsRead(PGconn* conn, const Result& r, const ArchiveStore::RegisterEach& each)
{
    if (!ok(r))
        return statementFailure(conn, r.get());
    SharedTexts texts;
    const int rows = PQntuples(r.get());
    for (int row = 0; row < rows; ++row) {
        const auto value = [&](int column) { return PQgetvalue(r.get(), row, column); };
        const auto text = [&](int column) {
            return texts.text(value(column), PQgetlength(r.get(), row, column));
        };
        RegisterEntry e;
        e.origin = text(0);
        e.entry = QByteArray(value(1)).toLongLong();
        e.memory = QByteArray(value(2)).toInt();
        e.host = text(3);
        EntryFacts& facts = e.facts;
        facts.testKey = QByteArray(value(4), PQgetlength(r.get(), row, 4)); // as hex: a key only
        facts.locationKey = text(5);
        facts.defectClass = text(6);
        facts.severity = DefectSeverity(QByteArray(value(7)).toInt());
        facts.flawCode = text(8);
        facts.operatorName = text(9);
        facts.previousClass = text(10);
        facts.dateFromArchive = value(11)[0] == 't';
        facts.testedMs = QByteArray(value(12)).toLongLong();
        each(std::move(e));
    }
    return {};
}
} // namespace

ArchiveFailure ServerArchive::registerTests(const RegisterEach& each)
{
    if (!m_conn)
        return kNotOpen;
    return testsRead(m_conn, Result(PQexec(m_conn, kAllTests)), each);
}

ArchiveFailure ServerArchive::testsAt(const QStringList& locationKeys, DefectRegister& reg)
{
    return testsRead(m_conn, Params().text(jsonList(locationKeys)).exec(m_conn, kTestsAt),
                     [&reg](RegisterEntry&& e) { reg.add(std::move(e)); });
}

ArchiveFailure ServerArchive::putSummaries(const QStringList& locationKeys,
                                           const std::vector<DefectLocation>& locations)
{
    if (!locationKeys.isEmpty()) {
        const Result r = Params().text(jsonList(locationKeys)).exec(m_conn, kDropSummaries);
        if (!ok(r))
            return statementFailure(m_conn, r.get());
    }
    for (size_t from = 0; from < locations.size(); from += kSummariesAtOnce) {
        QJsonArray rows;
        for (size_t i = from; i < std::min(locations.size(), from + kSummariesAtOnce); ++i)
            rows.append(summaryRow(locations[i]));
        const Result r =
            Params()
                .text(QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact)))
                .exec(m_conn, kPutSummaries);
        if (!ok(r))
            return statementFailure(m_conn, r.get());
    }
    return {};
}

ArchiveFailure ServerArchive::fillSummary()
{
    DefectRegister reg;
    if (ArchiveFailure f = readRegister(*this, reg))
        return f;
    return putSummaries({}, reg.locations());
}

ArchiveFailure ServerArchive::summarise(const QString& tests, const QStringList& wereAt)
{
    // The locations the tests are at now, and those they were at before.
    const Result places = Params().text(tests).text(jsonList(wereAt)).exec(m_conn, kLockPlaces);
    if (!ok(places))
        return statementFailure(m_conn, places.get());
    QStringList touched;
    for (int row = 0; row < PQntuples(places.get()); ++row)
        touched.append(QString::fromUtf8(PQgetvalue(places.get(), row, 0)));
    if (touched.isEmpty())
        return {};
    // Their tests: the register's rules make each location's row from them.
    DefectRegister reg;
    if (ArchiveFailure f = testsAt(touched, reg))
        return f;
    return putSummaries(touched, reg.locations());
}

ArchiveFailure ServerArchive::registerLocations(std::vector<DefectLocation>& out, int limit)
{
    out.clear();
    if (!m_conn)
        return kNotOpen;
    const Result r =
        Params()
            .number(limit > 0 ? limit : std::numeric_limits<int>::max())
            .exec(m_conn,
                  "SELECT location_key, severity, last_tested, origin::text, entry, class,"
                  " flaw_code, operator, previous_class, memory, host, date_from_archive,"
                  " inspections, first_tested, array_to_json(history), worsened, prev_mismatch"
                  " FROM quillon.location_summary ORDER BY severity DESC, last_tested DESC,"
                  " entry DESC, location_key COLLATE \"C\" LIMIT $1::integer");
    if (!ok(r))
        return statementFailure(m_conn, r.get());
    SharedTexts texts;
    SharedHistories histories;
    const int rows = PQntuples(r.get());
    out.reserve(size_t(rows));
    for (int row = 0; row < rows; ++row) {
        const auto value = [&](int column) { return PQgetvalue(r.get(), row, column); };
        const auto text = [&](int column) {
            return texts.text(value(column), PQgetlength(r.get(), row, column));
        };
        const auto number = [&](int column) { return QByteArray(value(column)).toLongLong(); };
        DefectLocation& l = out.emplace_back();
        l.setKey(QString::fromUtf8(value(0), PQgetlength(r.get(), row, 0)));
        l.severity = DefectSeverity(number(1));
        RegisterTest& last = l.last;
        last.testedMs = number(2);
        last.origin = text(3);
        last.entry = number(4);
        last.defectClass = text(5);
        last.flawCode = text(6);
        last.operatorName = text(7);
        last.previousClass = text(8);
        last.memory = int(number(9));
        last.host = text(10);
        last.dateFromArchive = value(11)[0] == 't';
        l.inspections = int(number(12));
        l.firstMs = number(13);
        l.classes = histories.history(value(14), PQgetlength(r.get(), row, 14));
        l.worsened = value(15)[0] == 't';
        l.prevMismatch = value(16)[0] == 't';
    }
    return {};
}

ArchiveFailure ServerArchive::locationTests(const QString& locationKey,
                                            std::vector<RegisterTest>& out)
{
    out.clear();
    if (!m_conn)
        return kNotOpen;
    DefectRegister reg;
    if (ArchiveFailure f = testsAt({locationKey}, reg))
        return f;
    if (std::optional<DefectLocation> l = reg.location(locationKey))
        out = std::move(l->tests);
    return {};
}

ArchiveFailure ServerArchive::highWater(const QString& origin, qint64& id)
{
    if (!m_conn)
        return kNotOpen;
    const Result r = Params().text(origin).exec(
        m_conn, "SELECT coalesce(max(local_id), 0) FROM quillon.entries WHERE origin = $1::uuid");
    if (!ok(r))
        return statementFailure(m_conn, r.get());
    id = QByteArray(PQgetvalue(r.get(), 0, 0)).toLongLong();
    return {};
}

ArchiveFailure ServerArchive::upload(const std::vector<ArchiveEntry>& batch, qint64& added,
                                     const std::function<void(size_t)>& afterEach)
{
    added = 0;
    if (!m_conn)
        return kNotOpen;
    if (!m_prepared) {
        const Result r(PQprepare(m_conn, "quillon_insert", kInsertEntry, 0, nullptr));
        if (!ok(r))
            return statementFailure(m_conn, r.get());
        m_prepared = true;
    }
    // The batch's entries go out as one pipeline: one round trip for all their statements. What
    // each statement sent is tells what its result is for.
    if (PQenterPipelineMode(m_conn) != 1)
        return statementFailure(m_conn, nullptr);
    // Its tests are locked before their entries are written (see kLockTests).
    QStringList testKeys;
    std::vector<EntryFacts> facts;
    for (const ArchiveEntry& e : batch) {
        facts.push_back(entryFacts(e.record, e.timeMs));
        testKeys.append(QString::fromLatin1(facts.back().testKey.toHex()));
    }
    enum class Sent { Other, Entry, TestPlaces };
    std::vector<Sent> statements;
    const QString tests = jsonList(testKeys);
    bool sent = Params().send(m_conn, "BEGIN") && Params().text(tests).send(m_conn, kLockTests) &&
                Params().text(tests).send(m_conn, kTestPlaces);
    statements.insert(statements.end(), {Sent::Other, Sent::Other, Sent::TestPlaces});
    QString lastOrigin;
    for (size_t i = 0; sent && i < batch.size(); ++i) {
        const ArchiveEntry& e = batch[i];
        if (e.origin != lastOrigin) {
            sent = Params().text(e.origin).text(e.host).send(m_conn, kInsertOrigin);
            statements.push_back(Sent::Other);
            lastOrigin = e.origin;
        }
        Params p;
        p.text(e.origin)
            .number(e.id)
            .number(e.timeMs)
            .text(kindName(e.kind))
            .number(e.memory)
            .text(e.source)
            .text(e.host)
            .text(e.user)
            .binary(recordBlob(e.record));
        for (const QString& line : noteTexts(e.record))
            p.text(line);
        p.text(archiveIndexWords(noteIndexText(e.record)));
        addFacts(p, facts[i]);
        sent = sent && p.sendPrepared(m_conn, "quillon_insert");
        statements.push_back(Sent::Entry);
        if (afterEach)
            afterEach(i);
    }
    // Its tests' rows made anew; committed once the locations it touched are summed up.
    sent = sent && Params().text(tests).send(m_conn, kDropTests) &&
           Params().text(tests).send(m_conn, kPutTests) && PQpipelineSync(m_conn) == 1;
    statements.insert(statements.end(), 2, Sent::Other);
    QStringList wereAt; // where its tests were before
    ArchiveFailure f = sent ? ArchiveFailure{} : statementFailure(m_conn, nullptr);
    // Every statement's result, then the sync's. After a failure the rest are aborted.
    for (size_t q = 0; sent && q < statements.size(); ++q) {
        const Result r(PQgetResult(m_conn));
        if (!r) {
            f = statementFailure(m_conn, nullptr);
            break;
        }
        if (PQresultStatus(r.get()) == PGRES_PIPELINE_ABORTED) {
            // not run, after a failure already kept
        } else if (!ok(r)) {
            if (!f)
                f = statementFailure(m_conn, r.get());
        } else if (statements[q] == Sent::Entry) {
            added += QByteArray(PQcmdTuples(r.get())).toLongLong();
        } else if (statements[q] == Sent::TestPlaces) {
            for (int row = 0; row < PQntuples(r.get()); ++row)
                wereAt.append(QString::fromUtf8(PQgetvalue(r.get(), row, 0)));
        }
        PQclear(PQgetResult(m_conn)); // the end of this statement's results
    }
    while (sent && PQstatus(m_conn) == CONNECTION_OK) {
        const Result r(PQgetResult(m_conn));
        if (!r || PQresultStatus(r.get()) == PGRES_PIPELINE_SYNC)
            break;
    }
    if (PQexitPipelineMode(m_conn) != 1) {
        // Results still pending on a broken connection: it is given up.
        if (!f)
            f = statementFailure(m_conn, nullptr);
        f.kind = ArchiveFailure::Unreachable;
        close();
    } else {
        if (!f)
            f = summarise(tests, wereAt);
        if (!f)
            f = exec("COMMIT");
        if (f)
            exec("ROLLBACK");
    }
    if (f)
        added = 0;
    return f;
}

} // namespace quillon
