// The main window as the program builds it: start-up, the sample echo, opening memories from the
// list, the setup panel and overlays of a record, saving note lines, the menu.
#include "core/BankFile.h"
#include "ImageProbe.h"
#include "ProgramFolder.h"
#include "support/BankRows.h"
#include "support/FileBytes.h"
#include "support/MessageBoxes.h"
#include "support/Records.h"
#include "view/MemoryList.h"

#include "app/MainWindow.h"
#include "app/StartedApplication.h"
#include "core/AscanDrawingBuilder.h"
#include "core/NoteDrafts.h"
#include "core/PanelTexts.h"
#include "view/AscanView.h"

#include <QAction>
#include <QDir>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::probe;

namespace
{

constexpr double kPpu = 4; // pixels per drawing unit for sampled images

QLineEdit* box(MainWindow& w, const char* name)
{
    return w.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QString spaces(int n)
{
    return QString(n, u' ');
}

// The picture the widget itself paints, with a probe that maps drawing units onto it.
struct WidgetPicture {
    QImage image;
    QRectF surface;
    QColor at(double x, double y) const
    {
        const double sx = surface.width() / kAscanWidth;
        const double sy = surface.height() / kAscanHeight;
        return image.pixelColor(int(surface.left() + x * sx), int(surface.top() + y * sy));
    }
};

WidgetPicture picture(MainWindow& w)
{
    w.picascan->resize(int(kAscanWidth * kPpu) + 2, int(kAscanHeight * kPpu) + 2);
    return {w.picascan->grab().toImage(), w.picascan->surfaceRect()};
}

QList<TextItem> labels(const AscanDrawing& drawing)
{
    QList<TextItem> texts;
    for (const AscanItem& item : drawing.items)
        if (const auto* t = std::get_if<TextItem>(&item))
            texts.append(*t);
    return texts;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    // Each case starts in an empty working directory: an archive of its own, and a "dfd.cfg" naming
    // a port that opens.
    test::ProgramFolder m_workDir;

private slots:
    void init() { m_workDir.enter(); }
    void startUpFillsTheListAndTheBank()
    {
        Application app(Edition::quillon());
        app.module().reqmemno = 9;
        app.module().capbusy = true;
        app.start();
        MainWindow& w = app.window();

        QCOMPARE(w.lstmem->count(), 200);
        for (int i = 0; i < 200; ++i)
            QCOMPARE(w.lstmem->itemText(i), QStringLiteral("Mem %1").arg(i + 1));
        QCOMPARE(w.lstmem->selectionMode(), QAbstractItemView::ExtendedSelection);

        // What start-up puts in the rows is the module's rule; the program's start runs it.
        for (int row : {0, 99, 199})
            QVERIFY(app.module().membank[row] == test::startUpRow());
        QCOMPARE(app.module().reqmemno, 0);
        QCOMPARE(app.module().capbusy, false);
        QCOMPARE(app.module().curmem, 0);
    }

    // Which texts start-up shows is the panel texts' rule; every box shows them.
    void startUpShowsTheInitialPanel()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        const PanelTexts initial = initialPanelTexts();
        QList<const char*> names;
        for (const PanelField& f : kPanelFields)
            names << f.control;
        for (const PanelField& f : kReadoutFields)
            names << f.control;
        for (const char* name : names) {
            QLineEdit* b = box(w, name);
            QVERIFY2(b, name);
            QCOMPARE(b->text(), initial.value(QString::fromLatin1(name)));
        }
        QCOMPARE(w.txttmdt->text(), initial.txttmdt);
        for (QLineEdit* line : w.txtnoteLn)
            QVERIFY(line->text().isEmpty());
    }

    void sampleEchoIsDrawnAtStart()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        const WidgetPicture pic = picture(w);

        // Samples 13..19 are 100: the trace runs along the top line from x = 14 to x = 20.
        QVERIFY(isGreen(pic.at(17.5, 10)));
        // The third echo peaks at sample 93 (65 %): x = 94, y = 80.
        QVERIFY(isGreen(pic.at(94, 80)));
        // Samples 100..129 are 0: the trace lies on the baseline there.
        QVERIFY(isGreen(pic.at(115.5, 210)));
        // The baseline reaches x = 252, beyond the trace's end at 250.
        QVERIFY(isBlack(pic.at(252.2, 210)));
        // Graticule: a dot where row y = 50 crosses column x = 101, paper between the dots.
        QVERIFY(isBlack(pic.at(101, 50)));
        QVERIFY(isWhite(pic.at(103.5, 50)));
        // Start-up draws no labels and leaves the panel alone.
        QVERIFY(labels(w.ascanDrawing()).isEmpty());
        QCOMPARE(box(w, "txtrange")->text(), QStringLiteral("100"));
    }

    void everyControlCarriesItsName()
    {
        Application app(Edition::quillon());
        MainWindow& w = app.window();
        QCOMPARE(w.objectName(), QStringLiteral("frmmain"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quillon"));
        const char* names[] = {
            "txtzero",  "txtrange",  "txtvelo",  "txtdelay",  "txtgain",   "txtgate",   "txtstart",
            "txtend",   "txtlevel",  "txtgate2", "txtstart2", "txtend2",   "txtlevel2", "txtmem",
            "txtmemno", "txtaction", "txtrefg",  "txtreject", "txtsetref", "txtVideo",  "txtmode",
            "txtclock", "txtcolor",  "txthorn",  "txtbrt",    "txtdac",    "txtcur",    "txtpoint",
            "Txtent",   "txtmea",    "txtxoff",  "txtangle",  "txtthick",  "txtblk1",   "txthud",
            "txtbeep",  "txtblk2"};
        for (int i = 0; i < 37; ++i)
            QCOMPARE(w.panelBoxes[i]->objectName(), QString::fromLatin1(names[i]));
        QCOMPARE(w.findChild<QListView*>(QStringLiteral("lstmem")), w.lstmem);
        QCOMPARE(w.findChild<AscanView*>(QStringLiteral("picascan")), w.picascan);
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("txttmdt")), w.txttmdt);
        QCOMPARE(w.txtbeam->objectName(), QStringLiteral("txtbeam"));
        QCOMPARE(w.txtsurf->objectName(), QStringLiteral("txtsurf"));
        QCOMPARE(w.txtdpth->objectName(), QStringLiteral("txtdpth"));
        QCOMPARE(w.cmdcapture->objectName(), QStringLiteral("cmdcapture"));
        QCOMPARE(w.cmdcapture->text(), QStringLiteral("Capture"));
        QCOMPARE(w.cmdtxtsav->objectName(), QStringLiteral("cmdtxtsav"));
        QCOMPARE(w.cmdtxtsav->text(), QStringLiteral("S  A  V  E"));
        for (int n = 0; n < 12; ++n) {
            QCOMPARE(w.txtnoteLn[n]->objectName(), QStringLiteral("txtnoteLn%1").arg(n));
            QCOMPARE(w.txtnoteLn[n]->maxLength(), 20);
        }

        // Captions as the operator reads them.
        QStringList captions;
        for (QLabel* label : w.findChildren<QLabel*>())
            captions.append(label->text());
        for (const char* caption :
             {"A  Scan", "Beam Path", "Surface", "Depth", "Gain", "REF", "ENTER", "VEL M/S",
              "MEM NO", "PRESS", "Operator Name/Code", "Rail LH/RH  &  Up/Dn", "Deffect Location",
              "Def. Class OBS/IMR/REM", "Peak Patt. Detail"})
            QVERIFY2(captions.contains(QString::fromLatin1(caption)), caption);
    }

    void menuBarInOrder()
    {
        Application app(Edition::quillon());
        MainWindow& w = app.window();
        // The menus as they always were, then the menu of the features added since.
        QCOMPARE(test::itemTexts(w.menuBar()),
                 (QStringList{"File", "Option", "Help", "Tools", "A-scan"}));
        QCOMPARE(w.menuBar()->actions()[1], w.mnuoption);
        QVERIFY(!w.mnuoption->menu());

        QCOMPARE(test::itemTexts(w.fileMenu),
                 (QStringList{"New", "Open", "Save", "Save as Word Doc", "PrintSetup", "Print",
                              "Print Preview", "Export PDF", "Exit"}));
        QCOMPARE(test::itemTexts(w.menuBar()->actions()[2]->menu()),
                 (QStringList{"Help Topic", "About Data Capture"}));

        const std::pair<QAction*, const char*> named[] = {
            {w.mnunew, "mnunew"},       {w.mnuopen, "mnuopen"},
            {w.mnusave, "mnusave"},     {w.mnuSave_word_doc, "mnuSave_word_doc"},
            {w.mnupsetup, "mnupsetup"}, {w.mnuprint, "mnuprint"},
            {w.mnuexit, "mnuexit"},     {w.mnuoption, "mnuoption"},
            {w.mnuhelpt, "mnuhelpt"},   {w.mnuabout, "mnuabout"}};
        for (const auto& [action, name] : named)
            QCOMPARE(action->objectName(), QString::fromLatin1(name));

        // Every feature is attached: each item opens its window.
        for (QAction* a : {w.mnunew, w.mnuopen, w.mnusave, w.mnuSave_word_doc, w.mnupsetup,
                           w.mnuprint, w.mnuexit, w.mnuoption, w.mnuhelpt, w.mnuabout})
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));
    }

    void newAndHelpTopicChangeNothing()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        w.lstmem->setRowSelected(4, true);
        w.lstmem_DblClick();
        w.txtnoteLn[0]->setText(QStringLiteral("typed"));
        const Record recbuf = app.module().recbuf;
        const Bank bank = app.module().membank;
        const DisplaySnapshot before = w.displayedSnapshot();
        const int windows = QApplication::topLevelWidgets().size();

        w.mnunew->trigger();
        w.mnuhelpt->trigger();
        QTest::qWait(20);

        QVERIFY(app.module().recbuf == recbuf);
        QVERIFY(app.module().membank == bank);
        QCOMPARE(app.module().curmem, 4);
        const DisplaySnapshot after = w.displayedSnapshot();
        QCOMPARE(after.panel.boxes, before.panel.boxes);
        QCOMPARE(after.notes, before.notes);
        QCOMPARE(w.txtnoteLn[0]->text(), QStringLiteral("typed"));
        // Help Topic only adds the manual's window.
        QCOMPARE(QApplication::topLevelWidgets().size(), windows + 1);
        QVERIFY(w.isVisible());
    }

    void aboutShowsTheBox()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        w.mnuabout->trigger();
        auto* about = w.findChild<QWidget*>(QStringLiteral("frmAbout"));
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QVERIFY(!about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Quillon"));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
                 QStringLiteral("Quillon"));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version 1.0.1"));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Application for to Transfer Data from Rail Tester  to PC"));
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("Label1"))->text().isEmpty());
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull());

        // A second click shows the same box; OK unloads it.
        w.mnuabout->trigger();
        QCOMPARE(w.findChildren<QWidget*>(QStringLiteral("frmAbout")).size(), 1);
        QPointer<QWidget> guard(about);
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
    }

    void blankMemoryShowsFlatTraceAndSpaces()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        w.openMemory(41);

        // Flat trace: green along the whole baseline, nothing green above it.
        const QImage image = w.picascan->image(kPpu);
        for (double x : {3.5, 37.5, 113.5, 248.5})
            QVERIFY2(isGreen(at(image, kPpu, {x, 210})), qPrintable(QString::number(x)));
        for (int y = 0; y < int(205 * kPpu); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (isGreen(image.pixelColor(x, y)))
                    QFAIL(qPrintable(QStringLiteral("green at %1,%2").arg(x).arg(y)));

        // Position 260 is 0 (start-up leaves 0..260 zero), 261..539 spaces.
        // Code 0 is shown as nothing; the panel's texts keep the stored characters.
        QCOMPARE(box(w, "txtzero")->text(), spaces(6));
        QCOMPARE(w.displayedSnapshot().panel.value(u"txtzero"), QChar(u'\0') + spaces(6));
        for (const char* name : {"txtrange", "txtdelay", "txtgate", "txtmea", "txtdac", "txtblk2"})
            QCOMPARE(box(w, name)->text(), spaces(7));
        QCOMPARE(box(w, "txtgain")->text(), spaces(5) + QStringLiteral("dB"));
        QCOMPARE(box(w, "txtrefg")->text(), spaces(4));
        QCOMPARE(box(w, "txtbrt")->text(), spaces(6));
        QCOMPARE(box(w, "Txtent")->text(), spaces(6));
        // MEASURE is seven spaces, not "OFF    ": the readouts keep their characters.
        for (QLineEdit* readout : {w.txtbeam, w.txtsurf, w.txtdpth})
            QCOMPARE(readout->text(), spaces(5));
        QCOMPARE(w.txttmdt->text(), QStringLiteral("Tm:   :   Dt:  /  /  "));
        // A range of spaces is 0: no labels; both gates are on, with start, width and level 0.
        QVERIFY(labels(w.ascanDrawing()).isEmpty());
    }

    void blankMemoryNoteLines()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        w.openMemory(0);
        // Line 0 (561..580) is all spaces: empty. Line 1 (581..600) is nineteen spaces and the 0 of
        // position 600, neither shown. Lines 2..11 (601..800) hold code 0 only: empty boxes.
        QCOMPARE(w.txtnoteLn[0]->text(), QString());
        QCOMPARE(w.txtnoteLn[1]->text(), QString());
        for (int n = 2; n < 12; ++n)
            QCOMPARE(w.txtnoteLn[n]->text(), QString());

        // Saved back untouched, those characters stay what they were.
        w.cmdtxtsav_Click();
        const Record& row = app.module().membank[0];
        for (int p = 561; p <= 599; ++p)
            QCOMPARE(row[p], ' ');
        for (int p = 600; p <= 800; ++p)
            QCOMPARE(row[p], 0);

        // Typing is not blocked by invisible characters; an edited line stores what the box shows.
        QTest::keyClicks(w.txtnoteLn[4], QStringLiteral("KM 121"));
        QCOMPARE(w.txtnoteLn[4]->text(), QStringLiteral("KM 121"));
        w.cmdtxtsav_Click();
        QCOMPARE(textOf(row, 641, 20), QStringLiteral("KM 121") + spaces(14));
        for (int p = 661; p <= 800; ++p)
            QCOMPARE(row[p], 0);
    }

    void recordShowsItsBoxesAndOverlays()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();

        Record r = test::startUpRow();
        for (int i = 0; i < 251; ++i)
            r[i] = 0; // a flat trace, so that only overlays leave the baseline
        const std::pair<const char*, const char*> fields[] = {
            {"txtrange", "100"},  {"txtdelay", "0.0"}, {"txtgain", "42.5"},  {"txtgate", "ON"},
            {"txtstart", "30%"},  {"txtend", "20%"},   {"txtlevel", "40%"},  {"txtgate2", "POS"},
            {"txtstart2", "70%"}, {"txtend2", "10%"},  {"txtlevel2", "60%"}, {"txtdac", "ON 6/14"},
            {"txtmea", "OFF"},    {"txtclock", "ON"},  {"txtbeam", "123.4"}, {"txtsurf", "111.1"},
            {"txtdpth", " 45.6"}, {"txtrefg", "38.0"}, {"txtreject", "10%"}};
        for (const auto& [control, text] : fields)
            test::setField(r, control, QString::fromLatin1(text));
        r[293] = 'X'; // between the gain and gate 1: not shown
        r[294] = 'Y';
        test::setTimeDate(r, QStringLiteral("0930170524"));
        // DAC: amplitude 50 at points 0 and 1, then a point of amplitude 4 ends the curve.
        test::setDacPoint(r, 0, 20, 50);
        test::setDacPoint(r, 1, 60, 50);
        test::setDacPoint(r, 2, 100, 4);
        test::setDacPoint(r, 3, 140, 90);
        test::setNote(r, 3, QStringLiteral("x"));
        test::putRow(app.module(), 11, r);
        w.openMemory(11);

        QCOMPARE(box(w, "txtrange")->text(), QStringLiteral("100    "));
        QCOMPARE(box(w, "txtgain")->text(), QStringLiteral("42.5 dB"));
        QCOMPARE(box(w, "txtgate")->text(), QStringLiteral("ON     "));
        QCOMPARE(box(w, "txtdac")->text(), QStringLiteral("ON 6/14"));
        QCOMPARE(box(w, "txtmea")->text(), QStringLiteral("OFF    "));
        QCOMPARE(box(w, "txtrefg")->text(), QStringLiteral("38.0"));
        QCOMPARE(box(w, "txtreject")->text(), QStringLiteral("10%    "));
        QCOMPARE(w.txttmdt->text(), QStringLiteral("Tm: 09:30 Dt:17/05/24"));
        // MEASURE "OFF    " blanks the readouts the record carries.
        for (QLineEdit* readout : {w.txtbeam, w.txtsurf, w.txtdpth})
            QCOMPARE(readout->text(), QString());
        QCOMPARE(w.txtnoteLn[3]->text(), QStringLiteral("x"));
        QCOMPARE(w.txtnoteLn[0]->text(), QString());

        const WidgetPicture pic = picture(w);
        // Gate 1: start 30 % and width 20 % at level 40 %: x 75..125, y 130.
        QVERIFY(isGreen(pic.at(78.5, 130)));
        QVERIFY(isGreen(pic.at(122.5, 130)));
        QVERIFY(isWhite(pic.at(128.5, 130)));
        QVERIFY(isWhite(pic.at(72, 130)));
        // Gate 2 ("POS" is not "OFF    "): x 175..200 at y 90.
        QVERIFY(isGreen(pic.at(188.5, 90)));
        QVERIFY(isWhite(pic.at(203.5, 90)));
        // DAC 6/14, amplitude 50 at both ends: y 110, 160 and 190 from x 20 to 60.
        for (double y : {110.0, 160.0, 190.0}) {
            QVERIFY2(isGreen(pic.at(40, y)), qPrintable(QString::number(y)));
            QVERIFY2(isWhite(pic.at(80, y)), qPrintable(QString::number(y)));
        }
        // The curve stops at the point of amplitude 4: nothing towards point 3 (140, 90 %).
        QVERIFY(isWhite(pic.at(130, 130)));
        // Range 100, delay 0: six labels, the first under the left edge, black.
        bool dark = false;
        for (double x = 0; x < 12 && !dark; x += 0.5)
            for (double y = 215; y < 228 && !dark; y += 0.5)
                dark = isBlack(pic.at(x, y));
        QVERIFY(dark);
        QCOMPARE(labels(w.ascanDrawing()).size(), 6);
    }

    // The scale's rule is the drawing builder's; here the record's range and delay reach it, and so
    // do the boxes.
    void rangeScale()
    {
        const QStringList texts{" 12", " 32", " 52", " 72", " 92", " 112"};
        const QList<double> xs{0, 41, 91, 141, 191, 239};
        test::StartedApplication app;
        MainWindow& w = app.window();
        Record r = test::startUpRow();
        test::setField(r, "txtrange", QStringLiteral("100"));
        test::setField(r, "txtdelay", QStringLiteral("12"));
        test::putRow(app.module(), 2, r);
        w.openMemory(2);

        const QList<TextItem> drawn = labels(w.ascanDrawing());
        QCOMPARE(drawn.size(), texts.size());
        for (int i = 0; i < drawn.size(); ++i) {
            QCOMPARE(drawn[i].text, texts[i]);
            QCOMPARE(drawn[i].x, xs[i]);
            QCOMPARE(drawn[i].y, 215.0);
        }

        // cal_grt reads the boxes: a range typed into the box changes the next scale.
        box(w, "txtrange")->setText(QStringLiteral("50"));
        box(w, "txtdelay")->setText(QStringLiteral("0"));
        w.display_pattern();
        w.cal_grt();
        const QList<TextItem> typed = labels(w.ascanDrawing());
        QCOMPARE(typed.size(), 6);
        QCOMPARE(typed.last().text, QStringLiteral(" 50"));
    }

    void doubleClickOpensTheFirstSelected()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        for (int row : {3, 7}) {
            Record r = test::realisticRecord(row + 1);
            r[5] = std::int16_t(row * 10); // tell them apart
            test::putRow(app.module(), row, r);
        }
        QSignalSpy opened(&w, &MainWindow::recordShown);
        w.lstmem->setRowSelected(3, true);
        w.lstmem->setRowSelected(7, true);
        QCOMPARE(w.selectedRows(), (QList<int>{3, 7}));

        emit w.lstmem->doubleClicked(w.lstmem->model()->index(7, 0));

        QCOMPARE(app.module().curmem, 3);
        QCOMPARE(app.module().recbuf[5], 30);
        QCOMPARE(box(w, "txtmemno")->text(), QStringLiteral("4      "));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toInt(), 3);

        // A real double-click on a single item opens that one.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.lstmem->clearSelection();
        w.lstmem->scrollTo(w.lstmem->model()->index(7, 0));
        const QPoint centre = w.lstmem->visualRect(w.lstmem->model()->index(7, 0)).center();
        QTest::mouseClick(w.lstmem->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(w.lstmem->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(app.module().curmem, 7);
        QCOMPARE(app.module().recbuf[5], 70);
    }

    void doubleClickWithNothingSelectedDoesNothing()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        w.openMemory(5);
        w.lstmem->clearSelection();
        app.module().recbuf[0] = 77;
        w.lstmem_DblClick();
        QCOMPARE(app.module().curmem, 5);
        QCOMPARE(app.module().recbuf[0], 77);
    }

    void notesSaveIntoTheLastOpenedMemory()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        test::putRow(app.module(), 2, test::realisticRecord(3));
        w.openMemory(2);
        const Record shown = app.module().recbuf;

        for (QLineEdit* line : w.txtnoteLn)
            line->clear();
        QTest::keyClicks(w.txtnoteLn[2], QStringLiteral("abc"));
        QTest::mouseClick(w.cmdtxtsav, Qt::LeftButton);

        const Record& row = app.module().membank[2];
        for (int p = 581; p <= 600; ++p)
            QCOMPARE(row[p], ' ');
        QCOMPARE(row[601], 'a');
        QCOMPARE(row[602], 'b');
        QCOMPARE(row[603], 'c');
        for (int p = 604; p <= 620; ++p)
            QCOMPARE(row[p], ' ');
        // Only the bank row changes; the display and recbuf stay.
        QVERIFY(app.module().recbuf == shown);
        QCOMPARE(w.txtnoteLn[2]->text(), QStringLiteral("abc"));

        w.openMemory(0);
        w.openMemory(2);
        QCOMPARE(w.txtnoteLn[1]->text(), QString());
        QCOMPARE(w.txtnoteLn[2]->text(), QStringLiteral("abc")); // shown without its fill
        for (int n : {0, 3, 11})
            QCOMPARE(w.txtnoteLn[n]->text(), QString());
    }

    void notesSaveIntoTheMemoryOnDisplay()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        // Right after start-up the sample echo is on display: no memory to save notes into.
        const Bank before = app.module().membank;
        w.txtnoteLn[0]->setText(QStringLiteral("nowhere"));
        w.cmdtxtsav_Click();
        QVERIFY(app.module().membank == before);
        QVERIFY(w.statusBar()->currentMessage().startsWith(QStringLiteral("Notes not saved")));

        w.openMemory(1);
        // Memory 9 arrives and is shown: the notes typed under it go into memory 9, not into the
        // memory opened from the list before.
        app.module().recbuf = test::realisticRecord(9);
        app.module().store(8, app.module().recbuf, {StoreKind::Received, {}});
        w.showRecord(8);
        QCOMPARE(app.module().curmem, 8);
        const Record two = app.module().membank[1];
        w.txtnoteLn[0]->setText(QStringLiteral("to memory 9"));
        w.cmdtxtsav_Click();
        QVERIFY(app.module().membank[1] == two);
        QCOMPARE(textOf(app.module().membank[8], 561, 20), QStringLiteral("to memory 9         "));
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Notes saved into Mem 9"));

        // A bank load replaces the rows beneath the display: nothing is saved after it.
        BankFileContents loaded;
        app.module().loadBank(loaded, QStringLiteral("/tmp/other.dat"));
        w.showRecord(MainWindow::kNoRow);
        const Bank afterLoad = app.module().membank;
        w.txtnoteLn[1]->setText(QStringLiteral("lost row"));
        w.cmdtxtsav_Click();
        QVERIFY(app.module().membank == afterLoad);
        QVERIFY(w.statusBar()->currentMessage().startsWith(QStringLiteral("Notes not saved")));
    }

    // Notes typed under a memory stay its draft whichever way the display changes; the list's
    // current item and the title follow the display, and the keyboard leaves the note boxes.
    void typedNotesStayADraftWhateverIsShown_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("current"); // the list's current row, -1 for none
        QTest::newRow("another memory opened") << "list"
                                               << "Quillon — Mem 5" << 4;
        QTest::newRow("a record pushed") << "push"
                                         << "Quillon — Mem 9" << 8;
        QTest::newRow("a record captured") << "capture"
                                           << "Quillon — Mem 9" << 8;
        QTest::newRow("a bank opened")
            << "bank"
            << "Quillon — Mem 3 (shown before line4.dat was opened)" << -1;
        QTest::newRow("a waveform file") << "waveform"
                                         << "Quillon — waveform file trace.awv" << -1;
    }

    void typedNotesStayADraftWhateverIsShown()
    {
        QFETCH(QString, change);
        QFETCH(QString, title);
        QFETCH(int, current);
        test::StartedApplication app;
        MainWindow& w = app.window();
        Module1& module = app.module();
        QCOMPARE(w.windowTitle(), QStringLiteral("Quillon — sample echo"));
        test::putRow(module, 2, test::realisticRecord(3), true);
        w.openMemory(2);
        QCOMPARE(w.windowTitle(), QStringLiteral("Quillon — Mem 3"));
        QCOMPARE(w.lstmem->currentIndex().row(), 2);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.txtnoteLn[8]->setFocus();
        QVERIFY(w.txtnoteLn[8]->hasFocus());
        w.txtnoteLn[8]->selectAll();
        QTest::keyClicks(w.txtnoteLn[8], QStringLiteral("TQ 11"));
        const auto italic = [&w](int row) {
            return w.lstmem->model()->index(row, 0).data(Qt::FontRole).value<QFont>().italic();
        };
        QVERIFY(italic(2));

        const QString dir = m_workDir.path();
        if (change == "list") {
            w.lstmem->clearSelection();
            w.lstmem->setRowSelected(4, true);
            w.lstmem_DblClick();
        } else if (change == "push" || change == "capture") {
            module.store(8, test::realisticRecord(9),
                         {change == "push" ? StoreKind::Received : StoreKind::Captured, {}});
        } else if (change == "bank") {
            Bank bank = module.membank;
            bank[2] = test::realisticRecord(33);
            QVERIFY(test::writeBytes(dir + "/line4.dat", writeBank(bank)));
            emit w.filesDropped({dir + "/line4.dat"});
            QVERIFY(test::answerQuestion(QStringLiteral("Load"))); // the restored row is unsaved
        } else {
            QVERIFY(test::writeBytes(dir + "/trace.awv",
                                     test::waveformBytes(test::realisticRecord(4))));
            emit w.filesDropped({dir + "/trace.awv"});
        }
        QCOMPARE(w.windowTitle(), title);
        QCOMPARE(w.lstmem->currentIndex().row(), current);
        QVERIFY(!w.txtnoteLn[8]->hasFocus());
        QVERIFY(w.drafts().has(2));
        QVERIFY(italic(2));
        QVERIFY2(w.statusBar()->currentMessage().contains(
                     QStringLiteral("your notes on Mem 3 are kept as a draft")),
                 qPrintable(w.statusBar()->currentMessage()));

        // Ending now names the draft.
        w.mnuexit->trigger();
        QString question;
        QVERIFY(test::answerQuestion(QStringLiteral("Cancel"), &question));
        QVERIFY2(question.contains(QStringLiteral("Mem 3")), qPrintable(question));

        // Back to memory 3: the draft is in its box, ready to be saved, and then it ends.
        w.openMemory(2);
        QCOMPARE(w.txtnoteLn[8]->text(), QStringLiteral("TQ 11"));
        w.cmdtxtsav_Click();
        QCOMPARE(textOf(module.membank[2], 721, 20), QStringLiteral("TQ 11") + spaces(15));
        QVERIFY(!w.drafts().has(2));
        QVERIFY(!italic(2));
    }

    // A draft can be given up from the list's context menu; the boxes show the stored notes.
    void aDraftCanBeDiscarded()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        test::putRow(app.module(), 6, test::realisticRecord(7), true);
        w.openMemory(6);
        const QString stored = w.txtnoteLn[0]->text();
        w.txtnoteLn[0]->setText(QStringLiteral("typed"));
        emit w.txtnoteLn[0]->textEdited(QStringLiteral("typed"));
        QVERIFY(w.drafts().has(6));
        auto* discard =
            w.lstmem->itemMenu()->findChild<QAction*>(QStringLiteral("mnudiscarddraft"));
        QVERIFY(discard);
        emit w.lstmem->customContextMenuRequested(
            w.lstmem->visualRect(w.lstmem->model()->index(6, 0)).center());
        QVERIFY(discard->isEnabled());
        discard->trigger();
        QVERIFY(!w.drafts().has(6));
        QCOMPARE(w.txtnoteLn[0]->text(), stored);
        w.lstmem->itemMenu()->close();
    }

    void snapshotReadsTheControls()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        test::putRow(app.module(), 6, test::realisticRecord(7));
        w.openMemory(6);
        box(w, "txtvelo")->setText(QStringLiteral("typed"));
        w.txtnoteLn[4]->setText(QStringLiteral("note"));
        const DisplaySnapshot s = w.displayedSnapshot();
        QCOMPARE(s.panel.value(u"txtvelo"), QStringLiteral("typed"));
        QCOMPARE(s.panel.value(u"txtbeam"), QStringLiteral("138.6"));
        QCOMPARE(s.panel.value(u"txttmdt"), w.txttmdt->text());
        QCOMPARE(s.notes[4], QStringLiteral("note"));
        QCOMPARE(s.notes[0], QStringLiteral("R. Varga / 0412") + spaces(5));
        QCOMPARE(s.drawing.items.size(), w.ascanDrawing().items.size());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
