// The A-scan tools' layer on picascan, driven by mouse and key events: the cursor, the gate
// peaks, zooming and panning with our own scale, and a second trace to compare. The drawing
// model the reports use stays as it was.
#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "core/AscanMeasure.h"
#include "core/PanelTexts.h"
#include "support/Records.h"
#include "view/AscanOverlay.h"
#include "view/AscanView.h"

#include <QSignalSpy>
#include <QTest>

using namespace quillon;

namespace
{

// Range 100, delay 0, gate 1 from 30 % for 25 % at 40 %, an echo of 60 % at sample 100 and one
// of 80 % at sample 200.
Record echoRecord()
{
    Record r = test::gateRecord();
    r[100] = 60;
    r[200] = 80;
    return r;
}

struct Fixture {
    Record record;
    AscanView view;
    AscanOverlay* overlay = new AscanOverlay(view);

    explicit Fixture(const Record& shown = echoRecord()) : record(shown)
    {
        view.setDrawing(drawRecord(record));
        overlay->setMeasure(AscanMeasure(record, panelTexts(record)));
        view.resize(int(kAscanWidth * 3) + 2, int(kAscanHeight * 3) + 2);
        view.show();
    }
    // The widget point of surface point (x, y).
    QPointF at(double x, double y = 100) const
    {
        const QRectF s = view.surfaceRect();
        return {s.left() + x * s.width() / kAscanWidth, s.top() + y * s.height() / kAscanHeight};
    }
    void mouse(QEvent::Type type, QPointF pos, Qt::MouseButton button = Qt::NoButton,
               Qt::MouseButtons buttons = Qt::NoButton)
    {
        QMouseEvent e(type, pos, view.mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &e);
    }
    void drag(QPointF from, QPointF to, Qt::MouseButton button)
    {
        mouse(QEvent::MouseButtonPress, from, button, button);
        mouse(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button);
        mouse(QEvent::MouseMove, to, Qt::NoButton, button);
        mouse(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }
    void wheel(QPointF pos, int delta)
    {
        QWheelEvent e(pos, view.mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view, &e);
    }
    QImage shown() { return view.grab().toImage(); }
    // Pixels of `color` (within a small tolerance) inside surface rectangle r.
    int count(const QImage& image, const QRectF& r, const QColor& color) const
    {
        const QRectF s = view.surfaceRect();
        const double k = s.width() / kAscanWidth;
        int n = 0;
        for (int y = int(s.top() + r.top() * k); y < int(s.top() + r.bottom() * k); ++y)
            for (int x = int(s.left() + r.left() * k); x < int(s.left() + r.right() * k); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (qAbs(c.red() - color.red()) < 30 && qAbs(c.green() - color.green()) < 30 &&
                    qAbs(c.blue() - color.blue()) < 30)
                    ++n;
            }
        return n;
    }
};

const QRectF kScaleStrip(0, 213, kAscanWidth, kAscanHeight - 213);

} // namespace

class AscanOverlayTest : public QObject
{
    Q_OBJECT

private slots:
    void cursorFollowsTheMouse()
    {
        Fixture f;
        QSignalSpy moved(f.overlay, &AscanOverlay::cursorChanged);
        QCOMPARE(f.overlay->cursorSample(), AscanOverlay::kNoCursor);
        f.mouse(QEvent::MouseMove, f.at(101));
        QCOMPARE(f.overlay->cursorSample(), 100);
        f.mouse(QEvent::MouseMove, f.at(0.2));
        QCOMPARE(f.overlay->cursorSample(), 0);
        f.mouse(QEvent::MouseMove, f.at(kAscanWidth - 1));
        QCOMPARE(f.overlay->cursorSample(), 249);
        QCOMPARE(moved.count(), 3);
        QCOMPARE(moved.last().at(0).toInt(), 249);
        // A click sets it too, and is no zoom.
        f.mouse(QEvent::MouseButtonPress, f.at(51), Qt::LeftButton, Qt::LeftButton);
        f.mouse(QEvent::MouseButtonRelease, f.at(51), Qt::LeftButton);
        QCOMPARE(f.overlay->cursorSample(), 50);
        QVERIFY(!f.overlay->isZoomed());
    }

    void arrowKeysMoveTheCursor_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("expected");
        QTest::newRow("right") << 100 << int(Qt::Key_Right) << false << 101;
        QTest::newRow("left") << 100 << int(Qt::Key_Left) << false << 99;
        QTest::newRow("shift right") << 100 << int(Qt::Key_Right) << true << 110;
        QTest::newRow("shift left") << 100 << int(Qt::Key_Left) << true << 90;
        QTest::newRow("stops at the first sample") << 5 << int(Qt::Key_Left) << true << 0;
        QTest::newRow("stops at the last sample") << 245 << int(Qt::Key_Right) << true << 249;
        QTest::newRow("first press starts at the left") << -1 << int(Qt::Key_Right) << false << 0;
    }

    void arrowKeysMoveTheCursor()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(int, expected);
        Fixture f;
        f.overlay->setCursorSample(start);
        QTest::keyClick(&f.view, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(f.overlay->cursorSample(), expected);
    }

    void cursorAndPeakArePainted()
    {
        Fixture f;
        const QColor cursor(200, 0, 160);
        const QColor peak(220, 40, 0);
        const QImage before = f.shown();
        QCOMPARE(f.count(before, QRectF(140, 10, 20, 200), cursor), 0);
        // The gate 1 peak (sample 100, 60 %) is marked above the echo: x 101, y 90.
        QVERIFY(f.count(before, QRectF(96, 78, 10, 12), peak) > 4);
        // The 80 % echo at sample 200 lies outside the gate and gets no mark.
        QCOMPARE(f.count(before, QRectF(196, 38, 10, 12), peak), 0);

        f.mouse(QEvent::MouseMove, f.at(151));
        QVERIFY(f.count(f.shown(), QRectF(149, 10, 4, 200), cursor) > 20);
        // The model itself is the same as before.
        QCOMPARE(f.view.drawing().items.size(), drawRecord(f.record).items.size());
        QCOMPARE(f.view.image(), renderAscan(drawRecord(f.record)));
    }

    void wheelZoomsAboutTheMouseAndBack()
    {
        Fixture f;
        const QPointF mouse = f.at(101);
        f.wheel(mouse, 120);
        QVERIFY(f.overlay->isZoomed());
        const QRectF v = f.overlay->visibleArea();
        QVERIFY(qAbs(v.width() - 250 / 1.25) < 1e-9);
        QCOMPARE(v.height(), 200.0); // the wheel zooms the sound path only
        // The sample under the mouse stays under it.
        QCOMPARE(f.overlay->sampleAt(101), 100);
        f.wheel(mouse, 3 * 120);
        QVERIFY(f.overlay->visibleArea().width() < v.width());
        QCOMPARE(f.overlay->sampleAt(101), 100);
        f.wheel(mouse, -10 * 120);
        QVERIFY(!f.overlay->isZoomed());
        QCOMPARE(f.overlay->visibleArea(), AscanOverlay::traceArea());
    }

    void draggedRectangleZoomsAndDoubleClickReturns()
    {
        Fixture f;
        f.drag(f.at(51, 110), f.at(101, 60), Qt::LeftButton);
        QVERIFY(f.overlay->isZoomed());
        const QRectF v = f.overlay->visibleArea();
        QVERIFY(qAbs(v.left() - 51) < 0.5);
        QVERIFY(qAbs(v.right() - 101) < 0.5);
        QVERIFY(qAbs(v.top() - 60) < 0.5);
        QVERIFY(qAbs(v.bottom() - 110) < 0.5);
        // Samples 50 .. 100 now span the trace area.
        QCOMPARE(f.overlay->sampleAt(0.1), 50);
        QCOMPARE(f.overlay->sampleAt(249.9), 100);
        f.mouse(QEvent::MouseButtonDblClick, f.at(100), Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!f.overlay->isZoomed());
    }

    void rightDragPansAndEscapeReturns()
    {
        Fixture f;
        f.overlay->zoomTo(QRectF(100, 10, 50, 200));
        // Dragging the trace 125 surface units to the right shows what lay 25 units to the left.
        f.drag(f.at(150), f.at(275), Qt::RightButton);
        QVERIFY(qAbs(f.overlay->visibleArea().left() - 75) < 0.5);
        QCOMPARE(f.overlay->visibleArea().width(), 50.0);
        QCOMPARE(f.overlay->cursorSample(), AscanOverlay::kNoCursor); // panning moves no cursor
        // A pan stops at the start of the trace.
        f.drag(f.at(0), f.at(500), Qt::RightButton);
        QCOMPARE(f.overlay->visibleArea().left(), 0.0);
        f.view.setFocus();
        QTest::keyClick(&f.view, Qt::Key_Escape);
        QVERIFY(!f.overlay->isZoomed());
    }

    void cursorKeysScrollTheZoomedView()
    {
        Fixture f;
        f.overlay->zoomTo(QRectF(100, 10, 50, 200)); // samples 99 .. 149
        f.overlay->setCursorSample(149);
        QTest::keyClick(&f.view, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(f.overlay->cursorSample(), 159);
        QCOMPARE(f.overlay->visibleArea(), QRectF(110, 10, 50, 200));
        f.overlay->setCursorSample(105);
        QCOMPARE(f.overlay->visibleArea(), QRectF(106, 10, 50, 200));
    }

    void zoomedViewHasOurScaleNotTheInstruments()
    {
        Fixture f;
        const QImage full = f.shown();
        const QColor black(0, 0, 0);
        const QColor ourBlue(0, 80, 200);
        QVERIFY(f.count(full, kScaleStrip, black) > 20); // the instrument's labels
        QCOMPARE(f.count(full, kScaleStrip, ourBlue), 0);

        f.overlay->zoomTo(QRectF(51, 10, 50, 200));
        const QImage zoomed = f.shown();
        QCOMPARE(f.count(zoomed, kScaleStrip, black), 0);
        QVERIFY(f.count(zoomed, kScaleStrip, ourBlue) > 20);
        // The echo at sample 100 (x 101) now stands at the right edge, 60 % high.
        QVERIFY(f.count(zoomed, QRectF(244, 88, 6, 4), kTraceGreen) > 0);
        // Only a view zoomed in height names the amplitudes at its edges.
        const QRectF topLabel(2, 11, 25, 9);
        QCOMPARE(f.count(zoomed, topLabel, ourBlue), 0);
        f.overlay->zoomTo(QRectF(51, 60, 50, 100));
        QVERIFY(f.count(f.shown(), topLabel, ourBlue) > 5);
        // The report's picture is still the whole trace with the instrument's labels.
        QCOMPARE(f.view.image(), renderAscan(drawRecord(f.record)));
    }

    void comparisonIsDrawnAndCleared()
    {
        Fixture f;
        // A second trace with an echo of 50 % at sample 150 where the current trace is flat.
        Record other = echoRecord();
        other[150] = 50;
        AscanDrawing otherDrawing = drawRecord(other);
        const auto& trace = std::get<PolylineItem>(otherDrawing.items[1]);
        const QRectF echo(146, 110, 10, 60);
        QCOMPARE(f.count(f.shown(), echo, AscanOverlay::kCompareColor), 0);

        f.overlay->setComparison(trace.points, QStringLiteral("Mem 9"), QStringLiteral("Mem 2"));
        QVERIFY(f.overlay->hasComparison());
        const QImage compared = f.shown();
        QVERIFY(f.count(compared, echo, AscanOverlay::kCompareColor) > 10);
        // The legend in the top right corner carries both colours.
        QVERIFY(f.count(compared, QRectF(180, 10, 70, 22), AscanOverlay::kCompareColor) > 5);
        QVERIFY(f.count(compared, QRectF(180, 10, 70, 22), kTraceGreen) > 5);
        // Behind the current trace: where both lie on the baseline, green wins.
        QCOMPARE(f.count(compared, QRectF(20, 208, 20, 3), AscanOverlay::kCompareColor), 0);

        f.overlay->clearComparison();
        QVERIFY(!f.overlay->hasComparison());
        QCOMPARE(f.shown(), f.shown());
        QCOMPARE(f.count(f.shown(), echo, AscanOverlay::kCompareColor), 0);
        QCOMPARE(f.count(f.shown(), QRectF(180, 10, 70, 22), AscanOverlay::kCompareColor), 0);
    }

    void legendMovesOffAPeakMark()
    {
        // Gate 1 from 80 % for 15 %: its peak of 95 % at sample 220 is marked in the top right
        // corner, where the legend would stand.
        Record r = test::gateRecord("80%    ", "15%    ");
        r[220] = 95;
        Fixture f(r);
        const QRectF mark(217, 4, 8, 16);
        const QRectF topRight(190, 12, 60, 20);
        const QRectF topLeft(3, 12, 60, 20);
        const int markInk = f.count(f.shown(), mark, AscanPeaksItem::kGateColors[0]);
        QVERIFY(markInk > 4);

        const AscanDrawing flat = drawRecord(test::gateRecord());
        f.overlay->setComparison(std::get<PolylineItem>(flat.items[1]).points,
                                 QStringLiteral("Mem 9"), QStringLiteral("Mem 2"));
        const QImage compared = f.shown();
        QCOMPARE(f.count(compared, mark, AscanPeaksItem::kGateColors[0]), markInk);
        QCOMPARE(f.count(compared, topRight, AscanOverlay::kCompareColor), 0);
        QVERIFY(f.count(compared, topLeft, AscanOverlay::kCompareColor) > 5);
    }

    void cursorFollowsTheMouseAfterZoomAndPan()
    {
        Fixture f;
        f.overlay->zoomTo(QRectF(100, 10, 50, 200));
        f.mouse(QEvent::MouseMove, f.at(200)); // drawing x 100 + 200 * 50 / 250 = 140
        QCOMPARE(f.overlay->cursorSample(), 139);
        QSignalSpy moved(f.overlay, &AscanOverlay::cursorChanged);
        f.view.setFocus();
        QTest::keyClick(&f.view, Qt::Key_Escape); // the whole trace: x 200 under the mouse
        QCOMPARE(f.overlay->cursorSample(), 199);
        f.wheel(f.at(50), 120); // the wheel moves the mouse to x 50 and zooms about it
        QCOMPARE(f.overlay->cursorSample(), 49);
        f.overlay->panBy(-25, 0); // a tenth of the surface: 20 of the 200 samples shown
        QCOMPARE(f.overlay->cursorSample(), 69);
        QCOMPARE(moved.count(), 3);
        QCOMPARE(moved.last().at(0).toInt(), 69);
    }

    void newDrawingIsShownAtOnce()
    {
        // What was painted for the old drawing is not shown again for a new one.
        Fixture f;
        f.overlay->setCursorSample(120);
        const QImage before = f.shown();
        Record flat = echoRecord();
        flat[100] = 0;
        flat[200] = 0;
        f.view.setDrawing(drawRecord(flat));
        const QImage after = f.shown();
        QVERIFY(after != before);
        Fixture fresh;
        fresh.view.setDrawing(drawRecord(flat));
        fresh.overlay->setCursorSample(120);
        QCOMPARE(after, fresh.shown());
    }
};

QTEST_MAIN(AscanOverlayTest)
#include "tst_ascan_overlay.moc"
