// quillon-cli with an archive: listen and capture append what they store, and the archive
// command lists, shows and exports the entries.
#include "support/CliRun.h"
#include "support/FileBytes.h"
#include "support/SimProcess.h"

#include "core/BankFile.h"
#include "core/NoteLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using test::SimProcess;

namespace
{
using Result = test::CliResult;
using test::finish;
using test::runCli;
using test::waitUntilOpened;

BankFileContents bankOf(const QString& path)
{
    BankFileContents contents;
    if (!readBank(test::contentsOf(path), contents, nullptr))
        qWarning() << "no bank file" << path;
    return contents;
}

QJsonArray listed(const QStringList& args)
{
    const Result r = runCli(QStringList{"archive", "list"} + args);
    if (r.exit != 0)
        qWarning() << r.err;
    return QJsonDocument::fromJson(r.out).object().value("entries").toArray();
}
} // namespace

class ArchiveCliTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_db;
    QString m_device;

private slots:
    void listenAndCaptureAppend()
    {
        SimProcess sim({"--no-pace"});
        QVERIFY(sim.start());
        m_device = sim.device();
        m_db = m_dir.filePath("new/archive.sqlite"); // the folder must exist; the file is made
        QVERIFY(QDir().mkpath(m_dir.filePath("new")));
        QProcess cli;
        cli.start(SimProcess::cliBinary(),
                  {"listen", "--port", sim.device(), "--count", "2", "--timeout", "15", "--archive",
                   m_db, "-o", m_dir.filePath("listen.dat")});
        QVERIFY(waitUntilOpened(cli, sim.device()));
        sim.control("send 4");
        sim.control("send 7");
        Result r = finish(cli);
        QCOMPARE(r.exit, 0);
        QCOMPARE(r.out, QByteArray("Mem 4 stored\nMem 7 stored\n"));
        r = runCli({"capture", "--port", sim.device(), "--memories", "3", "--archive", m_db, "-o",
                    m_dir.filePath("capture.dat")});
        QCOMPARE(r.exit, 0);
        QCOMPARE(r.out, QByteArray("Mem 3 stored\n"));

        const QJsonArray entries = listed({"--db", m_db});
        QCOMPARE(entries.size(), 3);
        const BankFileContents bank = bankOf(m_dir.filePath("listen.dat"));
        const QRegularExpression utc(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z$)");
        const QList<int> memories{4, 7, 3};
        for (int i = 0; i < 3; ++i) {
            const QJsonObject e = entries[i].toObject();
            QCOMPARE(e["id"].toInt(), i + 1);
            QCOMPARE(e["kind"].toString(), i < 2 ? "received" : "captured");
            QCOMPARE(e["memory"].toInt(), memories[i]);
            QCOMPARE(e["source"].toString(), sim.device());
            QVERIFY2(utc.match(e["time"].toString()).hasMatch(), qPrintable(e["time"].toString()));
            QCOMPARE(e["notes"].toArray().size(), kNoteLines);
            if (i < 2) {
                Record row{};
                std::copy_n(bank.bank[memories[i] - 1].begin(), kBankFilePositions, row.begin());
                const NoteTexts notes = noteTexts(row);
                for (int n = 0; n < kNoteLines; ++n)
                    QCOMPARE(e["notes"].toArray()[n].toString(), notes[n]);
            }
        }
    }

    void listFilters()
    {
        QVERIFY(!m_db.isEmpty());
        QCOMPARE(listed({"--db", m_db, "--memory", "7"}).size(), 1);
        QCOMPARE(listed({"--db", m_db, "--memory", "8"}).size(), 0);
        // A word of memory 7's notes finds it; typed syntax is only text.
        const QJsonArray seven = listed({"--db", m_db, "--memory", "7"});
        QString word;
        for (const QJsonValue line : seven[0].toObject()["notes"].toArray())
            if (word.isEmpty())
                word = line.toString().section(QRegularExpression("[^A-Za-z0-9]+"), 0, 0,
                                               QString::SectionSkipEmpty);
        QVERIFY(!word.isEmpty());
        const QJsonArray found = listed({"--db", m_db, "--search", word.toLower() + " (\"*"});
        QVERIFY(!found.isEmpty());
        bool hasSeven = false;
        for (const QJsonValue e : found)
            hasSeven = hasSeven || e.toObject()["memory"].toInt() == 7;
        QVERIFY(hasSeven);
        const QDate utcToday = QDateTime::currentDateTimeUtc().date();
        const QString today = utcToday.toString(Qt::ISODate);
        const QString tomorrow = utcToday.addDays(1).toString(Qt::ISODate);
        const QString yesterday = utcToday.addDays(-1).toString(Qt::ISODate);
        QCOMPARE(listed({"--db", m_db, "--since", today, "--until", today}).size(), 3);
        QCOMPARE(listed({"--db", m_db, "--since", tomorrow}).size(), 0);
        QCOMPARE(listed({"--db", m_db, "--until", yesterday}).size(), 0);
        const QString first = listed({"--db", m_db})[0].toObject()["time"].toString();
        QCOMPARE(listed({"--db", m_db, "--until", first}).size(), 1); // an instant is included
    }

    void showAndExport()
    {
        QVERIFY(!m_db.isEmpty());
        Result shown = runCli({"archive", "show", "--db", m_db, "--id", "2"});
        QCOMPARE(shown.exit, 0);
        const Result record =
            runCli({"record", "--bank", m_dir.filePath("listen.dat"), "--memory", "7"});
        QCOMPARE(record.exit, 0);
        const QJsonObject a = QJsonDocument::fromJson(shown.out).object();
        const QJsonObject b = QJsonDocument::fromJson(record.out).object();
        QCOMPARE(a["memory"].toInt(), 7);
        QCOMPARE(a["panel"], b["panel"]);
        QCOMPARE(a["notes"], b["notes"]);
        for (int p = 0; p < kBankFilePositions; ++p)
            QCOMPARE(a["positions"].toArray()[p], b["positions"].toArray()[p]);

        const QString out = m_dir.filePath("export.dat");
        const Result r = runCli({"archive", "export", "--db", m_db, "--ids", "3,1", "-o", out});
        QCOMPARE(r.exit, 0);
        const BankFileContents exported = bankOf(out);
        const BankFileContents listenBank = bankOf(m_dir.filePath("listen.dat"));
        const BankFileContents captureBank = bankOf(m_dir.filePath("capture.dat"));
        for (int row = 0; row < kMemoryCount; ++row)
            QCOMPARE(exported.marks[row], row == 2 || row == 3);
        QVERIFY(exported.bank[3] == listenBank.bank[3]);
        QVERIFY(exported.bank[2] == captureBank.bank[2]);
        QVERIFY(exported.bank[6] != listenBank.bank[6]); // not listed
    }

    void exitStatuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        const QString none = QDir::temp().filePath("quillon-no-such-archive.sqlite");
        QTest::newRow("list, no db") << QStringList{"archive", "list", "--db", none} << 2;
        QTest::newRow("show, no db")
            << QStringList{"archive", "show", "--db", none, "--id", "1"} << 2;
        QTest::newRow("export, no db")
            << QStringList{"archive", "export", "--db", none, "--ids", "1", "-o", "x.dat"} << 2;
        QTest::newRow("show, no entry") << QStringList{"archive", "show", "--id", "99"} << 2;
        QTest::newRow("export, no entry")
            << QStringList{"archive", "export", "--ids", "1,99", "-o", "x.dat"} << 2;
        QTest::newRow("no --db") << QStringList{"archive", "list"} << 1;
        QTest::newRow("bad memory") << QStringList{"archive", "list", "--memory", "201"} << 1;
        QTest::newRow("bad date") << QStringList{"archive", "list", "--since", "soon"} << 1;
        QTest::newRow("unknown") << QStringList{"archive", "drop"} << 1;
    }

    void exitStatuses()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        if (!args.contains("--db") && args.size() > 2)
            args << "--db" << m_db;
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        const Result r = runCli(args);
        QDir::setCurrent(cwd);
        QCOMPARE(r.exit, exit);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(!QFile::exists(m_dir.filePath("x.dat")));
    }
};

QTEST_GUILESS_MAIN(ArchiveCliTest)
#include "tst_archive_cli.moc"
