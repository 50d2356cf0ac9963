// The team archive through quillon-cli, on a throwaway PostgreSQL cluster: PCs' archives synced
// into one server and read back from it, a server that goes away, an upload killed mid-batch,
// what the PC roles may not do, and the ways a connection fails.
#include "archive/SqliteArchive.h"
#include "support/CliRun.h"
#include "support/FileBytes.h"
#include "support/KilledProgram.h"
#include "support/PgCluster.h"
#include "support/Records.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::test;

namespace
{
QJsonObject json(const CliResult& r)
{
    if (r.exit != 0)
        qWarning() << r.err;
    return QJsonDocument::fromJson(r.out).object();
}

QJsonObject synced(const QString& db, const QString& server)
{
    return json(runCli({"archive", "sync", "--db", db, "--server", server}));
}

QJsonObject count(qint64 sent, qint64 already)
{
    return {{"sent", sent}, {"already", already}};
}
} // namespace

class TeamArchiveTest : public QObject
{
    Q_OBJECT
    PgCluster m_cluster;
    QTemporaryDir m_dir;

    // A new team archive (made by the command line) in database `name`, with the login roles a
    // PC ("pc", uploads) and a supervisor ("boss", reads) use.
    bool teamDatabase(const QString& name)
    {
        QString why;
        if (!m_cluster.freshDatabase(name, &why) ||
            runCli({"server", "init", "--server", m_cluster.conninfo(name)}).exit != 0) {
            qWarning() << why;
            return false;
        }
        return m_cluster.run("DO $$ BEGIN"
                             " IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'pc') THEN"
                             "  CREATE ROLE pc LOGIN IN ROLE quillon_upload;"
                             "  CREATE ROLE boss LOGIN IN ROLE quillon_read; END IF; END $$");
    }
    // A PC's archive file with `entries` entries made on `host`.
    QString pcArchive(const QString& name, const QString& host, int entries)
    {
        const QString path = m_dir.filePath(name);
        SqliteArchive a;
        if (a.open(path))
            return {};
        a.setMaker(host, QStringLiteral("ann"));
        std::vector<ArchiveEntry> made(static_cast<size_t>(entries));
        for (int n = 0; n < entries; ++n) {
            made[size_t(n)].memory = 1 + n % 200;
            made[size_t(n)].record = patternRecord(n);
        }
        return a.appendAll(made) ? QString() : path;
    }
    // How many entries the server holds, none twice.
    qint64 serverCount(const QString& database)
    {
        const QJsonArray all =
            json(runCli({"archive", "list", "--server", m_cluster.conninfo(database)}))
                .value("entries")
                .toArray();
        QSet<QString> refs;
        for (const QJsonValue& e : all)
            refs << e["origin"].toString() + ':' + QString::number(e["id"].toInteger());
        return refs.size() == all.size() ? all.size() : -1;
    }

private slots:
    void initTestCase()
    {
        QString why;
        QVERIFY2(m_cluster.create(&why), qPrintable(why));
    }

    void twoPcsIntoOneServer()
    {
        QVERIFY(teamDatabase("team"));
        // Made again, nothing changes.
        const CliResult again = runCli({"server", "init", "--server", m_cluster.conninfo("team")});
        QCOMPARE(again.exit, 0);
        QCOMPARE(json(again), (QJsonObject{{"schema", 3}}));

        const QString a = pcArchive("a.sqlite", "pc-north", 5);
        const QString b = pcArchive("b.sqlite", "pc-south", 3);
        const QString pc = m_cluster.conninfo("team", "pc");
        QCOMPARE(synced(a, pc), count(5, 0));
        QCOMPARE(synced(b, pc), count(3, 0));
        QCOMPARE(synced(a, pc), count(0, 5)); // a second sync sends nothing

        // The supervisor sees both PCs, each entry with its origin, host and user.
        const QString boss = m_cluster.conninfo("team", "boss");
        const QJsonArray all =
            json(runCli({"archive", "list", "--server", boss})).value("entries").toArray();
        QCOMPARE(all.size(), 8);
        QSet<QString> hosts;
        for (const QJsonValue& e : all) {
            hosts << e["host"].toString();
            QCOMPARE(e["user"].toString(), QStringLiteral("ann"));
        }
        QCOMPARE(hosts, (QSet<QString>{"pc-north", "pc-south"}));
        QCOMPARE(json(runCli({"archive", "list", "--server", boss, "--limit", "2"}))
                     .value("entries")
                     .toArray()
                     .size(),
                 2);
        // One id form for both stores: the server shows what the PC's file shows.
        const QJsonObject first = json(runCli({"archive", "list", "--db", a, "--limit", "1"}))
                                      .value("entries")
                                      .toArray()
                                      .first()
                                      .toObject();
        const QString ref =
            first["origin"].toString() + ':' + QString::number(first["id"].toInteger());
        const CliResult fromServer = runCli({"archive", "show", "--server", boss, "--id", ref});
        QCOMPARE(fromServer.exit, 0);
        QCOMPARE(fromServer.out, runCli({"archive", "show", "--db", a, "--id", ref}).out);
        QCOMPARE(runCli({"archive", "show", "--server", boss, "--id", "1"}).exit, 1);
        const QString bank = m_dir.filePath("team.dat");
        QCOMPARE(runCli({"archive", "export", "--server", boss, "--ids", ref, "-o", bank}).exit, 0);
        QVERIFY(readBankFile(bank));
    }

    void serverStoppedThenCaughtUp()
    {
        QVERIFY(teamDatabase("stopped"));
        const QString pc = m_cluster.conninfo("stopped", "pc");
        const QString a = pcArchive("stopped.sqlite", "pc-north", 4);
        QCOMPARE(synced(a, pc), count(4, 0));
        QString why;
        QVERIFY2(m_cluster.stop(&why), qPrintable(why));
        {
            SqliteArchive local; // the PC goes on appending
            QVERIFY(!local.open(a));
            ArchiveEntry e;
            e.memory = 9;
            QVERIFY(!local.append(e));
            QVERIFY(!local.append(e));
        }
        const QByteArray before = contentsOf(a);
        QElapsedTimer clock;
        clock.start();
        const CliResult offline = runCli({"archive", "sync", "--db", a, "--server", pc});
        QCOMPARE(offline.exit, 4);
        QVERIFY(clock.elapsed() < 15000);
        QCOMPARE(offline.err.count('\n'), 1);
        QVERIFY(offline.err.startsWith("team archive: the team archive cannot be reached"));
        QCOMPARE(contentsOf(a), before); // a failed sync never changes the PC's archive
        QVERIFY2(m_cluster.start(&why), qPrintable(why));
        QCOMPARE(synced(a, pc), count(2, 4));
    }

    void killedUploadLosesAndRepeatsNothing()
    {
        QVERIFY(teamDatabase("killed"));
        const QString pc = m_cluster.conninfo("killed", "pc");
        const QString a = pcArchive("killed.sqlite", "pc-north", 35);
        QProcess helper;
        QString why;
        QVERIFY2(runUntilKilled(helper, TEAM_SYNC_KILLED, {a, pc}, "ready", &why), qPrintable(why));
        // The first batch of ten was committed; the second died with its transaction.
        QCOMPARE(serverCount("killed"), 10);
        QCOMPARE(synced(a, pc), count(25, 10));
        QCOMPARE(serverCount("killed"), 35);
    }

    void pcRolesCannotChangeEntries_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("sql");
        for (const char* role : {"pc", "boss"}) {
            QTest::addRow("%s update", role) << role << "UPDATE quillon.entries SET memory = 1";
            QTest::addRow("%s delete", role) << role << "DELETE FROM quillon.entries";
            QTest::addRow("%s truncate", role) << role << "TRUNCATE quillon.entries";
            QTest::addRow("%s update origins", role)
                << role << "UPDATE quillon.origins SET host = ''";
        }
        QTest::newRow("boss changes the register")
            << "boss" << "DELETE FROM quillon.location_summary";
        QTest::newRow("boss insert")
            << "boss"
            << "INSERT INTO quillon.origins VALUES (gen_random_uuid(), 'x')";
    }

    void pcRolesCannotChangeEntries()
    {
        QFETCH(QString, role);
        QFETCH(QString, sql);
        QVERIFY(teamDatabase("rights"));
        QString why;
        QVERIFY(m_cluster.run("SELECT count(*) FROM quillon.entries", "rights", &why, role));
        QVERIFY(!m_cluster.run(sql, "rights", &why, role));
        QVERIFY2(why.contains("permission denied"), qPrintable(why));
    }

    void connectionFailures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("reason");
        const QString list = QStringLiteral("list");
        QTest::newRow("a role the server does not know")
            << QStringList{list, "--server", m_cluster.conninfo("team", "nobody")} << 4
            << "refused";
        QTest::newRow("a read role cannot upload")
            << QStringList{"sync", "--db", m_dir.filePath("fresh.sqlite"), "--server",
                           m_cluster.conninfo("team", "boss")}
            << 4 << "refused";
        QTest::newRow("no team archive in that database")
            << QStringList{list, "--server", m_cluster.conninfo("postgres")} << 4 << "tables";
        QTest::newRow("no server there")
            << QStringList{list, "--server", "host=/nonexistent dbname=team"} << 4 << "reached";
        QTest::newRow("an unroutable host")
            << QStringList{list, "--server", "host=192.0.2.1 dbname=team"} << 4 << "reached";
        QTest::newRow("a string that cannot be read")
            << QStringList{list, "--server", "host='open"} << 1 << "--server";
    }

    void connectionFailures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QString, reason);
        if (!QFile::exists(m_dir.filePath("fresh.sqlite")))
            QVERIFY(!pcArchive("fresh.sqlite", "pc-east", 2).isEmpty());
        QElapsedTimer clock;
        clock.start();
        const CliResult r = runCli(QStringList{"archive"} + args);
        QCOMPARE(r.exit, exit);
        QVERIFY(clock.elapsed() < 15000);
        QVERIFY2(r.err.contains(reason.toUtf8()), r.err.constData());
        if (exit == 4)
            QCOMPARE(r.err.count('\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TeamArchiveTest)
#include "tst_team_archive.moc"
