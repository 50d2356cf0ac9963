// The A-scan tools' geometry: cutting lines to an area, the zoomed view's rules, and moving a
// compared trace onto the sound-path axis of the trace on display.
#include "core/AscanGeometry.h"
#include "core/AscanZoom.h"

#include <QTest>

using namespace quillon;

using Points = QVector<QPointF>;
Q_DECLARE_METATYPE(Points)

namespace
{
bool near(const Points& got, const Points& want)
{
    if (got.size() != want.size())
        return false;
    for (qsizetype i = 0; i < got.size(); ++i)
        if (QLineF(got[i], want[i]).length() > 1e-9)
            return false;
    return true;
}
QByteArray text(const Points& points)
{
    QStringList parts;
    for (const QPointF& p : points)
        parts << QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
    return parts.join(u' ').toUtf8();
}
} // namespace

class AscanGeometryTest : public QObject
{
    Q_OBJECT

private slots:
    void clipSegment_data()
    {
        QTest::addColumn<QPointF>("a");
        QTest::addColumn<QPointF>("b");
        QTest::addColumn<bool>("inside");
        QTest::addColumn<QPointF>("clippedA");
        QTest::addColumn<QPointF>("clippedB");
        // All against the area 0..10 x 0..10.
        QTest::newRow("inside") << QPointF(1, 1) << QPointF(2, 3) << true << QPointF(1, 1)
                                << QPointF(2, 3);
        QTest::newRow("leaves on the right")
            << QPointF(5, 5) << QPointF(15, 5) << true << QPointF(5, 5) << QPointF(10, 5);
        QTest::newRow("crosses from side to side")
            << QPointF(-5, 5) << QPointF(15, 5) << true << QPointF(0, 5) << QPointF(10, 5);
        QTest::newRow("enters through the top diagonally")
            << QPointF(2, -4) << QPointF(6, 4) << true << QPointF(4, 0) << QPointF(6, 4);
        QTest::newRow("lies on the left edge")
            << QPointF(0, -5) << QPointF(0, 5) << true << QPointF(0, 0) << QPointF(0, 5);
        QTest::newRow("touches a corner")
            << QPointF(-5, 5) << QPointF(5, 15) << true << QPointF(0, 10) << QPointF(0, 10);
        QTest::newRow("passes beside")
            << QPointF(11, 0) << QPointF(20, 5) << false << QPointF() << QPointF();
        QTest::newRow("parallel above")
            << QPointF(0, -1) << QPointF(10, -1) << false << QPointF() << QPointF();
    }
    void clipSegment()
    {
        QFETCH(QPointF, a);
        QFETCH(QPointF, b);
        QFETCH(bool, inside);
        QCOMPARE(quillon::clipSegment(a, b, QRectF(0, 0, 10, 10)), inside);
        if (!inside)
            return;
        QTEST(a, "clippedA");
        QTEST(b, "clippedB");
    }

    void polylineIsCutIntoRuns()
    {
        // Out over the top and back: two runs, each starting or ending on the edge.
        const Points line{{0, 5}, {2, 5}, {4, -5}, {6, -5}, {8, 5}, {10, 5}};
        const auto runs = clippedRuns(line, QRectF(0, 0, 10, 10));
        QCOMPARE(runs.size(), 2);
        QVERIFY2(near(runs[0], Points{{0, 5}, {2, 5}, {3, 0}}), text(runs[0]));
        QVERIFY2(near(runs[1], Points{{7, 0}, {8, 5}, {10, 5}}), text(runs[1]));
        QVERIFY(clippedRuns(line, QRectF(20, 0, 5, 5)).isEmpty());
    }

    void zoomRules_data()
    {
        QTest::addColumn<QRectF>("start");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QRectF>("argument"); // zoomAt: x factor, y surface x; panBy: dx, dy
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QRectF>("visible");
        const QRectF whole = AscanZoom::traceArea();
        QTest::newRow("area") << whole << "zoomTo" << QRectF(50, 60, 100, 50) << true
                              << QRectF(50, 60, 100, 50);
        QTest::newRow("area beyond the trace is cut to it")
            << whole << "zoomTo" << QRectF(240, 0, 50, 300) << true << QRectF(240, 10, 10, 200);
        QTest::newRow("tiny area grows about its centre")
            << whole << "zoomTo" << QRectF(100, 100, 1, 1) << true << QRectF(98, 98, 5, 5);
        QTest::newRow("area outside the trace")
            << whole << "zoomTo" << QRectF(300, 0, 10, 10) << false << whole;
        QTest::newRow("twice about the middle")
            << whole << "zoomAt" << QRectF(2, 125, 0, 0) << true << QRectF(62.5, 10, 125, 200);
        QTest::newRow("twice about the left edge")
            << whole << "zoomAt" << QRectF(2, 0, 0, 0) << true << QRectF(0, 10, 125, 200);
        QTest::newRow("no further in than five samples")
            << QRectF(100, 10, 10, 200) << "zoomAt" << QRectF(100, 125, 0, 0) << true
            << QRectF(102.5, 10, 5, 200);
        QTest::newRow("out past the whole trace")
            << QRectF(100, 10, 50, 200) << "zoomAt" << QRectF(0.01, 125, 0, 0) << true << whole;
        QTest::newRow("pan: a quarter of the surface is a quarter of the view")
            << QRectF(100, 10, 50, 200) << "panBy" << QRectF(62.5, 0, 0, 0) << true
            << QRectF(87.5, 10, 50, 200);
        QTest::newRow("pan stops at the end of the trace")
            << QRectF(100, 10, 50, 200) << "panBy" << QRectF(-1000, 0, 0, 0) << true
            << QRectF(200, 10, 50, 200);
        QTest::newRow("nothing to pan in the whole trace")
            << whole << "panBy" << QRectF(30, 30, 0, 0) << false << whole;
    }
    void zoomRules()
    {
        QFETCH(QRectF, start);
        QFETCH(QString, operation);
        QFETCH(QRectF, argument);
        AscanZoom zoom;
        zoom.setVisible(start);
        QCOMPARE(zoom.visible(), start);
        const bool changed = operation == u"zoomTo"   ? zoom.zoomTo(argument)
                             : operation == u"zoomAt" ? zoom.zoomAt(argument.x(), argument.y())
                                                      : zoom.panBy(argument.x(), argument.y());
        QTEST(changed, "changed");
        QTEST(zoom.visible(), "visible");
        // The two kinds of coordinates map onto each other.
        const QPointF p(37, 150);
        QVERIFY(QLineF(zoom.toDrawing(zoom.toSurface(p)), p).length() < 1e-9);
    }

    void zoomedDrawingIsCutToTheTraceArea()
    {
        AscanZoom zoom;
        zoom.zoomTo(QRectF(100, 10, 50, 200));
        AscanDrawing model;
        model.items = {LineItem{0, 100, 250, 100, kForeground},
                       PolylineItem{kTraceGreen, {{90, 210}, {125, 110}, {160, 210}}},
                       DotsItem{kForeground, {{50, 50}, {125, 50}}},
                       TextItem{0, 215, QStringLiteral(" 0"), kForeground}};
        const AscanDrawing shown = zoom.shown(model);
        QCOMPARE(shown.items.size(), size_t(3)); // the instrument's label is left out
        const auto& line = std::get<LineItem>(shown.items[0]);
        QCOMPARE(QLineF(line.x1, line.y1, line.x2, line.y2), QLineF(-1, 100, 251.5, 100));
        const Points& trace = std::get<PolylineItem>(shown.items[1]).points;
        // Cut where it leaves the area on both sides, the echo's tip kept.
        QCOMPARE(trace.size(), 3);
        QCOMPARE(trace[0], QPointF(-1, 182));
        QCOMPARE(trace[1], QPointF(125, 110));
        QCOMPARE(std::get<DotsItem>(shown.items[2]).points, Points{QPointF(125, 50)});
        // Without zoom the model is shown as it is.
        QCOMPARE(AscanZoom().shown(model).items.size(), model.items.size());
    }

    void traceOnAxis_data()
    {
        QTest::addColumn<double>("fromDelay");
        QTest::addColumn<double>("fromRange");
        QTest::addColumn<double>("toDelay");
        QTest::addColumn<double>("toRange");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<Points>("expected");
        const Points trace{{0, 210}, {100, 150}, {200, 100}, {250, 210}};
        QTest::newRow("same axis") << 0.0 << 200.0 << 0.0 << 200.0 << true << trace;
        QTest::newRow("range 250 onto 200: stretched, cut at the end")
            << 0.0 << 250.0 << 0.0 << 200.0 << true << Points{{0, 210}, {125, 150}, {250, 100}};
        QTest::newRow("range 100 onto 200: half as wide")
            << 0.0 << 100.0 << 0.0 << 200.0 << true
            << Points{{0, 210}, {50, 150}, {100, 100}, {125, 210}};
        QTest::newRow("delay 50 onto delay 0, same range: shifted right")
            << 50.0 << 200.0 << 0.0 << 200.0 << true
            << Points{{62.5, 210}, {162.5, 150}, {250, 106.25}};
        QTest::newRow("delay 20 onto delay 40: shifted left")
            << 20.0 << 100.0 << 40.0 << 100.0 << true
            << Points{{0, 180}, {50, 150}, {150, 100}, {200, 210}};
        QTest::newRow("beyond what is shown") << 300.0 << 100.0 << 0.0 << 200.0 << true << Points{};
        QTest::newRow("compared range without a number")
            << 0.0 << 0.0 << 0.0 << 200.0 << false << Points{};
        QTest::newRow("shown range without a number")
            << 0.0 << 200.0 << 0.0 << 0.0 << false << Points{};
    }
    void traceOnAxis()
    {
        QFETCH(double, fromDelay);
        QFETCH(double, fromRange);
        QFETCH(double, toDelay);
        QFETCH(double, toRange);
        QFETCH(bool, moved);
        QFETCH(Points, expected);
        const Points trace{{0, 210}, {100, 150}, {200, 100}, {250, 210}};
        const auto got = quillon::traceOnAxis(trace, {fromDelay, fromRange}, {toDelay, toRange});
        QCOMPARE(got.has_value(), moved);
        if (got)
            QVERIFY2(near(*got, expected), text(*got));
    }
};

QTEST_GUILESS_MAIN(AscanGeometryTest)
#include "tst_ascan_geometry.moc"
