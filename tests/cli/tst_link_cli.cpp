// quillon-cli capture and listen run as a user runs them, against the simulated instrument.
#include "RecordGenerator.h"
#include "support/CliRun.h"
#include "support/FileBytes.h"
#include "support/SimProcess.h"

#include "core/BankFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::test;

class LinkCliTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void captureStoresRepliesAndReportsEachMemory()
    {
        SimProcess sim({"--no-pace", "--no-reply", "9"});
        QVERIFY(sim.start());
        const QString out = m_dir.filePath("capture.dat");
        const CliResult r =
            runCli({"capture", "--port", sim.device(), "--memories", "9,3,7", "-o", out});
        QCOMPARE(r.out, QByteArray("Mem 3 stored\nMem 7 stored\nMem 9 no reply\n"));
        QCOMPARE(r.exit, 3);
        QCOMPARE(sim.commands(), requestLines(3) + requestLines(7) + requestLines(9) +
                                     requestLines(9) + releaseLines());
        const auto bank = readBankFile(out);
        QVERIFY(bank);
        for (int row = 0; row < kMemoryCount; ++row)
            QCOMPARE(bank->marks[row], row == 2 || row == 6);
        QCOMPARE(recordDifference(bank->bank[6], sim::RecordGenerator::generate(7)), QString());
    }

    void captureIntoABankKeepsItsMemoriesAndSucceedsWhenAllArrive()
    {
        SimProcess sim({"--no-pace", "--reply-as", "4=150"});
        QVERIFY(sim.start());
        const QString first = m_dir.filePath("first.dat");
        QCOMPARE(runCli({"capture", "--port", sim.device(), "--memories", "20", "-o", first}).exit,
                 0);
        const QString second = m_dir.filePath("second.dat");
        const CliResult r = runCli({"capture", "--port", sim.device(), "--memories", "4-5",
                                    "--into", first, "-o", second});
        QCOMPARE(r.exit, 0);
        QCOMPARE(r.out, QByteArray("Mem 4 stored\nMem 5 stored\n"));
        const auto bank = readBankFile(second);
        QVERIFY(bank);
        QVERIFY(bank->marks[19]);
        QVERIFY(bank->marks[4]);
        // Stored under the number asked for, whatever the record says (a bank file marks a row
        // by the number its record carries, so row 4 reads unmarked when loaded).
        QCOMPARE(memoryNumberOf(bank->bank[3]), 150);
        QCOMPARE(bank->bank[3][kNoteFirst], sim::RecordGenerator::generate(150)[kNoteFirst]);
        QVERIFY(!bank->marks[149]);
        QCOMPARE(memoryNumberOf(bank->bank[149]), 0);
    }

    void simulatorServesTheMemoriesOfABankFile()
    {
        // A bank whose memory 5 holds another record (the generator's memory 77 renumbered).
        Record five = sim::RecordGenerator::generate(77);
        sim::RecordGenerator::setMemoryNumberText(five, "5");
        auto source = std::make_unique<Bank>();
        for (Record& row : *source)
            initialiseBankRow(row);
        (*source)[4] = five;
        const QString bankPath = m_dir.filePath("instrument.dat");
        QVERIFY(writeBytes(bankPath, writeBank(*source)));

        SimProcess sim({"--no-pace", "--bank", bankPath});
        QVERIFY(sim.start());
        const QString out = m_dir.filePath("from-bank.dat");
        const CliResult r =
            runCli({"capture", "--port", sim.device(), "--memories", "5", "-o", out});
        QCOMPARE(r.exit, 0);
        const auto bank = readBankFile(out);
        QVERIFY(bank);
        QVERIFY(bank->marks[4]);
        QCOMPARE(recordDifference(bank->bank[4], five), QString());
    }

    void captureRefusesWhatItCannotUse_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        const auto row = [](const char* name, const QStringList& args, int exit) {
            QTest::newRow(name) << args << exit;
        };
        row("no port", {"capture", "--memories", "3", "-o", "x.dat"}, 1);
        row("no output", {"capture", "--port", "P", "--memories", "3"}, 1);
        row("output on stdout", {"capture", "--port", "P", "--memories", "3", "-o", "-"}, 1);
        row("memory 0", {"capture", "--port", "P", "--memories", "0", "-o", "x"}, 1);
        row("memory 201", {"capture", "--port", "P", "--memories", "3,201", "-o", "x"}, 1);
        row("stray argument", {"capture", "--port", "P", "--memories", "3", "-o", "x", "more"}, 1);
        row("missing bank",
            {"capture", "--port", "P", "--memories", "3", "--into", "/nonexistent/b.dat", "-o",
             "x"},
            2);
        row("missing device",
            {"capture", "--port", "/dev/quillon-none", "--memories", "3", "-o", "x"}, 3);
        row("listen without port", {"listen", "-o", "x"}, 1);
        row("listen count 0", {"listen", "--port", "P", "--count", "0", "-o", "x"}, 1);
        row("listen bad timeout", {"listen", "--port", "P", "--timeout", "soon", "-o", "x"}, 1);
        row("listen missing device", {"listen", "--port", "/dev/quillon-none", "-o", "x"}, 3);
    }

    void captureRefusesWhatItCannotUse()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        for (QString& a : args)
            if (a == "x" || a == "x.dat")
                a = m_dir.filePath(a);
        const CliResult r = runCli(args);
        QCOMPARE(r.exit, exit);
        QCOMPARE(r.out, QByteArray());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(!QFile::exists(m_dir.filePath("x")));
    }

    void listenStoresWhatTheInstrumentSends()
    {
        SimProcess sim({"--no-pace", "--noise", "10"});
        QVERIFY(sim.start());
        const QString out = m_dir.filePath("listen.dat");
        QProcess cli;
        cli.start(SimProcess::cliBinary(),
                  {"listen", "--port", sim.device(), "--count", "2", "--timeout", "15", "-o", out});
        QVERIFY(cli.waitForStarted());
        QVERIFY(waitUntilOpened(cli, sim.device()));
        // Each record is sent once the one before is dealt with: bytes that arrive while a frame
        // is being finished are dropped with the rest of the line's queue.
        QByteArray printed, err;
        const auto said = [&](const QByteArray& line) {
            printed += cli.readAllStandardOutput();
            err += cli.readAllStandardError();
            return printed.contains(line) || err.contains(line);
        };
        sim.control("send 4");
        QTRY_VERIFY_WITH_TIMEOUT(said("Mem 4 stored"), 5000);
        sim.control("send 5 number 0"); // no bank row: not stored, not counted
        QTRY_VERIFY_WITH_TIMEOUT(said("not stored"), 5000);
        sim.control("send 6 cut 300"); // stops: abandoned after 2 s
        QTRY_VERIFY_WITH_TIMEOUT(said("abandoned"), 5000);
        sim.control("send 7");
        const CliResult r = finish(cli);
        QCOMPARE(r.exit, 0);
        QCOMPARE(printed + r.out, QByteArray("Mem 4 stored\nMem 7 stored\n"));
        QVERIFY2((err + r.err).contains("not stored"), (err + r.err).constData());
        const auto bank = readBankFile(out);
        QVERIFY(bank);
        for (int row = 0; row < kMemoryCount; ++row)
            QCOMPARE(bank->marks[row], row == 3 || row == 6);
        // Nothing requested: listening never writes to the instrument.
        QCOMPARE(sim.commands(), QStringList());
    }

    void listenEndsAtItsTimeLimit()
    {
        SimProcess sim({"--no-pace"});
        QVERIFY(sim.start());
        const QString out = m_dir.filePath("quiet.dat");
        CliResult r = runCli({"listen", "--port", sim.device(), "--timeout", "0.5", "-o", out});
        QCOMPARE(r.exit, 0);
        QCOMPARE(r.out, QByteArray());
        QVERIFY(readBankFile(out));
        // Fewer records than asked for by the time limit is a failure.
        r = runCli(
            {"listen", "--port", sim.device(), "--count", "1", "--timeout", "0.5", "-o", out});
        QCOMPARE(r.exit, 3);
    }

    void listenEndsWhenThePortIsLostOrOnInterruptAndKeepsWhatArrived_data()
    {
        QTest::addColumn<bool>("interrupted");
        QTest::addColumn<int>("memory");
        QTest::newRow("lost") << false << 8;
        QTest::newRow("interrupted") << true << 11;
    }

    void listenEndsWhenThePortIsLostOrOnInterruptAndKeepsWhatArrived()
    {
        // A lost port is a failure, an interrupt is not.
        QFETCH(bool, interrupted);
        QFETCH(int, memory);
        SimProcess sim({"--no-pace"});
        QVERIFY(sim.start());
        const QString out = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".dat");
        QProcess cli;
        cli.start(SimProcess::cliBinary(), {"listen", "--port", sim.device(), "-o", out});
        QVERIFY(cli.waitForStarted());
        QVERIFY(waitUntilOpened(cli, sim.device()));
        sim.control(QStringLiteral("send %1").arg(memory));
        QTRY_VERIFY_WITH_TIMEOUT(cli.canReadLine(), 5000); // stored
        if (interrupted)
            cli.terminate();
        else
            sim.kill();
        const CliResult r = finish(cli);
        QCOMPARE(r.exit, interrupted ? 0 : 3);
        QCOMPARE(r.out, QStringLiteral("Mem %1 stored\n").arg(memory).toLatin1());
        if (!interrupted)
            QCOMPARE(r.err.count("lost"), 1);
        const auto bank = readBankFile(out);
        QVERIFY(bank && bank->marks[memory - 1]);
    }
};

QTEST_GUILESS_MAIN(LinkCliTest)
#include "tst_link_cli.moc"
