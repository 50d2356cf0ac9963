// The A-scan tools in the program: the readouts in the window, comparing with a memory from the
// list's context menu, copying and saving the A-scan as shown; in both editions.
#include "ProgramFolder.h"
#include "support/DataRows.h"
#include "support/Records.h"
#include "view/AscanOverlay.h"
#include "view/AscanView.h"
#include "view/GateReadoutTable.h"
#include "view/MemoryList.h"

#include "app/AscanToolsController.h"
#include "app/MainWindow.h"
#include "app/StartedApplication.h"
#include "core/AscanDrawingPainter.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTest>

using namespace quillon;

namespace
{

AscanToolsController& toolsOf(MainWindow& w)
{
    auto* tools = w.findChild<AscanToolsController*>();
    if (!tools)
        qFatal("no A-scan tools");
    return *tools;
}

// The tools with memory 3 compared with the memory shown, zoomed into part of the trace.
AscanToolsController& comparedAndZoomed(MainWindow& w)
{
    AscanToolsController& tools = toolsOf(w);
    tools.compareWith(2);
    tools.overlay().zoomTo(QRectF(50, 10, 100, 200));
    return tools;
}

// Memory 7 realistic, memory 3 the same with its echoes shifted and lower; memory 7 on display in
// the window returned.
MainWindow& fillBank(Application& app)
{
    Module1& m = app.module();
    for (int memory : {3, 7}) {
        m.recbuf = test::realisticRecord(memory);
        if (memory == 3)
            for (int i = 249; i >= 20; --i)
                m.recbuf[i] = std::int16_t(m.recbuf[i - 20] / 2);
        m.store(memory - 1, m.recbuf, {StoreKind::Received, {}});
    }
    app.window().openMemory(6);
    return app.window();
}

// The largest difference of one colour channel, and the share of pixels differing by more
// than `tolerance`.
std::pair<int, double> difference(const QImage& a, const QImage& b, int tolerance)
{
    int worst = 0;
    int off = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            const int d = std::max(
                {qAbs(p.red() - q.red()), qAbs(p.green() - q.green()), qAbs(p.blue() - q.blue())});
            worst = std::max(worst, d);
            if (d > tolerance)
                ++off;
        }
    return {worst, double(off) / (a.width() * a.height())};
}

} // namespace

class AscanToolsTest : public QObject
{
    Q_OBJECT
    test::ProgramFolder m_workDir;

private slots:
    void init() { m_workDir.enter(); }
    void bothEditionsHaveTheTools_data() { test::addEditionRows(); }
    void bothEditionsHaveTheTools()
    {
        QFETCH(bool, pellisor);
        Application app(pellisor ? Edition::pellisor() : Edition::quillon());
        MainWindow& w = app.window();
        QMenu* menu = w.menuBar()->actions().last()->menu();
        QVERIFY(menu);
        QCOMPARE(menu->title(), QStringLiteral("A-scan"));
        QCOMPARE(test::itemTexts(menu), (QStringList{"Copy A-scan", "Save A-scan image",
                                                     "Whole trace", "Clear comparison"}));
        QVERIFY(w.picascan->overlay());
        QCOMPARE(toolsOf(w).mnucompare->text(),
                 QStringLiteral("Compare with the trace on display"));
    }

    void readoutsFollowTheCursorAndTheRecord()
    {
        test::StartedApplication app;
        MainWindow& w = fillBank(app);
        AscanToolsController& tools = toolsOf(w);
        auto* cursor = w.findChild<QLabel*>(QStringLiteral("lblcursor"));
        auto* gates = w.findChild<GateReadoutTable*>(QStringLiteral("tblgates"));
        QVERIFY(cursor && gates);
        QVERIFY(cursor->text().isEmpty());

        // Range 200, delay 0: sample 99 lies at 200 * 100 / 250 = 80.
        w.picascan->setFocus();
        tools.overlay().setCursorSample(98);
        QTest::keyClick(w.picascan, Qt::Key_Right);
        const Record& r = app.module().recbuf;
        QCOMPARE(
            cursor->text(),
            QStringLiteral("Sample 99   Path 80   Amplitude %1 %").arg(std::min<int>(r[99], 100)));

        // Gate 1 (30 % for 25 %, level 40 %) with DAC 6/14 on: one row, every cell filled.
        QCOMPARE(gates->rowCount(), 1);
        QCOMPARE(gates->columnCount(), 7);
        QCOMPARE(gates->cellText(0, GateColumn::Gate), QStringLiteral("1"));
        for (int c = 1; c < 7; ++c)
            QVERIFY2(!gates->cellText(0, GateColumn(c)).isEmpty(), qPrintable(QString::number(c)));
        QVERIFY(gates->cellText(0, GateColumn::DbToDac).endsWith(QStringLiteral(" dB")));

        // Another record brings its own readouts; the cursor stays where it was.
        app.module().recbuf = test::realisticRecord(9);
        test::setField(app.module().recbuf, "txtrange", QStringLiteral("       "));
        test::setField(app.module().recbuf, "txtgate", QStringLiteral("OFF"));
        w.showRecord(MainWindow::kNoRow);
        QCOMPARE(tools.overlay().cursorSample(), 99);
        QVERIFY2(!cursor->text().contains(QStringLiteral("Path")), qPrintable(cursor->text()));
        QCOMPARE(gates->rowCount(), 0);
    }

    void sampleEchoHasNoReadoutOfGatesThatAreOff()
    {
        // The start-up echo's panel keeps its initial texts: both gates OFF.
        test::StartedApplication app;
        MainWindow& w = app.window();
        w.showSampleEcho();
        QCOMPARE(w.findChild<GateReadoutTable*>(QStringLiteral("tblgates"))->rowCount(), 0);
        QVERIFY(toolsOf(w).overlay().measure().gates().empty());
    }

    void comparisonFollowsTheRecordShown()
    {
        // Memory 3 taken at RANGE 250 is drawn on the range-200 axis of memory 7: stretched by
        // 250 / 200 and cut at the end of the trace, and the legend says so.
        test::StartedApplication app;
        Module1& m = app.module();
        Record wide = test::realisticRecord(3);
        test::setField(wide, "txtrange", QStringLiteral("250"));
        MainWindow& w = fillBank(app);
        AscanToolsController& tools = toolsOf(w);
        m.store(2, wide, {StoreKind::Received, {}});
        w.openMemory(6);
        tools.compareWith(2);
        const QVector<QPointF>& trace = tools.overlay().comparison().trace;
        QCOMPARE(trace.size(), 201); // samples 0 .. 199 of 250 and the start at x 0
        QCOMPARE(trace[100].x(), 125.0);
        QCOMPARE(trace.last().x(), 250.0);
        QCOMPARE(tools.overlay().comparisonLegend(), QStringLiteral("Mem 3 (RANGE 250, DELAY 0)"));
        QCOMPARE(tools.overlay().comparison().currentLegend, QStringLiteral("Mem 7"));

        // A record without a range number has no axis: the trace as it is, and a note.
        Record noRange = test::realisticRecord(9);
        test::setField(noRange, "txtrange", QStringLiteral("       "));
        m.recbuf = noRange;
        w.showRecord(MainWindow::kNoRow);
        QCOMPARE(tools.overlay().comparison().trace.size(), 251);
        QCOMPARE(tools.overlay().comparisonLegend(),
                 QStringLiteral("Mem 3 (not to scale: no RANGE)"));
        QCOMPARE(tools.overlay().comparison().currentLegend, QStringLiteral("On display"));

        // Memory 3 itself on display: its own axis, no note.
        w.openMemory(2);
        QCOMPARE(tools.overlay().comparisonLegend(), QStringLiteral("Mem 3"));
        QCOMPARE(tools.overlay().comparison().trace.size(), 251);
    }

    void compareFromTheListsContextMenu()
    {
        test::StartedApplication app;
        MainWindow& w = fillBank(app);
        w.show();
        AscanToolsController& tools = toolsOf(w);
        const QImage alone = w.picascan->grab().toImage();
        const QImage report = w.picascan->image();

        // The context menu on "Mem 3": the compare item is offered, and picks that memory.
        auto* menu = w.lstmem->findChild<QMenu*>(QStringLiteral("mnulstmem"));
        QVERIFY(menu);
        const QPoint item3 = w.lstmem->visualRect(w.lstmem->model()->index(2, 0)).center();
        emit w.lstmem->customContextMenuRequested(item3);
        QVERIFY(menu->isVisible());
        QVERIFY(tools.mnucompare->isEnabled());
        QVERIFY(!tools.mnucompareclear->isEnabled());
        menu->hide();
        tools.mnucompare->trigger();
        QCOMPARE(tools.comparedRow(), 2);
        QVERIFY(tools.overlay().hasComparison());
        QCOMPARE(tools.overlay().comparisonLegend(), QStringLiteral("Mem 3"));
        QVERIFY(w.picascan->grab().toImage() != alone);
        QCOMPARE(w.picascan->image(), report); // the report's picture has no comparison

        // An empty memory cannot be compared.
        const QPoint item5 = w.lstmem->visualRect(w.lstmem->model()->index(4, 0)).center();
        emit w.lstmem->customContextMenuRequested(item5);
        QVERIFY(!tools.mnucompare->isEnabled());
        QVERIFY(tools.mnucompareclear->isEnabled());
        menu->hide();

        // Clearing it restores the normal view.
        tools.mnucompareclear->trigger();
        QCOMPARE(tools.comparedRow(), -1);
        QVERIFY(!tools.overlay().hasComparison());
        QCOMPARE(w.picascan->grab().toImage(), alone);
    }

    void copyPutsTheShownAscanOnTheClipboard()
    {
        test::StartedApplication app;
        MainWindow& w = fillBank(app);
        AscanToolsController& tools = comparedAndZoomed(w);
        tools.overlay().setCursorSample(100);
        tools.mnucopyascan->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        QVERIFY(!copied.isNull());
        // As shown, zoom and comparison included, without the cursor, at two pixels per unit.
        const QImage expected = tools.overlay().image(w.ascanDrawing(), 2.0);
        QCOMPARE(copied.size(), expected.size());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
        QVERIFY(copied.convertToFormat(QImage::Format_RGB32) !=
                renderAscan(w.ascanDrawing(), 2.0).convertToFormat(QImage::Format_RGB32));
    }

    void savedSvgRendersLikeThePng()
    {
        test::StartedApplication app;
        MainWindow& w = fillBank(app);
        AscanToolsController& tools = comparedAndZoomed(w);
        const QString png = m_workDir.filePath(QStringLiteral("ascan.png"));
        const QString svg = m_workDir.filePath(QStringLiteral("ascan.SVG"));
        QVERIFY(tools.saveImage(png));
        QVERIFY(tools.saveImage(svg));

        QImageReader reader(png);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage fromPng = reader.read().convertToFormat(QImage::Format_RGB32);
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox().size(), fromPng.size());
        QImage fromSvg(fromPng.size(), QImage::Format_RGB32);
        fromSvg.fill(Qt::white);
        QPainter painter(&fromSvg);
        renderer.render(&painter);
        painter.end();
        const auto [worst, share] = difference(fromPng, fromSvg, 64);
        qInfo("SVG against PNG: %.4f of the pixels differ by more than 64, worst %d", share, worst);
        if (!qEnvironmentVariableIsEmpty("QUILLON_KEEP_IMAGES")) {
            fromSvg.save(QDir(qEnvironmentVariable("QUILLON_KEEP_IMAGES")).filePath("svg.png"));
            fromPng.save(QDir(qEnvironmentVariable("QUILLON_KEEP_IMAGES")).filePath("png.png"));
        }
        QVERIFY2(
            share < 0.01,
            qPrintable(QStringLiteral("%1 of the pixels differ (worst %2)").arg(share).arg(worst)));
        // The comparison made it into both.
        QVERIFY(fromSvg != renderAscan(w.ascanDrawing(), 2.0));

        // Framed whole, as the window frames it, with the caption line under the surface.
        QCOMPARE(fromPng.size(), QSize(520, 494));
        const auto dark = [&](int x, int y) { return qGray(fromPng.pixel(x, y)) < 100; };
        for (const QPoint& p : {QPoint(0, 200), QPoint(519, 200), QPoint(300, 0), QPoint(300, 465)})
            QVERIFY2(dark(p.x(), p.y()), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QVERIFY(svgFile.readAll().contains(">Mem 7   tested 2024-06-15 14:32<"));
    }

    void unwritableFileIsReported()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        const QString path = m_workDir.filePath(QStringLiteral("no/such/folder/ascan.png"));
        QVERIFY(!toolsOf(w).saveImage(path));
        QVERIFY(!QFile::exists(path));
        QVERIFY(
            w.statusBar()->currentMessage().startsWith(QStringLiteral("A-scan image not saved")));
    }
};

QTEST_MAIN(AscanToolsTest)
#include "tst_ascan_tools.moc"
