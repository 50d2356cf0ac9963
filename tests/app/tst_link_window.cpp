// The instrument link through the real window, against the simulated instrument on a
// pseudo-terminal: records the instrument sends, capture of selected memories with its progress
// and Cancel, the port named in "dfd.cfg" at start-up and the port selection when it does not
// open, working without a port, a port that goes away and comes back, and the port list following
// the ports while the selection is open.
#include "link/RefusedUser.h"
#include "support/BankRows.h"
#include "support/DataRows.h"
#include "support/FileBytes.h"
#include "support/MessageBoxes.h"
#include "support/SimProcess.h"
#include "view/MemoryList.h"

#include "PseudoTerminal.h"
#include "RecordGenerator.h"

#include "app/CaptureProgress.h"
#include "app/LinkController.h"
#include "app/MainWindow.h"
#include "app/PortSelectionWindow.h"
#include "app/StartedApplication.h"
#include "core/DisplaySnapshot.h"
#include "link/InstrumentLink.h"
#include "link/PortPermission.h"
#include "link/PortWatcher.h"
#include "view/AscanView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::test;

namespace
{

// A frame takes a good second at 9600 baud; unpaced it takes a few milliseconds.
constexpr int kArrival = 8000;
// The port watcher looks once a second; a change is seen at the next look, or a few looks
// later on a loaded machine.
constexpr int kSeen = 15 * int(PortWatcher::kPollInterval.count());

QString describe(const AscanDrawing& drawing)
{
    QStringList out;
    auto pts = [](const QVector<QPointF>& points) {
        QStringList p;
        for (const QPointF& q : points)
            p << QStringLiteral("%1,%2").arg(q.x()).arg(q.y());
        return p.join(u' ');
    };
    for (const AscanItem& item : drawing.items) {
        if (const auto* l = std::get_if<LineItem>(&item))
            out << QStringLiteral("line %1 %2 %3 %4 %5")
                       .arg(l->x1)
                       .arg(l->y1)
                       .arg(l->x2)
                       .arg(l->y2)
                       .arg(l->color.name());
        else if (const auto* p = std::get_if<PolylineItem>(&item))
            out << QStringLiteral("polyline %1 %2").arg(p->color.name(), pts(p->points));
        else if (const auto* d = std::get_if<DotsItem>(&item))
            out << QStringLiteral("dots %1 %2").arg(d->color.name(), pts(d->points));
        else if (const auto* t = std::get_if<TextItem>(&item))
            out << QStringLiteral("text %1 %2 %3").arg(t->x).arg(t->y).arg(t->text);
    }
    return out.join(u'\n');
}

// What the window shows, as text that QCOMPARE can tell apart.
QString describe(const DisplaySnapshot& s)
{
    QStringList out{describe(s.drawing), s.panel.txttmdt};
    for (const QString& b : s.panel.boxes)
        out << b;
    for (const QString& r : s.panel.readouts)
        out << r;
    for (const QString& n : s.notes)
        out << n;
    return out.join(u'\n');
}

// The record the simulator sends for `memory`; with --data-255 it carries 255 in a sample, a DAC
// amplitude and the last note character.
Record sentRecord(int memory, bool data255 = false)
{
    Record r = sim::RecordGenerator::generate(memory);
    if (data255) {
        r[60] = 255;
        r[kDacFirst + 3] = 255;
        r[kNoteFirst + kNoteLines * kNoteLength - 1] = 255;
    }
    return r;
}

// The positions a frame carries: the samples 0..250 and 260..801.
void compareReceived(const Record& stored, const Record& sent)
{
    QString why;
    QVERIFY2(holdsRecord(stored, sent, &why), qPrintable(why));
}

// Answers the "File Error" message of a start-up without a port and waits for the port
// selection form it leads to; null when the message or the form does not come.
PortSelectionWindow* portFormAfterFileError(MainWindow& w)
{
    QMessageBox* message = shownMessage();
    if (!message)
        return nullptr;
    pressOk(message);
    auto* form = w.findChild<PortSelectionWindow*>(QStringLiteral("frmoption"));
    if (!form || !QTest::qWaitFor([form] { return form->isVisible(); }))
        return nullptr;
    return form;
}

// The program started where its port cannot be used, the message answered: the port selection
// is open (form is null when it did not open).
struct StartedAtPortSelection {
    explicit StartedAtPortSelection(bool pellisor = false) : app(pellisor) {}
    StartedApplication app;
    MainWindow& w = app.window();
    PortSelectionWindow* form = portFormAfterFileError(w);
};

QString status(MainWindow& w)
{
    return w.statusBar()->currentMessage();
}

void writeConfig(const QByteArray& contents)
{
    QVERIFY(writeBytes(QStringLiteral("dfd.cfg"), contents));
}

void select(MainWindow& w, std::initializer_list<int> rows)
{
    w.lstmem->clearSelection();
    for (int row : rows)
        w.lstmem->setRowSelected(row, true);
}

// Names `device` under "Other port" and presses Ok.
void okWithOtherPort(PortSelectionWindow* form, const QString& device)
{
    QTest::mouseClick(form->optother, Qt::LeftButton);
    form->cboport->setEditText(device);
    form->cmdok->click();
}

// The simulator started with `arguments`.
void runSim(SimProcess& sim, const QStringList& arguments)
{
    QString error;
    QVERIFY2(sim.start(arguments, &error), qPrintable(error));
}

} // namespace

class LinkWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_workDir;

    // The simulator started with `arguments`, named in "dfd.cfg".
    void startSim(SimProcess& sim, const QStringList& arguments)
    {
        runSim(sim, arguments);
        writeConfig(QFile::encodeName(sim.device()) + "\r\n");
    }

private slots:
    void init()
    {
        m_workDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_workDir->isValid());
        QVERIFY(QDir::setCurrent(m_workDir->path()));
        qputenv("QUILLON_ARCHIVE", QFile::encodeName(m_workDir->filePath("archive.sqlite")));
    }

    void unsolicitedFramesAreMarkedAndDrawn_data() { addEditionRows(); }
    void unsolicitedFramesAreMarkedAndDrawn()
    {
        QFETCH(bool, pellisor);
        SimProcess sim;
        startSim(sim, {"--no-pace", "--noise", "25", "--gap", "7", "--data-255"});
        StartedApplication app(pellisor);
        MainWindow& w = app.window();
        QVERIFY(w.isVisible());
        QCOMPARE(status(w), QStringLiteral("Port %1 is open.").arg(sim.device()));
        const Bank before = app.module().membank;

        sim.control("send 7");
        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(6), QStringLiteral("Mem 7 *"), kArrival);
        compareReceived(app.module().membank[6], sentRecord(7, true));
        QCOMPARE(app.module().membank[6][60], 255); // a sample of 255 is data, not a start byte
        for (int row = 0; row < kMemoryCount; ++row) {
            if (row == 6)
                continue;
            QCOMPARE(w.lstmem->itemText(row), QStringLiteral("Mem %1").arg(row + 1));
            QVERIFY(app.module().membank[row] == before[row]);
        }
        // Drawn: the window shows exactly what the record of memory 7 shows.
        QCOMPARE(describe(w.displayedSnapshot()), describe(snapshotOf(sentRecord(7, true))));
        QVERIFY(status(w).contains(QStringLiteral("Mem 7")));

        // Another memory, then memory 7 again: still one item for it, the newest record drawn.
        sim.control("send 12 noise 60");
        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(11), QStringLiteral("Mem 12 *"), kArrival);
        QCOMPARE(describe(w.displayedSnapshot()), describe(snapshotOf(sentRecord(12, true))));
        sim.control("send 7");
        QTRY_COMPARE_WITH_TIMEOUT(describe(w.displayedSnapshot()),
                                  describe(snapshotOf(sentRecord(7, true))), kArrival);
        QCOMPARE(w.lstmem->count(), kMemoryCount);
        QCOMPARE(w.lstmem->model()
                     ->match(w.lstmem->model()->index(0, 0), Qt::DisplayRole,
                             QRegularExpression(QStringLiteral("^Mem 7( \\*)?$")), -1,
                             Qt::MatchRegularExpression)
                     .size(),
                 1);
        QCOMPARE(w.lstmem->itemText(6), QStringLiteral("Mem 7 *"));
    }

    void slowFrameKeepsTheWindowWorking()
    {
        SimProcess sim;
        startSim(sim, {"--no-pace"});
        StartedApplication app;
        MainWindow& w = app.window();
        auto* link = w.findChild<LinkController*>(QStringLiteral("linkController"));
        QVERIFY(link);

        // 1.5 s of silence in the middle of the frame: less than the limit for a stalled frame.
        sim.control("send 4 pause 600 1500");
        QTRY_VERIFY_WITH_TIMEOUT(link->link().reception().inFrame(), kArrival);
        // Meanwhile the window answers: a memory opens from the list and its notes can be saved.
        w.lstmem->setRowSelected(1, true);
        w.lstmem_DblClick();
        QCOMPARE(app.module().curmem, 1);
        w.txtnoteLn[0]->setText(QStringLiteral("typed during"));
        w.cmdtxtsav->click();
        QVERIFY(app.module().membank[1][kNoteFirst] == 't');
        QVERIFY(link->link().reception().inFrame());
        QCOMPARE(w.lstmem->itemText(3), QStringLiteral("Mem 4"));

        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(3), QStringLiteral("Mem 4 *"), kArrival);
        compareReceived(app.module().membank[3], sentRecord(4));
        QCOMPARE(describe(w.displayedSnapshot()), describe(snapshotOf(sentRecord(4))));
    }

    void framesWithoutBankRowAreNotStored()
    {
        SimProcess sim;
        startSim(sim, {"--no-pace"});
        StartedApplication app;
        MainWindow& w = app.window();
        const Bank before = app.module().membank;
        const QString shown = describe(w.displayedSnapshot());
        QSignalSpy rejected(&w.findChild<LinkController*>()->link().reception(),
                            &Reception::frameRejected);

        sim.control("send 5 number 0");
        QVERIFY(rejected.wait(kArrival));
        QVERIFY2(status(w).contains(QStringLiteral("not stored")), qPrintable(status(w)));
        sim.control("send 5 number 250");
        QVERIFY(rejected.wait(kArrival));
        QVERIFY2(status(w).contains(QStringLiteral("250")), qPrintable(status(w)));

        QVERIFY(app.module().membank == before);
        for (int row = 0; row < kMemoryCount; ++row)
            QVERIFY(!app.module().marked[row]);
        QCOMPARE(w.lstmem->itemText(4), QStringLiteral("Mem 5"));
        QCOMPARE(describe(w.displayedSnapshot()), shown);
    }

    void frameThatStopsIsAbandoned()
    {
        SimProcess sim;
        startSim(sim, {"--no-pace"});
        StartedApplication app;
        MainWindow& w = app.window();
        const Bank before = app.module().membank;

        sim.control("send 6 cut 700");
        QTRY_VERIFY2_WITH_TIMEOUT(status(w).contains(QStringLiteral("abandoned")),
                                  qPrintable(status(w)), kArrival);
        QVERIFY(app.module().membank == before);
        QCOMPARE(w.lstmem->itemText(5), QStringLiteral("Mem 6"));

        // The reader searches again: the next whole frame is stored.
        sim.control("send 6");
        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(5), QStringLiteral("Mem 6 *"), kArrival);
        compareReceived(app.module().membank[5], sentRecord(6));
    }

    void captureStoresSelectedAndUnselectsThem_data() { addEditionRows(); }
    void captureStoresSelectedAndUnselectsThem()
    {
        QFETCH(bool, pellisor);
        SimProcess sim;
        startSim(sim, {"--no-pace", "--no-reply", "5", "--noise", "9"});
        StartedApplication app(pellisor);
        MainWindow& w = app.window();
        CaptureProgress* progress = w.findChild<CaptureProgress*>();
        QVERIFY(progress);
        QVERIFY(!progress->isVisible());

        select(w, {2, 4, 6});
        w.cmdcapture->click();
        QVERIFY(progress->isVisible());
        QVERIFY(!w.cmdcapture->isEnabled());
        QVERIFY2(progress->lblprogress->text().contains(QStringLiteral("memory 1 of 3")),
                 qPrintable(progress->lblprogress->text()));
        // A trace stays on display: the sample echo until memory 3 comes, then memory 3.
        QVERIFY(!w.ascanDrawing().items.empty());
        // Memory 5 never answers: asked twice, a second each.
        QTRY_VERIFY_WITH_TIMEOUT(progress->lblprogress->text().contains(QStringLiteral("2 of 3")),
                                 kArrival);
        QCOMPARE(w.shownRow(), 2);
        QCOMPARE(describe(w.displayedSnapshot()), describe(snapshotOf(sentRecord(3))));
        QTRY_VERIFY_WITH_TIMEOUT(!progress->isVisible(), kArrival);
        QVERIFY(w.cmdcapture->isEnabled());

        const QStringList expected =
            requestLines(3) + requestLines(5) + requestLines(5) + requestLines(7) + releaseLines();
        QTRY_COMPARE_WITH_TIMEOUT(sim.commands(), expected, 2000);

        QCOMPARE(w.lstmem->itemText(2), QStringLiteral("Mem 3 *"));
        QCOMPARE(w.lstmem->itemText(6), QStringLiteral("Mem 7 *"));
        QCOMPARE(w.lstmem->itemText(4), QStringLiteral("Mem 5"));
        QCOMPARE(w.selectedRows(), QList<int>{4});
        compareReceived(app.module().membank[2], sentRecord(3));
        compareReceived(app.module().membank[6], sentRecord(7));
        QCOMPARE(status(w),
                 QStringLiteral("Capture ended: 2 stored, 1 without reply (still selected)."));
        // The last record received is on display, and it is the memory notes are saved into.
        QCOMPARE(describe(w.displayedSnapshot()), describe(snapshotOf(sentRecord(7))));
        QCOMPARE(w.shownRow(), 6);
        QCOMPARE(app.module().curmem, 6);
    }

    void replyForAnotherMemoryIsStoredAsRequested()
    {
        SimProcess sim;
        startSim(sim, {"--no-pace", "--reply-as", "9=5"});
        StartedApplication app;
        MainWindow& w = app.window();

        select(w, {8});
        w.cmdcapture->click();
        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(8), QStringLiteral("Mem 9 *"), kArrival);
        compareReceived(app.module().membank[8], sentRecord(5));
        QCOMPARE(w.lstmem->itemText(4), QStringLiteral("Mem 5"));
        QVERIFY(!app.module().marked[4]);
        QVERIFY(w.selectedRows().isEmpty());
    }

    void captureWithNothingSelectedOnlyReleases()
    {
        SimProcess sim;
        startSim(sim, {"--no-pace"});
        StartedApplication app;
        MainWindow& w = app.window();
        test::putRow(app.module(), 2, sentRecord(3));
        w.openMemory(2);
        w.picascan->setDrawing({});

        w.cmdcapture->click();
        QTRY_COMPARE_WITH_TIMEOUT(sim.commands(), releaseLines(), 2000);
        // The working record is drawn again.
        QCOMPARE(describe(w.displayedSnapshot()), describe(snapshotOf(sentRecord(3))));
        QVERIFY(status(w).contains(QStringLiteral("No memory is selected")));
        QVERIFY(w.cmdcapture->isEnabled());
    }

    void cancelStopsAfterTheCurrentMemoryAndReleases()
    {
        SimProcess sim;
        startSim(sim, {}); // paced: a frame takes over a second
        StartedApplication app;
        MainWindow& w = app.window();
        CaptureProgress* progress = w.findChild<CaptureProgress*>();

        select(w, {0, 1, 2, 3, 4, 5});
        w.cmdcapture->click();
        QVERIFY(progress->lblprogress->text().contains(QStringLiteral("memory 1 of 6")));
        progress->cmdcancelcapture->click();
        QVERIFY(!progress->cmdcancelcapture->isEnabled());
        QVERIFY(progress->lblprogress->text().contains(QStringLiteral("cancelling")));
        QTRY_VERIFY_WITH_TIMEOUT(!progress->isVisible(), kArrival);

        QTRY_COMPARE_WITH_TIMEOUT(sim.commands(), requestLines(1) + releaseLines(), 2000);
        QCOMPARE(w.lstmem->itemText(0), QStringLiteral("Mem 1 *"));
        compareReceived(app.module().membank[0], sentRecord(1));
        QCOMPARE(w.selectedRows(), (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(status(w), QStringLiteral("Capture cancelled: 1 stored, 0 without reply."));
    }

    void startUpWithoutUsablePort_data()
    {
        QTest::addColumn<QByteArray>("config"); // "dfd.cfg", or null for none; %1 the sim's device
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("prefilled"); // the device box of the port selection
        QTest::addColumn<int>("chosen");        // the port chosen there: 0..3, -1 the other port
        QTest::addColumn<QString>("reason");    // beneath the message
        // Which contents are unusable is the port configuration's rule; here each way a start-up
        // finds no port leads to the port selection, the configured port chosen, and says why.
        QTest::newRow("no dfd.cfg")
            << QByteArray() << false << QString() << 0 << "dfd.cfg\": No such file";
        QTest::newRow("number without device") << QByteArray("7\r\n") << false << QString() << 0
                                               << deviceNameOfPort(7) + ": the port does not exist";
        QTest::newRow("device that is gone")
            << QByteArray("/dev/quillon-no-such-port\r\n") << false << "/dev/quillon-no-such-port"
            << -1 << "/dev/quillon-no-such-port: the port does not exist";
        QTest::newRow("busy device")
            << QByteArray("%1\r\n") << true << "%1" << -1 << "%1: it is used by another program";
    }

    void startUpWithoutUsablePort()
    {
        QFETCH(QByteArray, config);
        QFETCH(bool, busy);
        QFETCH(QString, prefilled);
        QFETCH(int, chosen);
        QFETCH(QString, reason);
        SimProcess sim;
        startSim(sim, {"--no-pace"});
        QFile::remove(QStringLiteral("dfd.cfg"));
        if (!config.isNull())
            writeConfig(config.replace("%1", QFile::encodeName(sim.device())));
        prefilled.replace(QStringLiteral("%1"), sim.device());
        reason.replace(QStringLiteral("%1"), sim.device());
        QSerialPort other;
        if (busy) {
            other.setPortName(sim.device());
            QVERIFY(other.open(QIODevice::ReadWrite));
        }

        StartedApplication app;
        MainWindow& w = app.window();
        QVERIFY(!w.isVisible());
        QVERIFY(w.ascanDrawing().items.empty()); // no sample echo until a port is chosen
        QVERIFY(std::all_of(app.module().recbuf.begin(), app.module().recbuf.end(),
                            [](auto v) { return v == 0; }));
        QMessageBox* box = shownMessage();
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Port configuratin file is lost so select apropriate "
                                             "serial port which is necessary "));
        QCOMPARE(box->windowTitle(), QStringLiteral("File Error"));
        QVERIFY2(box->informativeText().contains(reason), qPrintable(box->informativeText()));
        pressOk(box);

        auto* form = w.findChild<PortSelectionWindow*>(QStringLiteral("frmoption"));
        QVERIFY(form);
        QTRY_VERIFY(form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Port selection"));
        QCOMPARE(
            form->lblexplain->text(),
            QStringLiteral("According  to  the  cable of  Vantor connected  to   the   serial   "
                           "port    of  computer select apropriate option."));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(form->options[i]->text(), QStringLiteral("Comport %1").arg(i + 1));
            QCOMPARE(form->options[i]->objectName(), QStringLiteral("Option%1").arg(i + 1));
        }
        QCOMPARE(form->cmdok->text(), QStringLiteral("Ok"));
        QCOMPARE(form->cmdcancel->text(), QStringLiteral("Cancel"));
        QVERIFY(chosen < 0 ? form->optother->isChecked() : form->options[chosen]->isChecked());
        QCOMPARE(form->cboport->currentText(), prefilled);

        // The operator names the simulator's terminal (pseudo-terminals are never listed).
        other.close();
        okWithOtherPort(form, sim.device());
        QVERIFY(!shownMessage());
        QVERIFY(!form->isVisible());
        QVERIFY(w.isVisible());
        QCOMPARE(contentsOf(QStringLiteral("dfd.cfg")), QFile::encodeName(sim.device()) + "\r\n");
        QVERIFY(w.findChild<LinkController*>()->link().isOpen());
        // Start-up ends as with a port that opens: the sample echo on display.
        QVERIFY(!w.ascanDrawing().items.empty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Quillon — sample echo"));

        sim.control("send 3");
        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(2), QStringLiteral("Mem 3 *"), kArrival);
    }

    void okWithPortThatFailsKeepsTheWindow()
    {
        StartedAtPortSelection started;
        auto& [app, w, form] = started;
        QVERIFY(form);

        // "Comport 4" names /dev/ttyS3 here, which this machine lacks (COM4 elsewhere).
        form->options[3]->click();
        QCOMPARE(app.module().portno, 4);
        form->cmdok->click();
        QMessageBox* box = shownMessage();
        QVERIFY(box);
        QCOMPARE(box->text(),
                 QStringLiteral(
                     "Selected Port is used by another device or it might be not available "));
        QCOMPARE(box->windowTitle(), QStringLiteral("Port Selection Error"));
        pressOk(box);
        QVERIFY(form->isVisible());
        QVERIFY(!w.isVisible());
        QVERIFY(!w.findChild<LinkController*>()->link().isOpen());
        QCOMPARE(contentsOf(QStringLiteral("dfd.cfg")), QByteArray("4\r\n"));

        // The other choice with nothing typed opens nothing and writes nothing.
        okWithOtherPort(form, QString());
        QVERIFY(shownMessage());
        pressOk(shownMessage());
        QCOMPARE(contentsOf(QStringLiteral("dfd.cfg")), QByteArray("4\r\n"));
        QVERIFY(form->isVisible());
    }

    void okOpensThePortEvenWhenDfdCfgCannotBeWritten()
    {
        SimProcess sim;
        runSim(sim, {"--no-pace"});
        QVERIFY(QDir().mkdir(QStringLiteral("dfd.cfg"))); // neither read nor written as a file
        StartedAtPortSelection started;
        auto& [app, w, form] = started;
        QVERIFY(form);

        okWithOtherPort(form, sim.device());
        QVERIFY(!form->isVisible());
        QVERIFY(w.isVisible());
        QVERIFY(w.findChild<LinkController*>()->link().isOpen());
        // The operator learns that the next start will not find the port.
        QMessageBox* box = shownMessage();
        QVERIFY(box);
        QVERIFY2(box->text().contains(QStringLiteral("could not be written")),
                 qPrintable(box->text()));
        pressOk(box);
        sim.control("send 11");
        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(10), QStringLiteral("Mem 11 *"), kArrival);
    }

    void optionCancelReopensThePortInUse()
    {
        SimProcess sim;
        startSim(sim, {"--no-pace"});
        const QByteArray config = contentsOf(QStringLiteral("dfd.cfg"));
        StartedApplication app;
        MainWindow& w = app.window();
        const int portno = app.module().portno;
        QVERIFY(w.mnuoption->isEnabled());

        w.mnuoption->trigger();
        auto* form = w.findChild<PortSelectionWindow*>(QStringLiteral("frmoption"));
        QVERIFY(form && form->isVisible());
        QVERIFY(form->optother->isChecked());
        QCOMPARE(form->cboport->currentText(), sim.device());
        // The window is not modal: the main window goes on receiving while it is open.
        sim.control("send 2");
        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(1), QStringLiteral("Mem 2 *"), kArrival);

        form->options[1]->click();
        QCOMPARE(app.module().portno, 2);
        form->cmdcancel->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(app.module().portno, portno);
        QCOMPARE(contentsOf(QStringLiteral("dfd.cfg")), config);
        QVERIFY(w.findChild<LinkController*>()->link().isOpen());
        sim.control("send 8");
        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(7), QStringLiteral("Mem 8 *"), kArrival);

        // A port number beyond the first four (one "dfd.cfg" may hold) shows "Comport 1"; Cancel
        // would reopen that number.
        form->load(PortSetting::numbered(7));
        QVERIFY(form->options[0]->isChecked());
        QCOMPARE(app.module().portno, 1);
        QCOMPARE(form->remembered(), PortSetting::numbered(7));
    }

    void closingThePortSelectionWorksOffline_data()
    {
        QTest::addColumn<bool>("pellisor");
        QTest::addColumn<bool>("cancel"); // Cancel, or the window's own close button
        QTest::newRow("Quillon, close button") << false << false;
        QTest::newRow("Pellisor, close button") << true << false;
        QTest::newRow("Quillon, Cancel with the port gone") << false << true;
    }
    void closingThePortSelectionWorksOffline()
    {
        QFETCH(bool, pellisor);
        QFETCH(bool, cancel);
        writeConfig("/dev/quillon-no-such-port\r\n");
        StartedAtPortSelection started(pellisor);
        auto& [app, w, form] = started;
        QVERIFY(form);

        if (cancel)
            form->cmdcancel->click(); // the port in use before does not open again: it closes all
        else                          // the same
            form->close();
        QVERIFY(!form->isVisible());
        QVERIFY(w.isVisible());
        QVERIFY(!w.ascanDrawing().items.empty()); // the sample echo
        QVERIFY(w.windowTitle().endsWith(QStringLiteral(" — sample echo")));
        QVERIFY2(status(w).contains(QStringLiteral("No serial port is open")),
                 qPrintable(status(w)));

        // Files and capture still answer.
        w.mnusave->trigger();
        auto* save = w.findChild<QWidget*>(QStringLiteral("frmsave"));
        QVERIFY(save && save->isVisible());
        save->close();
        select(w, {2});
        w.cmdcapture->click();
        QVERIFY2(status(w).contains(QStringLiteral("No serial port is open")),
                 qPrintable(status(w)));
        QCOMPARE(w.selectedRows(), QList<int>{2});
        QVERIFY(w.cmdcapture->isEnabled());

        // "Option" opens the port later.
        SimProcess sim;
        runSim(sim, {"--no-pace"});
        w.mnuoption->trigger();
        QVERIFY(form->isVisible());
        okWithOtherPort(form, sim.device());
        QVERIFY(!form->isVisible());
        w.cmdcapture->click();
        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(2), QStringLiteral("Mem 3 *"), kArrival);
    }

    void exitWithPortSelectionOpenEnds()
    {
        StartedAtPortSelection started;
        auto& [app, w, form] = started;
        QVERIFY(form);
        form->close();
        w.mnuoption->trigger();
        QVERIFY(form->isVisible());

        w.mnuexit->trigger();
        QVERIFY(!w.isVisible());
        QVERIFY(!form->isVisible());
    }

    void lostPortIsReportedOnceAndReopened()
    {
        auto sim = std::make_unique<SimProcess>();
        startSim(*sim, {"--no-pace"});
        StartedApplication app;
        MainWindow& w = app.window();
        InstrumentLink& link = w.findChild<LinkController*>()->link();
        QSignalSpy lost(&link, &InstrumentLink::portLost);

        sim->stop(); // the instrument's end of the line goes away
        QVERIFY(lost.wait(kArrival));
        QTest::qWait(300);
        QCOMPARE(lost.size(), 1);
        QVERIFY(!link.isOpen());
        QVERIFY2(status(w).contains(QStringLiteral("lost")) && status(w).contains(u"Option"),
                 qPrintable(status(w)));

        select(w, {0});
        w.cmdcapture->click();
        QVERIFY2(status(w).contains(QStringLiteral("No serial port is open")),
                 qPrintable(status(w)));

        SimProcess again;
        runSim(again, {"--no-pace"});
        w.mnuoption->trigger();
        auto* form = w.findChild<PortSelectionWindow*>(QStringLiteral("frmoption"));
        okWithOtherPort(form, again.device());
        QVERIFY(link.isOpen());
        again.control("send 9");
        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(8), QStringLiteral("Mem 9 *"), kArrival);
    }

    void lostPortIsOpenedAgainWhenItComesBack()
    {
        const QString path = m_workDir->filePath(QStringLiteral("vantor"));
        auto sim = std::make_unique<SimProcess>();
        runSim(*sim, {"--no-pace", "--link", path});
        writeConfig(QFile::encodeName(path) + "\r\n");
        StartedApplication app;
        MainWindow& w = app.window();
        auto* controller = w.findChild<LinkController*>();
        InstrumentLink& link = controller->link();
        QVERIFY(link.isOpen());
        QVERIFY(!controller->portWatcher().isWatching()); // nothing to watch for
        QSignalSpy lost(&link, &InstrumentLink::portLost);

        sim->stop(); // the instrument goes, and its symlink with it
        QVERIFY(lost.wait(kArrival));
        QVERIFY(controller->isWaitingForPort());
        QVERIFY2(status(w).contains(QStringLiteral("lost")) &&
                     status(w).contains(QStringLiteral("comes back")),
                 qPrintable(status(w)));

        // The same symlink, now to a terminal of its own: opened by itself, told in one line.
        SimProcess again;
        runSim(again, {"--no-pace", "--link", path});
        QTRY_VERIFY_WITH_TIMEOUT(link.isOpen(), kSeen);
        QCOMPARE(status(w), QStringLiteral("Port %1 is back and open again.").arg(path));
        QCOMPARE(lost.size(), 1);
        QVERIFY(!controller->isWaitingForPort());
        QVERIFY(!controller->portWatcher().isWatching());
        again.control("send 4");
        QTRY_COMPARE_WITH_TIMEOUT(w.lstmem->itemText(3), QStringLiteral("Mem 4 *"), kArrival);
    }

    // A terminal whose mode refuses the user, named in "dfd.cfg" and then chosen under "Other
    // port": both messages keep their text and add, below it, the device, its group and the remedy.
    void refusedPortSaysWhyAndWhatToDo()
    {
        QString error;
        const auto pty = sim::PseudoTerminal::open(&error);
        QVERIFY2(pty, qPrintable(error));
        const QString device = pty->slavePath();
        writeConfig(QFile::encodeName(device) + "\r\n");
        // A user other than the owner reads "dfd.cfg" too.
        QVERIFY(QFile::setPermissions(m_workDir->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                             QFile::ExeOwner | QFile::ReadOther |
                                                             QFile::ExeOther));
        QVERIFY(QFile::setPermissions(QStringLiteral("dfd.cfg"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));

        auto told = [](QMessageBox* box) {
            if (!box)
                return QByteArray("no message\n\n\n");
            const QString text =
                box->text() + u'\n' + box->windowTitle() + u'\n' + box->informativeText() + u'\n';
            pressOk(box);
            return text.toUtf8();
        };
        QString skip;
        const auto out = asRefusedUser(
            device,
            [&] {
                StartedApplication app;
                MainWindow& w = app.window();
                const QByteArray atStart = told(shownMessage());
                auto* form = w.findChild<PortSelectionWindow*>(QStringLiteral("frmoption"));
                if (!form || !form->isVisible())
                    return atStart + "no port selection";
                okWithOtherPort(form, device);
                return atStart + told(shownMessage()) + (form->isVisible() ? "stays" : "closed");
            },
            &skip);
        if (!out)
            QSKIP(qPrintable(skip));
        const QStringList said = QString::fromUtf8(*out).split(u'\n');
        const QString advice = PortPermission{device, {}, groupOf(device), true, false}.advice();
        QCOMPARE(said, (QStringList{QString::fromLatin1(LinkController::kConfigLost),
                                    QStringLiteral("File Error"), advice,
                                    QString::fromLatin1(PortSelectionWindow::kOpenFailed),
                                    QStringLiteral("Port Selection Error"), advice,
                                    QStringLiteral("stays")}));
    }

    void portListFollowsThePortsWhileOpen()
    {
        // "dfd.cfg" names the simulator's symlink before the simulator runs.
        const QString path = m_workDir->filePath(QStringLiteral("vantor"));
        writeConfig(QFile::encodeName(path) + "\r\n");
        StartedAtPortSelection started;
        auto& [app, w, form] = started;
        QVERIFY(form);
        PortWatcher& watcher = w.findChild<LinkController*>()->portWatcher();
        QVERIFY(watcher.isWatching());
        QCOMPARE(form->cboport->findData(path), -1);
        QCOMPARE(form->cboport->currentText(), path);

        auto sim = std::make_unique<SimProcess>();
        runSim(*sim, {"--no-pace", "--link", path});
        QTRY_VERIFY_WITH_TIMEOUT(form->cboport->findData(path) >= 0, kSeen);
        const int entry = form->cboport->findData(path);
        QCOMPARE(form->cboport->itemText(entry),
                 QStringLiteral("%1 (link to %2)").arg(path, sim->device()));
        QCOMPARE(form->cboport->currentText(), path); // what the box holds is kept

        sim->stop();
        QTRY_COMPARE_WITH_TIMEOUT(form->cboport->findData(path), -1, kSeen);
        QCOMPARE(form->cboport->currentText(), path);

        // Back again, and picked from the list: the box holds the device, which Ok opens.
        runSim(*sim, {"--no-pace", "--link", path});
        QTRY_VERIFY_WITH_TIMEOUT(form->cboport->findData(path) >= 0, kSeen);
        form->cboport->setEditText(QString());
        form->options[0]->click();
        form->cboport->setCurrentIndex(form->cboport->findData(path));
        emit form->cboport->activated(form->cboport->currentIndex());
        QVERIFY(form->optother->isChecked());
        QCOMPARE(form->cboport->currentText(), path);
        form->cmdok->click();
        QVERIFY(!form->isVisible());
        QVERIFY(w.findChild<LinkController*>()->link().isOpen());
        QCOMPARE(contentsOf(QStringLiteral("dfd.cfg")), QFile::encodeName(path) + "\r\n");
        // Closed, the window no longer has the ports looked at.
        QVERIFY(!watcher.isWatching());
    }
};

QTEST_MAIN(LinkWindowTest)
#include "tst_link_window.moc"
