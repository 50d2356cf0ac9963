// What every archive store promises, checked on each: the PC's SQLite file, the team archive on a
// real PostgreSQL server (filled by an upload from that file) and a scripted fake in front of the
// server, slow. The same entries, the same queries, the same answers.

#include "archive/RegisterReading.h"
#include "archive/ServerArchive.h"
#include "archive/TeamSync.h"
#include "core/DefectRules.h"
#include "core/NoteLines.h"
#include "support/FakeArchive.h"
#include "support/PgCluster.h"
#include "support/Records.h"
#include "support/RegisterLines.h"

#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <thread>

using namespace quillon;
using namespace quillon::test;

enum class Store { Local, Server, Fake };
Q_DECLARE_METATYPE(Store)

class ArchiveContractTest : public QObject
{
    Q_OBJECT
    PgCluster m_cluster;
    QTemporaryDir m_dir;
    SqliteArchive m_local;
    ServerArchive m_server;
    FakeArchive m_fake{m_server};
    std::vector<ArchiveEntry> m_made; // oldest first

    ArchiveStore& store()
    {
        QFETCH_GLOBAL(Store, store);
        if (store == Store::Server)
            return m_server;
        if (store == Store::Fake)
            return m_fake;
        return m_local;
    }
    QList<int> found(const ArchiveQuery& q)
    {
        std::vector<ArchiveEntry> out;
        const ArchiveFailure f = store().query(q, out);
        if (f)
            qWarning() << archiveFailureText(f);
        QList<int> at;
        for (const ArchiveEntry& e : out)
            at << int(std::ranges::find(m_made, e.ref(), &ArchiveEntry::ref) - m_made.begin());
        return at;
    }

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<Store>("store");
        QTest::newRow("this PC") << Store::Local;
        QTest::newRow("team server") << Store::Server;
        QTest::newRow("scripted fake") << Store::Fake;
    }

    void initTestCase()
    {
        QString why;
        QVERIFY2(m_cluster.create(&why), qPrintable(why));
        QVERIFY2(m_cluster.freshDatabase(QStringLiteral("contract"), &why), qPrintable(why));
        ArchiveFailure f = m_server.connect(m_cluster.conninfo(QStringLiteral("contract")));
        if (!f)
            f = m_server.init();
        QVERIFY2(!f, qPrintable(archiveFailureText(f)));

        QVERIFY(!m_local.open(m_dir.filePath(QStringLiteral("a.sqlite"))));
        m_local.setMaker(QStringLiteral("pc-north"), QStringLiteral("ann"));
        const char* const notes[] = {
            "Km 12/4 weld", "rail head crack", "weld AND (x*) \"12", "km 14 weld crack",
            "Weld",         "nothing here",    "crack weld"};
        for (int n = 0; n < 7; ++n) {
            ArchiveEntry e;
            e.memory = n % 2 ? 7 : 3;
            e.kind = n == 2 ? StoreKind::Notes : StoreKind::Received;
            e.source = QStringLiteral("/dev/ttyUSB%1").arg(n);
            e.record = spaceRecord();
            setNote(e.record, n % 12, QString::fromLatin1(notes[n]));
            QVERIFY(!m_local.append(e));
            m_made.push_back(e);
            if (n == 3) // a later time for the time filters
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        TeamSync::Count count;
        QVERIFY(!TeamSync(m_local, m_server).run(count));
        QCOMPARE(count.sent, 7);
        m_fake.setMode(FakeArchive::Mode::Slow, std::chrono::milliseconds(5));
    }

    void onlyThePcsArchiveTakesAppends()
    {
        QFETCH_GLOBAL(Store, store);
        ArchiveEntry e;
        e.memory = 5;
        e.record = spaceRecord();
        const ArchiveFailure f = this->store().append(e);
        if (store == Store::Local) {
            QVERIFY(!f);
            QCOMPARE(e.origin, m_local.origin());
            QVERIFY(e.id > m_made.back().id);
            m_made.push_back(e);
            qint64 added = 0; // the server is given it as an upload would
            QVERIFY(!m_server.upload({e}, added));
            QCOMPARE(added, 1);
        } else {
            QCOMPARE(f.kind, ArchiveFailure::Refused);
        }
    }

    void findsWhatTheFiltersAsk_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("memory");
        QTest::addColumn<bool>("later");
        QTest::addColumn<QList<int>>("expected"); // indexes into the entries made, newest first
        QTest::newRow("everything") << "" << 0 << false << QList<int>{7, 6, 5, 4, 3, 2, 1, 0};
        QTest::newRow("a word, any case") << "WELD" << 0 << false << QList<int>{6, 4, 3, 2, 0};
        QTest::newRow("every word") << "crack weld" << 0 << false << QList<int>{6, 3};
        QTest::newRow("a phrase") << "\"crack weld\"" << 0 << false << QList<int>{6};
        QTest::newRow("a number and a word") << "km 12" << 0 << false << QList<int>{0};
        QTest::newRow("syntax is only text") << "AND (x*)" << 0 << false << QList<int>{2};
        QTest::newRow("an open quote") << "\"12" << 0 << false << QList<int>{2, 0};
        QTest::newRow("no word at all")
            << "*()\"" << 0 << false << QList<int>{7, 6, 5, 4, 3, 2, 1, 0};
        QTest::newRow("a memory") << "" << 7 << false << QList<int>{5, 3, 1};
        QTest::newRow("a memory and a word") << "crack" << 7 << false << QList<int>{3, 1};
        QTest::newRow("since a time") << "" << 0 << true << QList<int>{7, 6, 5, 4};
    }

    void findsWhatTheFiltersAsk()
    {
        QFETCH(QString, search);
        QFETCH(int, memory);
        QFETCH(bool, later);
        QFETCH(QList<int>, expected);
        ArchiveQuery q;
        q.search = search;
        if (memory)
            q.memory = memory;
        if (later)
            q.sinceMs = m_made[4].timeMs;
        QCOMPARE(found(q), expected);
        // Oldest first is the same list turned round; before a time is the rest.
        q.newestFirst = false;
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(found(q), expected);
        if (later) {
            q.sinceMs.reset();
            q.untilMs = m_made[4].timeMs;
            QCOMPARE(found(q), (QList<int>{0, 1, 2, 3}));
        }
    }

    void pagesWithoutGapsOrRepeats()
    {
        for (const bool newestFirst : {true, false}) {
            ArchiveQuery q;
            q.newestFirst = newestFirst;
            q.limit = 0;
            const QList<int> all = found(q);
            QCOMPARE(all.size(), qsizetype(m_made.size()));
            QList<int> paged;
            q.limit = 3;
            std::vector<ArchiveEntry> page;
            do {
                QVERIFY(!store().query(q, page));
                QVERIFY(page.size() <= 3);
                for (const ArchiveEntry& e : page)
                    paged << int(std::ranges::find(m_made, e.ref(), &ArchiveEntry::ref) -
                                 m_made.begin());
                if (!page.empty())
                    q.startPast(page.back());
            } while (!page.empty());
            QCOMPARE(paged, all);
        }
    }

    void fetchesByOriginAndId()
    {
        for (const ArchiveEntry& made : m_made) {
            ArchiveEntry e;
            bool found = false;
            QVERIFY(!store().fetch(made.ref(), e, found));
            QVERIFY(found);
            QCOMPARE(e.ref(), made.ref());
            QCOMPARE(e.timeMs, made.timeMs);
            QCOMPARE(e.kind, made.kind);
            QCOMPARE(e.memory, made.memory);
            QCOMPARE(e.source, made.source);
            QCOMPARE(e.host, QStringLiteral("pc-north"));
            QCOMPARE(e.user, QStringLiteral("ann"));
            QVERIFY(e.record == made.record);
        }
        ArchiveEntry e;
        bool found = true;
        QVERIFY(!store().fetch({m_local.origin(), m_made.back().id + 1}, e, found));
        QVERIFY(!found);
        found = true;
        QVERIFY(
            !store().fetch({QStringLiteral("0b7e2f5c-0000-4000-8000-000000000001"), 1}, e, found));
        QVERIFY(!found);
    }

    void registerTestsAreTheLatestEntryOfEachTest()
    {
        QFETCH_GLOBAL(Store, store);
        if (store == Store::Local) {
            // Two located tests more, the first re-classified by a note save; given to the
            // server as an upload would.
            std::vector<ArchiveEntry> more(3);
            for (size_t n = 0; n < more.size(); ++n) {
                more[n].memory = 9;
                more[n].record = spaceRecord();
                more[n].record[50] = n == 2 ? 60 : 30;
                setNote(more[n].record, KmPostLine, n == 2 ? "20/1" : "12/4");
                setNote(more[n].record, ClassLine, n == 1 ? "rem" : "OBS");
            }
            QVERIFY(!m_local.appendAll(more));
            qint64 added = 0;
            QVERIFY(!m_server.upload(more, added));
            m_made.insert(m_made.end(), more.begin(), more.end());
        }
        QCOMPARE(m_made.size(), size_t(11));
        // Each test once: its latest entry's values, dated by its first.
        const auto line = [](const EntryRef& ref, int memory, const EntryFacts& f,
                             const QString& host) {
            return QStringLiteral("%1 mem %2 %3 %4 %5 at %6 %7")
                .arg(ref.text())
                .arg(memory)
                .arg(f.defectClass, f.locationKey.section(QChar(0x1f), 2, 2), host)
                .arg(f.testedMs)
                .arg(f.dateFromArchive);
        };
        QStringList expected;
        for (const auto& [latest, first] : {std::pair{7, 0}, std::pair{9, 8}, std::pair{10, 10}}) {
            const ArchiveEntry& e = m_made[size_t(latest)];
            EntryFacts facts = entryFacts(e.record, e.timeMs);
            facts.testedMs =
                entryFacts(m_made[size_t(first)].record, m_made[size_t(first)].timeMs).testedMs;
            expected << line(e.ref(), e.memory, facts, QStringLiteral("pc-north"));
        }
        QStringList read;
        QVERIFY(!this->store().registerTests([&](RegisterEntry&& e) {
            const EntryRef ref{e.origin.isEmpty() ? m_local.origin() : e.origin, e.entry};
            read << line(ref, e.memory, e.facts, e.host);
        }));
        read.sort();
        expected.sort();
        QCOMPARE(read, expected);
    }

    void registerLocationsAreTheRulesOverItsTests()
    {
        // What a store lists (from its summary rows where it keeps them) is what the rules make
        // of its tests, and a location's tests are the ones the rules give it.
        DefectRegister reg;
        QVERIFY(!store().registerTests([&](RegisterEntry&& e) { reg.add(std::move(e)); }));
        QCOMPARE(reg.locations().size(), size_t(2));
        QCOMPARE(summaryLines(store()), summaryLines(reg));
        std::vector<DefectLocation> first;
        QVERIFY(!store().registerLocations(first, 1));
        QCOMPARE(registerLines(first), summaryLines(reg).mid(0, 2));
        // Their tests, one location at a time and all at once.
        for (const int oneByOneUpTo : {kTestsOneByOneUpTo, 0}) {
            std::vector<DefectLocation> listed;
            QVERIFY(!store().registerLocations(listed));
            QVERIFY(!readLocationTests(store(), listed, oneByOneUpTo));
            QCOMPARE(registerLines(listed), registerLines(reg));
        }
    }

    void concurrentUploadsKeepEachLocationRight()
    {
        QFETCH_GLOBAL(Store, store);
        if (store != Store::Server)
            QSKIP("only the team archive is written by several PCs at once");
        // Two PCs send at once tests of the same three places; every other batch, tests read into
        // both PCs (the same samples and clock), sent by each at a place of its own.
        const qint64 start = QDateTime::currentMSecsSinceEpoch();
        const auto pc = [&](const QString& origin, int turn) {
            ServerArchive server;
            if (server.open(m_cluster.conninfo(QStringLiteral("contract"))))
                return false;
            for (int batch = 0; batch < 40; ++batch) {
                std::vector<ArchiveEntry> entries(2);
                for (int n = 0; n < 2; ++n) {
                    ArchiveEntry& e = entries[size_t(n)];
                    e.origin = origin;
                    e.id = 2 * batch + n + 1;
                    e.timeMs = start + 10 * batch + n;
                    e.host = origin.left(4);
                    e.memory = 1 + n;
                    e.record = spaceRecord();
                    e.record[50] = std::int16_t(200 + (batch + n) % 5 + batch % 2 * 10 * turn);
                    setNote(e.record, DivisionLine, QStringLiteral("EAST"));
                    setNote(e.record, KmPostLine, QString::number((batch + n + turn) % 3));
                    setNote(e.record, ClassLine,
                            QStringList{"OBS", "REM", "IMR"}[(batch + turn) % 3]);
                }
                qint64 added = 0;
                if (server.upload(entries, added))
                    return false;
            }
            return true;
        };
        auto north = std::async(std::launch::async, pc,
                                QStringLiteral("1d0c7a5e-0000-4000-8000-000000000001"), 0);
        auto south = std::async(std::launch::async, pc,
                                QStringLiteral("1d0c7a5e-0000-4000-8000-000000000002"), 1);
        QVERIFY(north.get());
        QVERIFY(south.get());
        DefectRegister reg;
        QVERIFY(!m_server.registerTests([&](RegisterEntry&& e) { reg.add(std::move(e)); }));
        QCOMPARE(summaryLines(m_server), summaryLines(reg));
    }

    void failuresComeAsKindsWithOneText()
    {
        QFETCH_GLOBAL(Store, store);
        if (store != Store::Fake)
            QSKIP("a real store fails as its own test makes it (tst_team_archive)");
        std::vector<ArchiveEntry> out;
        for (const auto& [mode, kind] :
             {std::pair{FakeArchive::Mode::Offline, ArchiveFailure::Unreachable},
              std::pair{FakeArchive::Mode::Refusing, ArchiveFailure::Refused}}) {
            m_fake.setMode(mode);
            const ArchiveFailure f = m_fake.query({}, out);
            QCOMPARE(f.kind, kind);
            QVERIFY(archiveFailureText(f).endsWith(QStringLiteral(": ") + f.text));
        }
        m_fake.setMode(FakeArchive::Mode::Working);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ArchiveContractTest contract;
    return QTest::qExec(&contract, argc, argv);
}

#include "tst_archive_contract.moc"
