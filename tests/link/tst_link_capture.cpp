// The capture command against the simulated instrument on a pseudo-terminal: the exact command
// bytes, the reply timer and its one retry, replies that carry another number, unsolicited
// records during a capture, cancelling, a closed or lost port, and replies that stop midway.
#include "LinkFixture.h"
#include "RecordGenerator.h"

#include "core/Module1.h"
#include "link/InstrumentLink.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace quillon;
using namespace quillon::test;
using sim::RecordGenerator;

class CaptureTest : public QObject, private LinkFixture
{
    Q_OBJECT

private:
    Capture& capture() { return m_link->capture(); }
    static QList<int> rowsOf(const QSignalSpy& spy)
    {
        QList<int> rows;
        for (const QList<QVariant>& args : spy)
            rows.append(args.at(0).toInt());
        return rows;
    }

    // Rows the bank took one way (a spy on Module1::rowChanged).
    static QList<int> rowsOf(const QSignalSpy& spy, StoreKind kind)
    {
        QList<int> rows;
        for (const QList<QVariant>& args : spy)
            if (args.at(1).value<StoreKind>() == kind)
                rows.append(args.at(0).toInt());
        return rows;
    }

private slots:
    void init() { makeLink(); }
    void cleanup() { dropLink(); }

    void captureOfThreeAndSevenSendsExactlyTheCommandsAndStoresBoth()
    {
        connectTo({"--no-pace"});
        QSignalSpy requested(&capture(), &Capture::memoryRequested);
        QSignalSpy progress(&capture(), &Capture::captureProgress);
        QString error;
        QVERIFY2(capture().start({6, 2}, &error), qPrintable(error));
        QVERIFY(m_module->capbusy);
        QVERIFY(m_finished->wait(5000));
        QCOMPARE(m_finished->at(0).at(0).toInt(), 2);
        QCOMPARE(m_finished->at(0).at(1).toInt(), 0);
        QVERIFY(!m_module->capbusy);
        QCOMPARE(rowsOf(*m_stored, StoreKind::Captured), (QList<int>{2, 6}));
        QCOMPARE(rowsOf(requested), (QList<int>{3, 7}));
        QCOMPARE(progress.count(), 2);
        QCOMPARE(progress.at(1), (QList<QVariant>{2, 2}));
        QVERIFY(rowsOf(*m_stored, StoreKind::Received).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->commands().size(), 12, 3000);
        QCOMPARE(m_sim->commands(), requestLines(3) + requestLines(7) + releaseLines());
        QCOMPARE(recordDifference(m_module->membank[2], RecordGenerator::generate(3)), QString());
        QCOMPARE(recordDifference(m_module->membank[6], RecordGenerator::generate(7)), QString());
        QVERIFY(m_module->marked[2] && m_module->marked[6]);
        QCOMPARE(std::count(m_module->marked.begin(), m_module->marked.end(), true), 2);
        // The working record is the last one received.
        QCOMPARE(recordDifference(m_module->recbuf, RecordGenerator::generate(7)), QString());
        QCOMPARE(m_module->reqmemno, 7);
    }

    void requestDigitsOfLargeMemoryNumbers()
    {
        connectTo({"--no-pace"});
        QVERIFY(capture().start({44, 199}));
        QVERIFY(m_finished->wait(5000));
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->commands().size(), 12, 3000);
        QCOMPARE(m_sim->commands(), requestLines(45) + requestLines(200) + releaseLines());
    }

    void captureWithNothingSelectedSendsOnlyTheRelease()
    {
        connectTo({"--no-pace"});
        const Record working = m_module->recbuf;
        QVERIFY(capture().start({}));
        QVERIFY(m_finished->count() == 1 || m_finished->wait(2000));
        QCOMPARE(m_finished->at(0), (QList<QVariant>{0, 0}));
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->commands(), releaseLines(), 3000);
        QVERIFY(m_module->recbuf == working);
        QVERIFY(!m_module->capbusy);
    }

    void neverAnsweredMemoryIsRequestedTwiceOneSecondApart()
    {
        connectTo({"--no-pace", "--no-reply", "9"});
        QSignalSpy requested(&capture(), &Capture::memoryRequested);
        QSignalSpy failed(&capture(), &Capture::memoryFailed);
        QList<qint64> times;
        QElapsedTimer clock;
        clock.start();
        connect(&capture(), &Capture::memoryRequested, this,
                [&] { times.append(clock.elapsed()); });
        connect(&capture(), &Capture::memoryFailed, this, [&] { times.append(clock.elapsed()); });
        const Bank bank = m_module->membank;
        QVERIFY(capture().start({8, 10}));
        QVERIFY(m_finished->wait(5000));
        QCOMPARE(rowsOf(requested), (QList<int>{9, 9, 11}));
        QCOMPARE(rowsOf(failed), (QList<int>{8}));
        QCOMPARE(rowsOf(*m_stored, StoreKind::Captured), (QList<int>{10}));
        QCOMPARE(m_finished->at(0), (QList<QVariant>{1, 1}));
        // Each wait ends about a second after its request.
        QCOMPARE(times.size(), 4);
        for (int i : {1, 2}) {
            const qint64 wait = times[i] - times[i - 1];
            QVERIFY2(wait >= 990 && wait <= 1300, qPrintable(QString::number(wait)));
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->commands().size(), 17, 3000);
        QCOMPARE(m_sim->commands(),
                 requestLines(9) + requestLines(9) + requestLines(11) + releaseLines());
        QVERIFY(m_module->membank[8] == bank[8]);
        QVERIFY(!m_module->marked[8]);
        QVERIFY(m_module->marked[10]);
    }

    void replyForAnotherMemoryIsStoredUnderTheRequestedOne()
    {
        connectTo({"--no-pace", "--reply-as", "9=5"});
        QVERIFY(capture().start({8}));
        QVERIFY(m_finished->wait(5000));
        QCOMPARE(rowsOf(*m_stored, StoreKind::Captured), (QList<int>{8}));
        QCOMPARE(recordDifference(m_module->membank[8], RecordGenerator::generate(5)), QString());
        QCOMPARE(memoryNumberOf(m_module->membank[8]), 5);
        QVERIFY(m_module->marked[8]);
        QVERIFY(!m_module->marked[4]);
    }

    void unsolicitedPathStandsAsideDuringCapture()
    {
        connectTo({"--no-pace", "--no-reply", "9"});
        QSignalSpy requested(&capture(), &Capture::memoryRequested);
        QVERIFY(capture().start({8}));
        QCOMPARE(requested.count(), 1);
        // The operator sends memory 5 from the instrument while memory 9 is awaited: the capture
        // owns the port and takes it as the reply.
        m_sim->control("send 5");
        QVERIFY(m_finished->wait(5000));
        QCOMPARE(requested.count(), 1);
        QCOMPARE(rowsOf(*m_stored, StoreKind::Captured), (QList<int>{8}));
        QVERIFY(rowsOf(*m_stored, StoreKind::Received).isEmpty());
        QCOMPARE(memoryNumberOf(m_module->membank[8]), 5);
        QVERIFY(!m_module->marked[4]);
        // Once the capture has ended, records sent on their own are stored under their number.
        m_sim->control("send 6");
        QVERIFY(m_stored->wait(5000));
        QCOMPARE(rowsOf(*m_stored, StoreKind::Received), (QList<int>{5}));
    }

    void replyThatStopsMidwayIsAbandonedAndRequestedAgain()
    {
        connectTo({"--no-pace", "--cut", "4=600"});
        QSignalSpy requested(&capture(), &Capture::memoryRequested);
        QSignalSpy failed(&capture(), &Capture::memoryFailed);
        QSignalSpy status(m_link.get(), &InstrumentLink::statusMessage);
        const Bank bank = m_module->membank;
        QVERIFY(capture().start({3}));
        QVERIFY(m_finished->wait(8000));
        QCOMPARE(rowsOf(requested), (QList<int>{4, 4}));
        QCOMPARE(rowsOf(failed), (QList<int>{3}));
        QCOMPARE(status.count(), 2);
        QVERIFY(m_module->membank == bank);
        QVERIFY(!m_module->marked[3]);
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->commands(),
                                  requestLines(4) + requestLines(4) + releaseLines(), 3000);
    }

    void cancelStopsAfterTheCurrentMemoryAndStillReleases()
    {
        connectTo({"--no-pace"});
        connect(&capture(), &Capture::memoryRequested, this, [this](int memory) {
            if (memory == 3)
                capture().cancel();
        });
        QVERIFY(capture().start({1, 2, 3, 4}));
        QVERIFY(m_finished->wait(5000));
        QVERIFY(capture().wasCancelled());
        QCOMPARE(rowsOf(*m_stored, StoreKind::Captured), (QList<int>{1, 2}));
        QCOMPARE(m_finished->at(0), (QList<QVariant>{2, 0}));
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->commands(),
                                  requestLines(2) + requestLines(3) + releaseLines(), 3000);
        QVERIFY(!m_module->capbusy);
    }

    void captureIsRefusedWhileItCannotRun()
    {
        QString error;
        QVERIFY(!capture().start({1}, &error));
        QVERIFY2(error.contains("No serial port is open"), qPrintable(error));
        QVERIFY(!m_module->capbusy);

        connectTo({"--no-pace", "--no-reply", "1"});
        QVERIFY(capture().start({0}));
        QVERIFY(!capture().start({1}, &error));
        QVERIFY2(error.contains("already running"), qPrintable(error));
    }

    void portLostDuringCaptureEndsItAndFailsTheRest()
    {
        connectTo({"--no-pace", "--no-reply", "9"});
        QSignalSpy failed(&capture(), &Capture::memoryFailed);
        QSignalSpy lost(m_link.get(), &InstrumentLink::portLost);
        QVERIFY(capture().start({8, 9, 10}));
        QTest::qWait(300);
        m_sim->kill();
        QVERIFY(m_finished->wait(3000));
        QCOMPARE(rowsOf(failed), (QList<int>{8, 9, 10}));
        QCOMPARE(m_finished->at(0), (QList<QVariant>{0, 3}));
        QVERIFY(!m_module->capbusy);
        QTest::qWait(1500); // the reply timer, had it been left running, would fire here
        QCOMPARE(lost.count(), 1);
        QCOMPARE(m_finished->count(), 1);
        QVERIFY(!m_link->isOpen());
        QVERIFY(!capture().start({1}));
    }

    void frameArrivingAfterItsTimerRanOutIsStillTaken()
    {
        // The reply starts within the second but takes longer than that to arrive (paced): the
        // timer's expiry during the frame changes nothing.
        connectTo({"--reply-delay", "600"});
        QSignalSpy requested(&capture(), &Capture::memoryRequested);
        QVERIFY(capture().start({4}));
        QVERIFY(m_finished->wait(6000));
        QCOMPARE(requested.count(), 1);
        QCOMPARE(rowsOf(*m_stored, StoreKind::Captured), (QList<int>{4}));
    }
};

QTEST_GUILESS_MAIN(CaptureTest)
#include "tst_link_capture.moc"
