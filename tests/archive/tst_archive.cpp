// The archive on real database files: what each bank change appends, searching, and what
// happens when the file is locked, damaged, unwritable or its writer is killed. (The offer of an
// earlier run's unsaved work is tested with recovery, in tests/files.)

#include "archive/ArchiveJournal.h"
#include "archive/ArchiveSearch.h"
#include "archive/RecordBlob.h"
#include "archive/RegisterReading.h"
#include "core/BankFile.h"
#include "core/NoteLines.h"
#include "core/PanelTexts.h"
#include "files/FilesTestSupport.h"
#include "support/DataRows.h"
#include "support/RegisterLines.h"
#include "support/Season.h"

#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QUuid>

#include <sqlite3.h>

#include <set>
#include <thread>

using namespace quillon;
using namespace quillon::test;

namespace
{
std::vector<ArchiveEntry> allEntries(SqliteArchive& archive, ArchiveQuery q = {})
{
    q.limit = 0;
    q.newestFirst = false;
    std::vector<ArchiveEntry> out;
    const ArchiveFailure f = archive.query(q, out);
    if (f)
        qWarning() << "query failed:" << f.text;
    return out;
}

Record withNote(Record r, int line, const QString& text)
{
    NoteEdits edits;
    edits[line] = text;
    writeNoteLines(r, edits);
    return r;
}
} // namespace

class ArchiveTest : public QObject
{
    Q_OBJECT
    PrivateMounts m_mounts;
    std::unique_ptr<QTemporaryDir> m_dir; // a new folder for each case

    QString filePath(const QString& name) const { return m_dir->filePath(name); }

private slots:
    void initTestCase() { m_mounts.enter(); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void kindsAndTheirTriggers()
    {
        StartedModule module;
        ArchiveJournal journal(module, filePath("a.sqlite"));
        QVERIFY(journal.open());

        const Record received = withNote(patternRecord(1, "3  "), 0, QStringLiteral("Km 12"));
        module.store(2, received, {StoreKind::Received, QStringLiteral("/dev/ttyUSB0")});
        module.store(9, patternRecord(2, "10 "),
                     {StoreKind::Captured, QStringLiteral("/dev/ttyS1")});
        NoteTexts notes;
        notes[4] = QStringLiteral("weld 7");
        QVERIFY(module.saveNotes(2, everyLine(notes)));
        QVERIFY(!module.saveNotes(2, everyLine(notes))); // nothing changed: nothing appended
        module.store(30, patternRecord(3), {StoreKind::Restored, {}, true}); // already an entry

        const std::vector<ArchiveEntry> e = allEntries(journal.archive());
        QCOMPARE(e.size(), size_t(3));
        QCOMPARE(e[0].kind, StoreKind::Received);
        QCOMPARE(e[0].memory, 3);
        QCOMPARE(e[0].source, QStringLiteral("/dev/ttyUSB0"));
        QVERIFY(sameRecord(e[0].record, received));
        QCOMPARE(e[1].kind, StoreKind::Captured);
        QCOMPARE(e[1].memory, 10);
        QCOMPARE(e[1].source, QStringLiteral("/dev/ttyS1"));
        QCOMPARE(e[2].kind, StoreKind::Notes);
        QCOMPARE(e[2].memory, 3);
        QVERIFY(sameRecord(e[2].record, module.membank[2])); // the whole row after the save
        QCOMPARE(noteTexts(e[2].record)[4], QStringLiteral("weld 7              "));
        QVERIFY(e[0].id < e[1].id && e[1].id < e[2].id);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        QVERIFY(e[0].timeMs <= e[2].timeMs && now - e[0].timeMs < 60000);

        bool found = false;
        ArchiveEntry one;
        QVERIFY(!journal.archive().fetch({{}, e[1].id}, one, found));
        QVERIFY(found);
        QVERIFY(sameRecord(one.record, patternRecord(2, "10 ")));
        QVERIFY(!journal.archive().fetch({{}, e[2].id + 1}, one, found));
        QVERIFY(!found);

        // The table only ever grows.
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(filePath("a.sqlite")).constData(), &db), SQLITE_OK);
        QVERIFY(sqlite3_exec(db, "DELETE FROM entries", nullptr, nullptr, nullptr) != SQLITE_OK);
        QVERIFY(sqlite3_exec(db, "UPDATE entries SET memory = 1", nullptr, nullptr, nullptr) !=
                SQLITE_OK);
        sqlite3_close(db);
    }

    void loadingTheSameFileTwiceAddsNothing()
    {
        StartedModule module;
        ArchiveJournal journal(module, filePath("a.sqlite"));
        QVERIFY(journal.open());
        BankFileContents file;
        for (int row = 0; row < kMemoryCount; ++row)
            std::copy_n(module.membank[row].begin(), kBankFilePositions, file.bank[row].begin());
        for (int row : {0, 4, 7}) {
            std::copy_n(patternRecord(row).begin(), kBankFilePositions, file.bank[row].begin());
            file.marks[row] = true;
        }
        file.bank[9][0] = 77; // changed but not marked: not a record of the file
        const QString path = filePath("bank.dat");
        module.loadBank(file, path);
        std::vector<ArchiveEntry> e = allEntries(journal.archive());
        QCOMPARE(e.size(), size_t(3));
        QCOMPARE(e[1].kind, StoreKind::Loaded);
        QCOMPARE(e[1].memory, 5);
        QCOMPARE(e[1].source, QFileInfo(path).absoluteFilePath());

        module.loadBank(file, path);
        QCOMPARE(allEntries(journal.archive()).size(), size_t(3));

        // Memory 5 arrives anew; loading the file again brings its old record back: one entry.
        module.store(4, patternRecord(50), {StoreKind::Received, QStringLiteral("/dev/ttyS0")});
        module.loadBank(file, path);
        e = allEntries(journal.archive());
        QCOMPARE(e.size(), size_t(5));
        QCOMPARE(e[4].kind, StoreKind::Loaded);
        QCOMPARE(e[4].memory, 5);
    }

    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("memories"); // newest first

        QTest::newRow("one word") << "weld" << QList<int>{3, 1};
        QTest::newRow("any case") << "WELD" << QList<int>{3, 1};
        QTest::newRow("every word") << "weld crack" << QList<int>{1};
        QTest::newRow("words in any order") << "crack weld" << QList<int>{1};
        QTest::newRow("phrase") << "\"crack weld\"" << QList<int>{};
        QTest::newRow("phrase in order") << "\"crack at\"" << QList<int>{1};
        QTest::newRow("across lines") << "rail km" << QList<int>{2};
        QTest::newRow("slash") << "12/4" << QList<int>{2};
        QTest::newRow("and as a word") << "weld AND crack" << QList<int>{};
        QTest::newRow("star") << "wel*" << QList<int>{};
        QTest::newRow("parentheses") << "(weld" << QList<int>{3, 1};
        QTest::newRow("unpaired quote") << "\"crack" << QList<int>{1};
        QTest::newRow("only syntax") << "\"* ( ) -" << QList<int>{3, 2, 1};
        QTest::newRow("NEAR and colon") << "NEAR(lines: x)" << QList<int>{};
        QTest::newRow("latin-1") << QStringLiteral("sch\u00e4den") << QList<int>{3};
    }

    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, memories);
        StartedModule module;
        ArchiveJournal journal(module, filePath("a.sqlite"));
        QVERIFY(journal.open());
        Record r = withNote(patternRecord(1, "1  "), 0, QStringLiteral("Weld, crack at 40"));
        module.store(0, r, {StoreKind::Received, {}});
        r = withNote(patternRecord(2, "2  "), 2, QStringLiteral("rail 12/4"));
        module.store(1, withNote(r, 3, QStringLiteral("km 7")), {StoreKind::Received, {}});
        module.store(2, withNote(patternRecord(3, "3  "), 11, QStringLiteral("weld Sch\u00e4den")),
                     {StoreKind::Received, {}});
        ArchiveQuery q;
        q.search = typed;
        std::vector<ArchiveEntry> out;
        const ArchiveFailure f = journal.archive().query(q, out);
        QVERIFY2(!f, qPrintable(f.text + " for " + archiveMatchExpression(typed)));
        QList<int> got;
        for (const ArchiveEntry& e : out)
            got << e.memory;
        QCOMPARE(got, memories);
    }

    void filtersAndPaging()
    {
        StartedModule module;
        ArchiveJournal journal(module, filePath("a.sqlite"));
        QVERIFY(journal.open());
        for (int n = 0; n < 10; ++n)
            module.store(n % 3, patternRecord(n), {StoreKind::Received, {}});
        SqliteArchive& a = journal.archive();
        const std::vector<ArchiveEntry> all = allEntries(a);
        QCOMPARE(all.size(), size_t(10));

        ArchiveQuery q;
        q.memory = 2;
        QCOMPARE(allEntries(a, q).size(), size_t(3));

        // Newest first, a page at a time, each page starting past the last id of the one before.
        q = {};
        q.limit = 4;
        std::vector<qint64> ids;
        std::vector<ArchiveEntry> page;
        do {
            QVERIFY(!a.query(q, page));
            for (const ArchiveEntry& e : page)
                ids.push_back(e.id);
            if (!page.empty())
                q.beyondId = page.back().id;
        } while (!page.empty());
        QCOMPARE(ids.size(), size_t(10));
        QVERIFY(std::is_sorted(ids.rbegin(), ids.rend()));
        QCOMPARE(ids.front(), all.back().id);

        // Time range: since is inclusive, until exclusive.
        q = {};
        q.sinceMs = all[0].timeMs;
        QCOMPARE(allEntries(a, q).size(), size_t(10));
        q.sinceMs = all[9].timeMs + 1;
        QCOMPARE(allEntries(a, q).size(), size_t(0));
        q = {};
        q.untilMs = all[0].timeMs;
        QCOMPARE(allEntries(a, q).size(), size_t(0));
        q.untilMs = all[9].timeMs + 1;
        q.memory = 1;
        QCOMPARE(allEntries(a, q).size(), size_t(4));
    }

    void schemaVersionIsKept()
    {
        const QString path = filePath("a.sqlite");
        {
            SqliteArchive a;
            QVERIFY(!a.open(path));
        }
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &s, nullptr);
        QCOMPARE(sqlite3_step(s), SQLITE_ROW);
        QCOMPARE(sqlite3_column_int(s, 0), SqliteArchive::kSchemaVersion);
        sqlite3_finalize(s);
        sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &s, nullptr);
        QCOMPARE(sqlite3_step(s), SQLITE_ROW);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))), "wal");
        sqlite3_finalize(s);
        // A file of a newer program is left alone.
        QCOMPARE(sqlite3_exec(db, "PRAGMA user_version=99", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        SqliteArchive a;
        const ArchiveFailure f = a.open(path);
        QCOMPARE(f.kind, ArchiveFailure::Other);
        QVERIFY(f.text.contains("newer"));
        QVERIFY(QFile::exists(path));
    }

    void versionOneFileGainsAnOriginAndKeepsItsEntries()
    {
        // A file as the program of schema version 1 left it, with one entry.
        const QString path = filePath("v1.sqlite");
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db,
                              "PRAGMA journal_mode=WAL;"
                              "CREATE TABLE sessions(id INTEGER PRIMARY KEY, started INTEGER NOT "
                              "NULL, settled_up_to INTEGER NOT NULL DEFAULT 0);"
                              "CREATE TABLE entries(id INTEGER PRIMARY KEY, time INTEGER NOT NULL,"
                              " kind TEXT NOT NULL, memory INTEGER NOT NULL, source TEXT NOT NULL,"
                              " session INTEGER NOT NULL, record BLOB NOT NULL);"
                              "CREATE TRIGGER entries_kept_update BEFORE UPDATE ON entries"
                              "  BEGIN SELECT RAISE(ABORT, 'never changed'); END;"
                              "CREATE VIRTUAL TABLE entry_notes USING fts5(lines, content='',"
                              " columnsize=0, tokenize='unicode61');"
                              "INSERT INTO sessions(started) VALUES(1);"
                              "INSERT INTO entries VALUES(1, 1765000000000, 'received', 4, 'COM1',"
                              " 1, zeroblob(841));"
                              "INSERT INTO entry_notes(rowid, lines) VALUES(1, 'km 9');"
                              "PRAGMA user_version=1;",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(db);

        SqliteArchive a;
        QVERIFY(!a.open(path));
        const QString origin = a.origin();
        QVERIFY(!QUuid::fromString(origin).isNull());
        ArchiveQuery q;
        q.search = QStringLiteral("km 9");
        const std::vector<ArchiveEntry> old = allEntries(a, q);
        QCOMPARE(old.size(), size_t(1));
        QCOMPARE(old[0].ref(), (EntryRef{origin, 1}));
        QCOMPARE(old[0].source, QStringLiteral("COM1"));
        QVERIFY(old[0].host.isEmpty() && old[0].user.isEmpty()); // not known then
        ArchiveEntry e;
        e.memory = 5;
        QVERIFY(!a.append(e));
        QCOMPARE(e.ref(), (EntryRef{origin, 2}));
        QCOMPARE(allEntries(a).back().host, QSysInfo::machineHostName());
        QVERIFY(!allEntries(a).back().user.isEmpty());
        a.close();
        QVERIFY(!a.open(path));
        QCOMPARE(a.origin(), origin); // made once, kept
        // Every archive file is an origin of its own.
        SqliteArchive other;
        QVERIFY(!other.open(filePath("other.sqlite")));
        QVERIFY(other.origin() != origin);
    }

    void versionThreeFileGainsTheRegistersValues()
    {
        // A file as the program of schema version 3 left it: a season of rounds, the instrument's
        // clock blank in some, and nothing kept beside the entries for the register.
        const QString path = filePath("v3.sqlite");
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db,
                              "PRAGMA journal_mode=WAL;"
                              "CREATE TABLE sessions(id INTEGER PRIMARY KEY, started INTEGER NOT "
                              "NULL, settled_up_to INTEGER NOT NULL DEFAULT 0, bank TEXT NOT NULL "
                              "DEFAULT '');"
                              "CREATE TABLE entries(id INTEGER PRIMARY KEY, time INTEGER NOT NULL,"
                              " kind TEXT NOT NULL, memory INTEGER NOT NULL, source TEXT NOT NULL,"
                              " session INTEGER NOT NULL, record BLOB NOT NULL, host TEXT NOT NULL"
                              " DEFAULT '', os_user TEXT NOT NULL DEFAULT '');"
                              "CREATE TRIGGER entries_kept_update BEFORE UPDATE ON entries"
                              "  BEGIN SELECT RAISE(ABORT, 'never changed'); END;"
                              "CREATE VIRTUAL TABLE entry_notes USING fts5(lines, content='',"
                              " columnsize=0, tokenize='unicode61');"
                              "CREATE TABLE archive(origin TEXT NOT NULL);"
                              "INSERT INTO archive VALUES('6f1c2d3e-0000-4000-8000-00000000000a');"
                              "INSERT INTO sessions(started) VALUES(1);"
                              "PRAGMA user_version=3;",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO entries(time, kind, memory, source, session, record, host)"
                           " VALUES(?, 'received', ?, 'COM1', 1, ?, 'pc-old')",
                           -1, &insert, nullptr);
        DefectRegister fromRecords;
        qint64 id = 0;
        test::Season(24, 6).forEachEntry([&](int memory, qint64 archivedMs, const Record& r) {
            Record kept{};
            std::copy_n(r.begin(), kRecordLength, kept.begin());
            if (kept[100] % 4 == 0) // no clock (in every entry of the test): dated by the archive
                std::fill_n(kept.begin() + kTimeDatePos, 10, 0);
            const QByteArray blob = recordBlob(kept);
            sqlite3_bind_int64(insert, 1, archivedMs);
            sqlite3_bind_int(insert, 2, memory);
            sqlite3_bind_blob(insert, 3, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
            QCOMPARE(sqlite3_step(insert), SQLITE_DONE);
            sqlite3_reset(insert);
            fromRecords.add(++id, archivedMs, memory, kept);
        });
        sqlite3_finalize(insert);
        sqlite3_close(db);

        SqliteArchive a;
        QVERIFY(!a.open(path));
        DefectRegister fromValues;
        std::set<QString> hosts;
        QVERIFY(!a.registerTests([&](RegisterEntry&& e) {
            hosts.insert(e.host);
            fromValues.add(std::move(e));
        }));
        QCOMPARE(hosts, std::set<QString>{QStringLiteral("pc-old")});
        QVERIFY(fromRecords.locations().size() > 20);
        QCOMPARE(registerLines(fromValues), registerLines(fromRecords));
        QCOMPARE(summaryLines(a), summaryLines(fromRecords));
        // What is appended from now on is kept with its values as well.
        ArchiveEntry e;
        e.memory = 7;
        e.record = withNote(Record{}, KmPostLine, QStringLiteral("999/9"));
        QVERIFY(!a.append(e));
        fromRecords.add(e.id, e.timeMs, e.memory, e.record);
        DefectRegister both;
        QVERIFY(!readRegister(a, both));
        QCOMPARE(registerLines(both), registerLines(fromRecords));
        QCOMPARE(summaryLines(a), summaryLines(fromRecords));
    }

    void noteSaveMovingATestUpdatesBothPlaces_data()
    {
        // Three tests: two at km 1/1, one at km 2/2; a note save gives one of them another
        // km post.
        QTest::addColumn<int>("moved");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("places");
        QTest::newRow("to a place tested before") << 1 << "2/2" << 2;
        QTest::newRow("to a new place") << 1 << "3/3" << 3;
        QTest::newRow("the only test of its place") << 2 << "1/1" << 1;
        QTest::newRow("staying where it was") << 0 << "1/1" << 2;
    }

    void noteSaveMovingATestUpdatesBothPlaces()
    {
        QFETCH(int, moved);
        QFETCH(QString, to);
        QFETCH(int, places);
        SqliteArchive a;
        QVERIFY(!a.open(filePath("moves.sqlite")));
        DefectRegister fromRecords;
        std::vector<Record> tests;
        const auto append = [&](const Record& r) {
            ArchiveEntry e;
            e.memory = 1;
            e.record = r;
            QVERIFY(!a.append(e));
            fromRecords.add(e.id, e.timeMs, e.memory, e.record);
        };
        for (const QString km : {u"1/1"_qs, u"1/1"_qs, u"2/2"_qs}) {
            Record r =
                withNote(withNote(Record{}, DivisionLine, QStringLiteral("NORTH")), KmPostLine, km);
            r[0] = std::int16_t(tests.size() + 1); // samples of its own: a test of its own
            tests.push_back(withNote(r, ClassLine, QStringLiteral("OBS")));
            append(tests.back());
        }
        append(withNote(withNote(tests[size_t(moved)], KmPostLine, to), ClassLine,
                        QStringLiteral("IMR")));
        QCOMPARE(summaryLines(a), summaryLines(fromRecords));
        QCOMPARE(int(fromRecords.locations().size()), places);
        // The tests of each place are those the rules give it.
        for (const DefectLocation& l : fromRecords.locations()) {
            std::vector<RegisterTest> read;
            QVERIFY(!a.locationTests(l.key, read));
            QCOMPARE(read.size(), l.tests.size());
            QCOMPARE(read.back().entry, l.tests.back().entry);
        }
    }

    void lockedBySecondProgram()
    {
        const QString path = filePath("a.sqlite");
        StartedModule first, second;
        ArchiveJournal a(first, path), b(second, path);
        QVERIFY(a.open());
        QVERIFY(b.open());
        QSignalSpy failedA(&a, &ArchiveJournal::archiveFailed);
        QSignalSpy failedB(&b, &ArchiveJournal::archiveFailed);

        // Another connection holds the write lock for a while: the appends wait for it.
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        std::thread holder([other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        });
        QElapsedTimer waited;
        waited.start();
        first.store(0, patternRecord(1), {StoreKind::Received, {}});
        const qint64 ms = waited.elapsed();
        holder.join();
        sqlite3_close(other);
        QVERIFY2(ms >= 250, qPrintable(QString::number(ms)));

        for (int n = 0; n < 20; ++n) {
            first.store(1, patternRecord(100 + n), {StoreKind::Received, {}});
            second.store(2, patternRecord(200 + n), {StoreKind::Captured, {}});
        }
        QCOMPARE(failedA.count(), 0);
        QCOMPARE(failedB.count(), 0);
        const std::vector<ArchiveEntry> e = allEntries(a.archive());
        QCOMPARE(e.size(), size_t(41));
        for (int n = 0; n < 20; ++n) {
            QVERIFY(sameRecord(e[1 + 2 * n].record, patternRecord(100 + n)));
            QVERIFY(sameRecord(e[2 + 2 * n].record, patternRecord(200 + n)));
        }
    }

    void runningProgramsWorkIsNotOffered()
    {
        const QString path = filePath("a.sqlite");
        StartedModule first, second;
        auto running = std::make_unique<ArchiveJournal>(first, path);
        QVERIFY(running->open());
        first.store(3, patternRecord(3), {StoreKind::Received, {}});
        {
            ArchiveJournal other(second, path);
            QVERIFY(other.open());
            QVERIFY(!other.hasPending());
            other.discardPending(); // gives up nothing of the running program's
        }
        running.reset(); // the first program ends without a save
        ArchiveJournal next(second, path);
        QVERIFY(next.open());
        QCOMPARE(next.pendingRows(), QList<int>{3});
    }

    void damagedFileIsMovedAside_data()
    {
        test::addBoolRows("atOpen", "not a database", "damaged while in use");
    }

    void damagedFileIsMovedAside()
    {
        QFETCH(bool, atOpen);
        const QString path = filePath("a.sqlite");
        QByteArray garbage(64 * 1024, 'x');
        garbage.prepend("not a database at all\n");
        StartedModule module;
        ArchiveJournal journal(module, path);
        QSignalSpy replaced(&journal, &ArchiveJournal::archiveReplaced);
        QSignalSpy failed(&journal, &ArchiveJournal::archiveFailed);
        if (atOpen) {
            QVERIFY(writeBytes(path, garbage));
            QVERIFY(journal.open());
        } else {
            QVERIFY(journal.open());
            module.store(0, patternRecord(1), {StoreKind::Received, {}});
            // The file's pages are overwritten between two appends.
            journal.archive().close();
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.write(garbage);
            f.close();
        }
        module.store(1, patternRecord(2), {StoreKind::Received, {}});
        module.store(2, patternRecord(3), {StoreKind::Received, {}});
        QCOMPARE(replaced.count(), 1);
        QCOMPARE(failed.count(), 0);
        QVERIFY(sameRecord(module.membank[1], patternRecord(2)));
        const QStringList aside =
            QDir(m_dir->path()).entryList({"a.sqlite.damaged-*"}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(contentsOf(filePath(aside.first())).left(garbage.size()), garbage);
        QVERIFY2(replaced.first().first().toString().contains(aside.first()),
                 qPrintable(replaced.first().first().toString()));
        const std::vector<ArchiveEntry> e = allEntries(journal.archive());
        QCOMPARE(e.size(), size_t(2));
        QVERIFY(sameRecord(e[1].record, patternRecord(3)));
    }

    void unwritableArchiveStillStoresIntoBank_data()
    {
        test::addBoolRows("full", "full volume", "read-only folder");
    }

    void unwritableArchiveStillStoresIntoBank()
    {
        QFETCH(bool, full);
        const QString folder = filePath("data");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/a.sqlite";
        std::unique_ptr<ReadOnlyFolder> readOnly;
        std::unique_ptr<SmallVolume> small;
        if (full) {
            small = std::make_unique<SmallVolume>(folder, m_mounts);
            if (!small->isMounted())
                QSKIP(qPrintable("no small volume: " + small->problem()));
        }
        StartedModule module;
        ArchiveJournal journal(module, path);
        QSignalSpy failed(&journal, &ArchiveJournal::archiveFailed);
        if (full) {
            QVERIFY(journal.open());
        } else {
            readOnly = std::make_unique<ReadOnlyFolder>(folder, m_mounts);
            if (!readOnly->skipReason().isEmpty())
                QSKIP(qPrintable(readOnly->skipReason()));
            QVERIFY(readOnly->isReadOnly());
            QVERIFY(!journal.open());
        }
        int stored = 0;
        for (int n = 0; n < 1000 && failed.isEmpty(); ++n, ++stored)
            module.store(n % kMemoryCount, withNote(patternRecord(n), 0, QString::number(n)),
                         {StoreKind::Received, {}});
        QCOMPARE(failed.count(), 1);
        QVERIFY2(failed.first().first().toString().contains(QDir::toNativeSeparators(path)),
                 qPrintable(failed.first().first().toString()));
        for (int n = 0; n < 5; ++n)
            module.store(150 + n, patternRecord(9000 + n), {StoreKind::Received, {}});
        QCOMPARE(failed.count(), 1); // once
        QVERIFY(sameRecord(module.membank[154], patternRecord(9004)));
        QVERIFY(module.marked[154]);
        if (full) {
            // What went in before the volume filled up is all there.
            QVERIFY(stored > 1);
            SqliteArchive check;
            QVERIFY(!check.open(path, SqliteArchive::Open::ExistingOnly));
            const std::vector<ArchiveEntry> e = allEntries(check);
            QCOMPARE(int(e.size()), stored - 1);
            for (int n = 0; n < stored - 1; ++n)
                QCOMPARE(noteTexts(e[n].record)[0].trimmed(), QString::number(n));
        }
    }

    void killedWriterLeavesEveryCommittedEntry()
    {
        const QString path = filePath("a.sqlite");
        QProcess writer;
        writer.start(QStringLiteral(JOURNAL_WRITER), {path, QStringLiteral("append")});
        QVERIFY(writer.waitForStarted());
        QList<QByteArray> lines;
        while (lines.size() < 30 && writer.waitForReadyRead(30000))
            while (writer.canReadLine())
                lines << writer.readLine().trimmed();
        QVERIFY(lines.size() >= 30);
        writer.kill(); // SIGKILL, in the middle of the next append
        QVERIFY(writer.waitForFinished(30000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        while (writer.canReadLine())
            lines << writer.readLine().trimmed();

        SqliteArchive archive;
        QVERIFY(!archive.open(path, SqliteArchive::Open::ExistingOnly));
        const std::vector<ArchiveEntry> e = allEntries(archive);
        QVERIFY(e.size() >= size_t(lines.size()));
        // Every entry there is whole, committed ones included.
        for (size_t n = 0; n < e.size(); ++n)
            QVERIFY2(sameRecord(e[n].record, patternRecord(int(n), "5  ")),
                     qPrintable(QString::number(n)));
        for (const QByteArray& line : lines) {
            const QList<QByteArray> f = line.split(' ');
            QCOMPARE(f.size(), 2);
            bool found = false;
            ArchiveEntry one;
            QVERIFY(!archive.fetch({{}, f[1].toLongLong()}, one, found));
            QVERIFY2(found, line.constData());
            QVERIFY(sameRecord(one.record, patternRecord(f[0].toInt(), "5  ")));
        }
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &s, nullptr);
        QCOMPARE(sqlite3_step(s), SQLITE_ROW);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))), "ok");
        sqlite3_finalize(s);
        sqlite3_close(db);
        // The killed run's records are offered to the next one.
        StartedModule module;
        ArchiveJournal journal(module, path);
        QVERIFY(journal.open());
        QCOMPARE(journal.pendingRows(), QList<int>{4});
    }
};

QTEST_GUILESS_MAIN(ArchiveTest)
#include "tst_archive.moc"
