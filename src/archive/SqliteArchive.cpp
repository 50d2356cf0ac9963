#include "archive/SqliteArchive.h"

#include "archive/ArchiveSearch.h"
#include "archive/RecordBlob.h"
#include "archive/RegisterReading.h"
#include "archive/SharedTexts.h"
#include "core/DefectRegister.h"
#include "core/DefectRules.h"

#include <QDateTime>
#include <QFile>
#include <QSet>
#include <QStringList>

#include <algorithm>

#include <sqlite3.h>

namespace quillon
{

namespace
{
// Each step brings the schema from version i to i + 1.
const char* const kMigrations[] = {
    // 1: entries, the index over their note lines, and the journal's sessions.
    "CREATE TABLE sessions(id INTEGER PRIMARY KEY, started INTEGER NOT NULL,"
    "  settled_up_to INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE entries(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, kind TEXT NOT NULL,"
    "  memory INTEGER NOT NULL, source TEXT NOT NULL, session INTEGER NOT NULL,"
    "  record BLOB NOT NULL);"
    "CREATE INDEX entries_by_memory ON entries(memory, id);"
    "CREATE INDEX entries_by_session ON entries(session, id);"
    "CREATE INDEX entries_by_time ON entries(time);"
    "CREATE TRIGGER entries_kept_update BEFORE UPDATE ON entries"
    "  BEGIN SELECT RAISE(ABORT, 'archive entries are never changed'); END;"
    "CREATE TRIGGER entries_kept_delete BEFORE DELETE ON entries"
    "  BEGIN SELECT RAISE(ABORT, 'archive entries are never removed'); END;"
    "CREATE VIRTUAL TABLE entry_notes USING fts5(lines, content='', columnsize=0,"
    "  tokenize='unicode61');",
    // 2: the archive's origin (a random UUID, made once), and who made each entry where.
    "CREATE TABLE archive(origin TEXT NOT NULL);"
    "INSERT INTO archive(origin) SELECT lower(substr(h, 1, 8) || '-' || substr(h, 9, 4) || '-4'"
    "  || substr(h, 14, 3) || '-' || substr('89ab', 1 + (abs(random()) % 4), 1)"
    "  || substr(h, 18, 3) || '-' || substr(h, 21, 12)) FROM (SELECT hex(randomblob(16)) AS h);"
    "CREATE TRIGGER archive_kept_update BEFORE UPDATE ON archive"
    "  BEGIN SELECT RAISE(ABORT, 'the archive origin is never changed'); END;"
    "ALTER TABLE entries ADD COLUMN host TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE entries ADD COLUMN os_user TEXT NOT NULL DEFAULT '';",
    // 3: the bank file each session opened or saved last, which its unsaved work went on top of.
    "ALTER TABLE sessions ADD COLUMN bank TEXT NOT NULL DEFAULT '';",
    // 4: beside each entry, what it says for the defect register (its test, location, class...),
    // kept in test order so that the register reads one narrow table front to back. The entries
    // already there are given theirs in the same step (SqliteArchive::fillFacts).
    "CREATE TABLE entry_facts(test_key BLOB NOT NULL, id INTEGER NOT NULL,"
    "  location_key TEXT NOT NULL, class TEXT NOT NULL, severity INTEGER NOT NULL,"
    "  flaw_code TEXT NOT NULL, operator TEXT NOT NULL, previous_class TEXT NOT NULL,"
    "  tested INTEGER NOT NULL, date_from_archive INTEGER NOT NULL, memory INTEGER NOT NULL,"
    "  host TEXT NOT NULL, PRIMARY KEY(test_key, id)) WITHOUT ROWID;",
    // 5: one row per location with what the register lists, in the register's order, kept up
    // to date with each append; the locations already there are summed up in the same step
    // (SqliteArchive::fillSummary). The entries of a location are found through its key.
    "CREATE INDEX entry_facts_by_location ON entry_facts(location_key);"
    "CREATE TABLE location_summary(location_key TEXT PRIMARY KEY, severity INTEGER NOT NULL,"
    "  last_tested INTEGER NOT NULL, entry INTEGER NOT NULL, class TEXT NOT NULL,"
    "  flaw_code TEXT NOT NULL, operator TEXT NOT NULL, previous_class TEXT NOT NULL,"
    "  memory INTEGER NOT NULL, host TEXT NOT NULL, date_from_archive INTEGER NOT NULL,"
    "  inspections INTEGER NOT NULL, first_tested INTEGER NOT NULL, history TEXT NOT NULL,"
    "  worsened INTEGER NOT NULL, prev_mismatch INTEGER NOT NULL) WITHOUT ROWID;"
    "CREATE INDEX location_summary_in_order ON location_summary(severity DESC,"
    "  last_tested DESC, entry DESC, location_key);",
};
constexpr int kFactsVersion = 4;
constexpr int kSummaryVersion = 5;
static_assert(std::size(kMigrations) == SqliteArchive::kSchemaVersion);

void bindText(sqlite3_stmt* s, int n, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(s, n, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

QString columnText(sqlite3_stmt* s, int n)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, n)),
                             sqlite3_column_bytes(s, n));
}

// Columns 0..7: id, time, kind, memory, source, record, host, os_user.
void readEntry(sqlite3_stmt* s, const QString& origin, ArchiveEntry& e)
{
    e.id = sqlite3_column_int64(s, 0);
    e.timeMs = sqlite3_column_int64(s, 1);
    e.kind = kindFromName(columnText(s, 2)).value_or(StoreKind::Received);
    e.memory = sqlite3_column_int(s, 3);
    e.source = columnText(s, 4);
    readRecordBlob(sqlite3_column_blob(s, 5), sqlite3_column_bytes(s, 5), e.record);
    e.host = columnText(s, 6);
    e.user = columnText(s, 7);
    e.origin = origin;
}

// Columns 0..11 of an entry_facts row (or of a test grouped from them): id, test_key,
// location_key, class, severity, flaw_code, operator, previous_class, date_from_archive, memory,
// host, tested.
QString sharedText(sqlite3_stmt* s, int n, SharedTexts& texts)
{
    return texts.text(reinterpret_cast<const char*>(sqlite3_column_text(s, n)),
                      sqlite3_column_bytes(s, n));
}

RegisterEntry readFacts(sqlite3_stmt* s, SharedTexts& texts)
{
    const auto text = [&](int n) { return sharedText(s, n, texts); };
    RegisterEntry e;
    e.entry = sqlite3_column_int64(s, 0);
    EntryFacts& facts = e.facts;
    facts.testKey =
        QByteArray(static_cast<const char*>(sqlite3_column_blob(s, 1)), sqlite3_column_bytes(s, 1));
    facts.locationKey = text(2);
    facts.defectClass = text(3);
    facts.severity = DefectSeverity(sqlite3_column_int(s, 4));
    facts.flawCode = text(5);
    facts.operatorName = text(6);
    facts.previousClass = text(7);
    facts.dateFromArchive = sqlite3_column_int(s, 8) != 0;
    e.memory = sqlite3_column_int(s, 9);
    e.host = text(10);
    facts.testedMs = sqlite3_column_int64(s, 11);
    return e;
}

// Runs a kept statement that returns no rows and makes it ready for the next values.
bool stepDone(sqlite3_stmt* s, int& rc)
{
    rc = sqlite3_step(s);
    sqlite3_reset(s);
    return rc == SQLITE_DONE;
}

constexpr char kEntryColumns[] =
    "SELECT e.id, e.time, e.kind, e.memory, e.source, e.record, e.host, e.os_user";

struct Statement {
    sqlite3_stmt* s = nullptr;
    ~Statement() { sqlite3_finalize(s); }
};

// PRAGMA user_version, or -1 when it cannot be read (`rc` says why).
int userVersion(sqlite3* db, int& rc)
{
    Statement s;
    rc = sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &s.s, nullptr);
    if (rc != SQLITE_OK || (rc = sqlite3_step(s.s)) != SQLITE_ROW)
        return -1;
    return sqlite3_column_int(s.s, 0);
}

const ArchiveFailure kNotOpen{ArchiveFailure::Other, QStringLiteral("the archive is not open")};
} // namespace

SqliteArchive::~SqliteArchive()
{
    close();
}

void SqliteArchive::close()
{
    for (sqlite3_stmt** s : {&m_insertEntry, &m_insertNotes, &m_fetch, &m_insertFacts,
                             &m_testLocation, &m_locationFacts, &m_putSummary, &m_dropSummary}) {
        sqlite3_finalize(*s);
        *s = nullptr;
    }
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_session = 0;
}

ArchiveFailure SqliteArchive::failure(int rc) const
{
    ArchiveFailure f;
    f.text = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(rc));
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        f.kind = ArchiveFailure::Damaged;
        break;
    case SQLITE_READONLY:
    case SQLITE_FULL:
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
    case SQLITE_PERM:
        f.kind = ArchiveFailure::Unwritable;
        break;
    default:
        f.kind = ArchiveFailure::Other;
    }
    return f;
}

ArchiveFailure SqliteArchive::exec(const char* sql)
{
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? ArchiveFailure{} : failure(rc);
}

ArchiveFailure SqliteArchive::prepare(sqlite3_stmt*& s, const char* sql, unsigned flags)
{
    if (!m_db)
        return kNotOpen;
    const int rc = s ? SQLITE_OK : sqlite3_prepare_v3(m_db, sql, -1, flags, &s, nullptr);
    return rc == SQLITE_OK ? ArchiveFailure{} : failure(rc);
}

bool SqliteArchive::prepared(sqlite3_stmt*& s, const char* sql, int& rc)
{
    if (!prepare(s, sql, SQLITE_PREPARE_PERSISTENT))
        return true;
    rc = m_db ? sqlite3_errcode(m_db) : SQLITE_MISUSE;
    return false;
}

ArchiveFailure SqliteArchive::run(const char* sql, std::initializer_list<qint64> values)
{
    Statement s;
    if (ArchiveFailure f = prepare(s.s, sql))
        return f;
    int n = 0;
    for (const qint64 value : values)
        sqlite3_bind_int64(s.s, ++n, value);
    const int rc = sqlite3_step(s.s);
    return rc == SQLITE_DONE ? ArchiveFailure{} : failure(rc);
}

ArchiveFailure SqliteArchive::open(const QString& path, Open mode)
{
    close();
    m_path = path;
    if (mode == Open::ExistingOnly && !QFile::exists(path))
        return {ArchiveFailure::Other, QStringLiteral("no such archive")};
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX |
                      (mode == Open::CreateIfMissing ? SQLITE_OPEN_CREATE : 0);
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const ArchiveFailure f = failure(rc);
        close();
        return f;
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 10000);
    // The first statement reads the file: a file that is no database fails here.
    ArchiveFailure f = exec("PRAGMA journal_mode=WAL");
    if (!f)
        f = exec("PRAGMA synchronous=FULL");
    if (!f)
        f = migrate();
    if (!f)
        f = readOrigin();
    if (f)
        close();
    return f;
}

ArchiveFailure SqliteArchive::readOrigin()
{
    Statement s;
    if (ArchiveFailure f = prepare(s.s, "SELECT origin FROM archive"))
        return f;
    const int rc = sqlite3_step(s.s);
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? ArchiveFailure{ArchiveFailure::Damaged,
                                                  QStringLiteral("the archive has no origin")}
                                 : failure(rc);
    m_origin = columnText(s.s, 0);
    return {};
}

void SqliteArchive::setMaker(const QString& host, const QString& user)
{
    m_host = host;
    m_user = user;
}

ArchiveFailure SqliteArchive::migrate()
{
    int rc = SQLITE_OK;
    const int version = userVersion(m_db, rc);
    if (version < 0)
        return failure(rc);
    if (version > kSchemaVersion)
        return {ArchiveFailure::Other,
                QStringLiteral("the archive was made by a newer program (schema %1)").arg(version)};
    for (int v = version; v < kSchemaVersion; ++v) {
        if (ArchiveFailure f = exec("BEGIN IMMEDIATE"))
            return f;
        // Another program may have brought it up to date while this one waited.
        const int now = userVersion(m_db, rc);
        if (now > v) {
            exec("COMMIT");
            v = now - 1;
            continue;
        }
        ArchiveFailure f = exec(kMigrations[v]);
        if (!f && v + 1 == kFactsVersion)
            f = fillFacts();
        if (!f && v + 1 == kSummaryVersion)
            f = fillSummary();
        if (!f)
            f = exec(QByteArray("PRAGMA user_version=" + QByteArray::number(v + 1)).constData());
        if (!f)
            f = exec("COMMIT");
        if (f) {
            exec("ROLLBACK");
            return f;
        }
    }
    return {};
}

bool SqliteArchive::insertFacts(qint64 id, int memory, const QString& host, const EntryFacts& facts,
                                int& rc)
{
    if (!prepared(m_insertFacts,
                  "INSERT INTO entry_facts(test_key, id, location_key, class, severity, flaw_code,"
                  " operator, previous_class, tested, date_from_archive, memory, host)"
                  " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                  rc))
        return false;
    sqlite3_stmt* s = m_insertFacts;
    sqlite3_bind_blob(s, 1, facts.testKey.constData(), int(facts.testKey.size()), SQLITE_STATIC);
    sqlite3_bind_int64(s, 2, id);
    bindText(s, 3, facts.locationKey);
    bindText(s, 4, facts.defectClass);
    sqlite3_bind_int(s, 5, int(facts.severity));
    bindText(s, 6, facts.flawCode);
    bindText(s, 7, facts.operatorName);
    bindText(s, 8, facts.previousClass);
    sqlite3_bind_int64(s, 9, facts.testedMs);
    sqlite3_bind_int(s, 10, facts.dateFromArchive ? 1 : 0);
    sqlite3_bind_int(s, 11, memory);
    bindText(s, 12, host);
    return stepDone(s, rc);
}

ArchiveFailure SqliteArchive::fillFacts()
{
    Statement s;
    if (ArchiveFailure f = prepare(s.s, "SELECT id, time, memory, host, record FROM entries"
                                        " ORDER BY id"))
        return f;
    int rc = SQLITE_OK;
    Record record{};
    while ((rc = sqlite3_step(s.s)) == SQLITE_ROW) {
        readRecordBlob(sqlite3_column_blob(s.s, 4), sqlite3_column_bytes(s.s, 4), record);
        int inserted = SQLITE_DONE;
        if (!insertFacts(sqlite3_column_int64(s.s, 0), sqlite3_column_int(s.s, 2),
                         columnText(s.s, 3), entryFacts(record, sqlite3_column_int64(s.s, 1)),
                         inserted))
            return failure(inserted);
    }
    return rc == SQLITE_DONE ? ArchiveFailure{} : failure(rc);
}

ArchiveFailure SqliteArchive::beginSession(qint64& session)
{
    if (ArchiveFailure f =
            run("INSERT INTO sessions(started) VALUES(?1)", {QDateTime::currentMSecsSinceEpoch()}))
        return f;
    session = m_session = sqlite3_last_insert_rowid(m_db);
    return {};
}

ArchiveFailure SqliteArchive::append(ArchiveEntry& entry)
{
    std::vector<ArchiveEntry> one{entry};
    const ArchiveFailure f = appendAll(one);
    if (!f)
        entry = one.front();
    return f;
}

ArchiveFailure SqliteArchive::appendAll(std::vector<ArchiveEntry>& entries)
{
    if (m_session == 0) {
        qint64 session = 0;
        if (ArchiveFailure f = beginSession(session))
            return f;
    }
    if (ArchiveFailure f = prepare(m_insertEntry,
                                   "INSERT INTO entries(time, kind, memory, source, session, "
                                   "record, host, os_user) VALUES(?, ?, ?, ?, ?, ?, ?, ?)",
                                   SQLITE_PREPARE_PERSISTENT))
        return f;
    if (ArchiveFailure f =
            prepare(m_insertNotes, "INSERT INTO entry_notes(rowid, lines) VALUES(?, ?)",
                    SQLITE_PREPARE_PERSISTENT))
        return f;
    if (ArchiveFailure f = exec("BEGIN IMMEDIATE"))
        return f;
    const qint64 time = QDateTime::currentMSecsSinceEpoch();
    int rc = SQLITE_DONE;
    std::vector<qint64> ids;
    QSet<QString> touched; // the locations whose summary changes
    for (const ArchiveEntry& entry : entries) {
        sqlite3_bind_int64(m_insertEntry, 1, time);
        bindText(m_insertEntry, 2, kindName(entry.kind));
        sqlite3_bind_int(m_insertEntry, 3, entry.memory);
        bindText(m_insertEntry, 4, entry.source);
        sqlite3_bind_int64(m_insertEntry, 5, m_session);
        const QByteArray blob = recordBlob(entry.record);
        sqlite3_bind_blob(m_insertEntry, 6, blob.constData(), int(blob.size()), SQLITE_STATIC);
        bindText(m_insertEntry, 7, m_host);
        bindText(m_insertEntry, 8, m_user);
        rc = sqlite3_step(m_insertEntry);
        sqlite3_reset(m_insertEntry);
        if (rc != SQLITE_DONE)
            break;
        const qint64 id = sqlite3_last_insert_rowid(m_db);
        sqlite3_bind_int64(m_insertNotes, 1, id);
        bindText(m_insertNotes, 2, noteIndexText(entry.record));
        rc = sqlite3_step(m_insertNotes);
        sqlite3_reset(m_insertNotes);
        if (rc != SQLITE_DONE)
            break;
        const EntryFacts facts = entryFacts(entry.record, time);
        // A note save may move a test to another place: the one it leaves changes too.
        QString left;
        if (!testLocation(facts.testKey, left, rc) ||
            !insertFacts(id, entry.memory, m_host, facts, rc))
            break;
        for (const QString& key : {left, facts.locationKey})
            if (!key.isEmpty())
                touched.insert(key);
        ids.push_back(id);
    }
    if (rc == SQLITE_DONE)
        for (const QString& key : touched)
            if (!summarise(key, rc))
                break;
    if (rc != SQLITE_DONE) {
        const ArchiveFailure f = failure(rc);
        exec("ROLLBACK");
        return f;
    }
    // Synced here (synchronous=FULL): once COMMIT returns, the entries survive a power cut.
    if (ArchiveFailure f = exec("COMMIT")) {
        exec("ROLLBACK");
        return f;
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].id = ids[i];
        entries[i].timeMs = time;
        entries[i].origin = m_origin;
        entries[i].host = m_host;
        entries[i].user = m_user;
    }
    return {};
}

ArchiveFailure SqliteArchive::fetch(const EntryRef& ref, ArchiveEntry& out, bool& found)
{
    found = false;
    if (ArchiveFailure f = prepare(
            m_fetch, (QByteArray(kEntryColumns) + " FROM entries e WHERE id = ?").constData(),
            SQLITE_PREPARE_PERSISTENT))
        return f;
    // Another archive's entries are never in this one.
    if (!ref.origin.isEmpty() && ref.origin != m_origin)
        return {};
    sqlite3_bind_int64(m_fetch, 1, ref.id);
    const int rc = sqlite3_step(m_fetch);
    found = rc == SQLITE_ROW;
    if (found)
        readEntry(m_fetch, m_origin, out);
    sqlite3_reset(m_fetch);
    return found || rc == SQLITE_DONE ? ArchiveFailure{} : failure(rc);
}

ArchiveFailure SqliteArchive::query(const ArchiveQuery& q, std::vector<ArchiveEntry>& out)
{
    out.clear();
    const QString match = archiveMatchExpression(q.search);
    const bool searching = !match.isEmpty();
    // A search walks the note index in id order and looks each hit up; otherwise the entries
    // are walked by id (or by memory, through its index).
    QByteArray sql = QByteArray(kEntryColumns) + " FROM ";
    sql += searching ? "entry_notes CROSS JOIN entries e ON e.id = entry_notes.rowid WHERE "
                       "entry_notes MATCH ?1"
                     : "entries e WHERE 1";
    const char* idColumn = searching ? "entry_notes.rowid" : "e.id";
    if (q.memory)
        sql += " AND e.memory = ?2";
    if (q.sinceMs)
        sql += " AND e.time >= ?3";
    if (q.untilMs)
        sql += " AND e.time < ?4";
    if (q.beyondId > 0)
        sql += QByteArray(" AND ") + idColumn + (q.newestFirst ? " < ?5" : " > ?5");
    sql += QByteArray(" ORDER BY ") + idColumn + (q.newestFirst ? " DESC" : " ASC");
    if (q.limit > 0)
        sql += " LIMIT ?6";
    Statement s;
    if (ArchiveFailure f = prepare(s.s, sql.constData()))
        return f;
    if (searching)
        bindText(s.s, 1, match);
    if (q.memory)
        sqlite3_bind_int(s.s, 2, *q.memory);
    if (q.sinceMs)
        sqlite3_bind_int64(s.s, 3, *q.sinceMs);
    if (q.untilMs)
        sqlite3_bind_int64(s.s, 4, *q.untilMs);
    if (q.beyondId > 0)
        sqlite3_bind_int64(s.s, 5, q.beyondId);
    if (q.limit > 0)
        sqlite3_bind_int(s.s, 6, q.limit);
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(s.s)) == SQLITE_ROW) {
        out.emplace_back();
        readEntry(s.s, m_origin, out.back());
    }
    return rc == SQLITE_DONE ? ArchiveFailure{} : failure(rc);
}

ArchiveFailure SqliteArchive::registerTests(const RegisterEach& each)
{
    // Grouped by test in the table's own order: one pass, no lookups. The latest entry gives
    // the row (max() makes the bare columns its own); a test whose date comes from the archive
    // time and that has several entries is dated by the first of them.
    Statement s;
    if (ArchiveFailure f = prepare(
            s.s, "SELECT max(id), test_key, location_key, class, severity, flaw_code, operator,"
                 " previous_class, date_from_archive, memory, host,"
                 " CASE WHEN count(*) > 1 AND date_from_archive THEN (SELECT min(g.tested)"
                 " FROM entry_facts g WHERE g.test_key = entry_facts.test_key) ELSE tested END"
                 " FROM entry_facts GROUP BY test_key"))
        return f;
    SharedTexts texts;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(s.s)) == SQLITE_ROW)
        each(readFacts(s.s, texts));
    return rc == SQLITE_DONE ? ArchiveFailure{} : failure(rc);
}

bool SqliteArchive::testLocation(const QByteArray& testKey, QString& locationKey, int& rc)
{
    if (!prepared(
            m_testLocation,
            "SELECT location_key FROM entry_facts WHERE test_key = ? ORDER BY id DESC LIMIT 1", rc))
        return false;
    sqlite3_bind_blob(m_testLocation, 1, testKey.constData(), int(testKey.size()), SQLITE_STATIC);
    rc = sqlite3_step(m_testLocation);
    if (rc == SQLITE_ROW)
        locationKey = columnText(m_testLocation, 0);
    sqlite3_reset(m_testLocation);
    rc = rc == SQLITE_ROW ? SQLITE_DONE : rc;
    return rc == SQLITE_DONE;
}

bool SqliteArchive::locationFromFacts(const QString& locationKey,
                                      std::optional<DefectLocation>& out, int& rc)
{
    // Every entry of every test that was ever at the place: a test belongs where its latest
    // entry puts it, and the register's own rules decide.
    out.reset();
    if (!prepared(m_locationFacts,
                  "SELECT id, test_key, location_key, class, severity, flaw_code, operator,"
                  " previous_class, date_from_archive, memory, host, tested FROM entry_facts"
                  " WHERE test_key IN (SELECT test_key FROM entry_facts WHERE location_key = ?)",
                  rc))
        return false;
    bindText(m_locationFacts, 1, locationKey);
    DefectRegister reg;
    SharedTexts texts;
    while ((rc = sqlite3_step(m_locationFacts)) == SQLITE_ROW)
        reg.add(readFacts(m_locationFacts, texts));
    sqlite3_reset(m_locationFacts);
    if (rc != SQLITE_DONE)
        return false;
    out = reg.location(locationKey);
    return true;
}

bool SqliteArchive::putSummary(const DefectLocation& l, int& rc)
{
    if (!prepared(m_putSummary,
                  "INSERT OR REPLACE INTO location_summary(location_key, severity, last_tested,"
                  " entry, class, flaw_code, operator, previous_class, memory, host,"
                  " date_from_archive, inspections, first_tested, history, worsened, prev_mismatch)"
                  " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                  rc))
        return false;
    sqlite3_stmt* s = m_putSummary;
    const RegisterTest& last = l.latest();
    bindText(s, 1, l.key);
    sqlite3_bind_int(s, 2, int(l.severity));
    sqlite3_bind_int64(s, 3, last.testedMs);
    sqlite3_bind_int64(s, 4, last.entry);
    bindText(s, 5, last.defectClass);
    bindText(s, 6, last.flawCode);
    bindText(s, 7, last.operatorName);
    bindText(s, 8, last.previousClass);
    sqlite3_bind_int(s, 9, last.memory);
    bindText(s, 10, last.host);
    sqlite3_bind_int(s, 11, last.dateFromArchive ? 1 : 0);
    sqlite3_bind_int(s, 12, l.inspections);
    sqlite3_bind_int64(s, 13, l.firstMs);
    const QByteArray history = historyJson(l.history());
    sqlite3_bind_text(s, 14, history.constData(), int(history.size()), SQLITE_STATIC);
    sqlite3_bind_int(s, 15, l.worsened ? 1 : 0);
    sqlite3_bind_int(s, 16, l.prevMismatch ? 1 : 0);
    return stepDone(s, rc);
}

bool SqliteArchive::summarise(const QString& locationKey, int& rc)
{
    std::optional<DefectLocation> location;
    if (!locationFromFacts(locationKey, location, rc))
        return false;
    if (location)
        return putSummary(*location, rc);
    // Its only test moved elsewhere.
    if (!prepared(m_dropSummary, "DELETE FROM location_summary WHERE location_key = ?", rc))
        return false;
    bindText(m_dropSummary, 1, locationKey);
    return stepDone(m_dropSummary, rc);
}

ArchiveFailure SqliteArchive::fillSummary()
{
    DefectRegister reg;
    if (ArchiveFailure f = readRegister(*this, reg))
        return f;
    int rc = SQLITE_DONE;
    for (const DefectLocation& l : reg.locations())
        if (!putSummary(l, rc))
            return failure(rc);
    return {};
}

ArchiveFailure SqliteArchive::registerLocations(std::vector<DefectLocation>& out, int limit)
{
    out.clear();
    Statement s;
    if (ArchiveFailure f = prepare(
            s.s, "SELECT location_key, severity, last_tested, entry, class, flaw_code, operator,"
                 " previous_class, memory, host, date_from_archive, inspections, first_tested,"
                 " history, worsened, prev_mismatch FROM location_summary"
                 " ORDER BY severity DESC, last_tested DESC, entry DESC, location_key LIMIT ?"))
        return f;
    sqlite3_bind_int(s.s, 1, limit > 0 ? limit : -1);
    SharedTexts texts;
    const auto text = [&](int n) { return sharedText(s.s, n, texts); };
    SharedHistories histories;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(s.s)) == SQLITE_ROW) {
        DefectLocation& l = out.emplace_back();
        l.setKey(columnText(s.s, 0));
        l.severity = DefectSeverity(sqlite3_column_int(s.s, 1));
        RegisterTest& last = l.last;
        last.testedMs = sqlite3_column_int64(s.s, 2);
        last.entry = sqlite3_column_int64(s.s, 3);
        last.defectClass = text(4);
        last.flawCode = text(5);
        last.operatorName = text(6);
        last.previousClass = text(7);
        last.memory = sqlite3_column_int(s.s, 8);
        last.host = text(9);
        last.dateFromArchive = sqlite3_column_int(s.s, 10) != 0;
        l.inspections = sqlite3_column_int(s.s, 11);
        l.firstMs = sqlite3_column_int64(s.s, 12);
        l.classes = histories.history(static_cast<const char*>(sqlite3_column_blob(s.s, 13)),
                                      sqlite3_column_bytes(s.s, 13));
        l.worsened = sqlite3_column_int(s.s, 14) != 0;
        l.prevMismatch = sqlite3_column_int(s.s, 15) != 0;
    }
    return rc == SQLITE_DONE ? ArchiveFailure{} : failure(rc);
}

ArchiveFailure SqliteArchive::locationTests(const QString& locationKey,
                                            std::vector<RegisterTest>& out)
{
    out.clear();
    std::optional<DefectLocation> location;
    int rc = SQLITE_DONE;
    if (!locationFromFacts(locationKey, location, rc))
        return failure(rc);
    if (location)
        out = std::move(location->tests);
    return {};
}

ArchiveFailure SqliteArchive::countUpTo(qint64 id, qint64& count)
{
    Statement s;
    if (ArchiveFailure f = prepare(s.s, "SELECT count(*) FROM entries WHERE id <= ?"))
        return f;
    sqlite3_bind_int64(s.s, 1, id);
    const int rc = sqlite3_step(s.s);
    if (rc != SQLITE_ROW)
        return failure(rc);
    count = sqlite3_column_int64(s.s, 0);
    return {};
}

ArchiveFailure SqliteArchive::settle(qint64 session, qint64 upTo)
{
    return run("UPDATE sessions SET settled_up_to = max(settled_up_to, ?2) WHERE id = ?1",
               {session, upTo});
}

ArchiveFailure SqliteArchive::setSessionBank(qint64 session, const QString& path)
{
    Statement s;
    if (ArchiveFailure f = prepare(s.s, "UPDATE sessions SET bank = ?2 WHERE id = ?1"))
        return f;
    sqlite3_bind_int64(s.s, 1, session);
    bindText(s.s, 2, path);
    const int rc = sqlite3_step(s.s);
    return rc == SQLITE_DONE ? ArchiveFailure{} : failure(rc);
}

ArchiveFailure SqliteArchive::sessionBank(qint64 session, QString& path)
{
    path.clear();
    Statement s;
    if (ArchiveFailure f = prepare(s.s, "SELECT bank FROM sessions WHERE id = ?1"))
        return f;
    sqlite3_bind_int64(s.s, 1, session);
    const int rc = sqlite3_step(s.s);
    if (rc == SQLITE_ROW)
        path = columnText(s.s, 0);
    return rc == SQLITE_ROW || rc == SQLITE_DONE ? ArchiveFailure{} : failure(rc);
}

ArchiveFailure SqliteArchive::unsettled(qint64 exceptSession, std::vector<Unsettled>& out)
{
    out.clear();
    Statement s;
    if (ArchiveFailure f = prepare(
            s.s, "SELECT e.id, e.time, e.kind, e.memory, e.source, e.record, e.host, e.os_user, "
                 "e.session FROM sessions s "
                 "JOIN entries e ON e.session = s.id AND e.id > s.settled_up_to "
                 "WHERE s.id <> ? AND e.kind IN ('received', 'captured', 'notes') ORDER BY e.id"))
        return f;
    sqlite3_bind_int64(s.s, 1, exceptSession);
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(s.s)) == SQLITE_ROW) {
        out.emplace_back();
        readEntry(s.s, m_origin, out.back().entry);
        out.back().session = sqlite3_column_int64(s.s, 8);
    }
    return rc == SQLITE_DONE ? ArchiveFailure{} : failure(rc);
}

QString SqliteArchive::moveAside(const QString& path)
{
    const QString aside =
        path + QStringLiteral(".damaged-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(path, aside))
        return {};
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString companion = path + QLatin1String(suffix);
        if (QFile::exists(companion) && !QFile::rename(companion, aside + QLatin1String(suffix)))
            QFile::remove(companion);
    }
    return aside;
}

} // namespace quillon
