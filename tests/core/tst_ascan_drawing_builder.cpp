// The A-scan drawing model: trace, graticule, gate bars, DAC curves and the range scale.
#include "core/AscanDrawingBuilder.h"
#include "support/Records.h"

#include <QTest>

using namespace quillon;

namespace
{
const QColor kGreen(0, 170, 0);
const QColor kBlack(0, 0, 0);

// A record with every setup group blank except those given; gates and DAC off.
Record setupRecord()
{
    Record r = test::spaceRecord();
    putText(r, 295, "OFF    "); // gate 1
    putText(r, 323, "OFF    "); // gate 2
    putText(r, 431, "OFF    "); // DAC
    return r;
}

template <typename T> QList<T> itemsOf(const AscanDrawing& d)
{
    QList<T> list;
    for (const AscanItem& item : d.items)
        if (const T* t = std::get_if<T>(&item))
            list.append(*t);
    return list;
}

// The lines drawn after the graticule (the overlays), as (x1, y1, x2, y2).
QList<QLineF> overlayLines(const AscanDrawing& d)
{
    QList<QLineF> lines;
    for (size_t i = 3; i < d.items.size(); ++i)
        if (const LineItem* l = std::get_if<LineItem>(&d.items[i])) {
            lines.append(QLineF(l->x1, l->y1, l->x2, l->y2));
            if (l->color != kGreen)
                qWarning() << "overlay not green" << l->color;
        }
    return lines;
}

using Label = QPair<double, QString>; // x, text
} // namespace

class AscanDrawingBuilderTest : public QObject
{
    Q_OBJECT

private slots:
    void drawingOrderBaselineTraceDotsOverlaysLabels()
    {
        const AscanDrawing d = drawRecord(test::gateRecord("30%    ", "70%    "));
        QCOMPARE(int(d.items.size()), 1 + 1 + 1 + 1 + 6);
        const LineItem* baseline = std::get_if<LineItem>(&d.items[0]);
        QVERIFY(baseline);
        QCOMPARE(QLineF(baseline->x1, baseline->y1, baseline->x2, baseline->y2),
                 QLineF(0, 210, 252, 210));
        QCOMPARE(baseline->color, kBlack);
        const PolylineItem* trace = std::get_if<PolylineItem>(&d.items[1]);
        QVERIFY(trace);
        QCOMPARE(trace->color, kGreen);
        const DotsItem* dots = std::get_if<DotsItem>(&d.items[2]);
        QVERIFY(dots);
        QCOMPARE(dots->color, kBlack);
        QVERIFY(std::holds_alternative<LineItem>(d.items[3]));
        for (int i = 4; i < 10; ++i) {
            const TextItem* t = std::get_if<TextItem>(&d.items[i]);
            QVERIFY(t);
            QCOMPARE(t->color, kBlack);
            QCOMPARE(t->y, 215.0);
        }
    }

    void traceHeights_data()
    {
        QTest::addColumn<int>("sample");
        QTest::addColumn<double>("y");
        QTest::newRow("0 on the baseline") << 0 << 210.0;
        QTest::newRow("1") << 1 << 208.0;
        QTest::newRow("4 inside the lowest band") << 4 << 202.0;
        QTest::newRow("50 at half height") << 50 << 110.0;
        QTest::newRow("100 at full height") << 100 << 10.0;
        QTest::newRow("101 flat top") << 101 << 10.0;
        QTest::newRow("255 flat top") << 255 << 10.0;
    }

    void traceHeights()
    {
        QFETCH(int, sample);
        QFETCH(double, y);
        for (int i : {0, 1, 137, 249}) {
            Record r = setupRecord();
            r[i] = std::int16_t(sample);
            const QList<PolylineItem> traces = itemsOf<PolylineItem>(drawRecord(r));
            QCOMPARE(traces.size(), 1);
            QCOMPARE(traces[0].points.size(), 251);
            QCOMPARE(traces[0].points[i + 1], QPointF(i + 1, y));
        }
    }

    void traceStartsAtTheBaselineAndIgnoresPosition250()
    {
        Record r = test::randomRecord(11);
        r[0] = 100;
        const PolylineItem trace = itemsOf<PolylineItem>(drawRecord(r))[0];
        QCOMPARE(trace.points.first(), QPointF(0, 210));
        QCOMPARE(trace.points.last().x(), 250.0);
        Record changed = r;
        changed[250] = std::int16_t((r[250] + 50) % 256);
        changed[251] = std::int16_t((r[251] + 50) % 256);
        const PolylineItem again = itemsOf<PolylineItem>(drawRecord(changed))[0];
        QCOMPARE(again.points, trace.points);
    }

    void flatRecordLiesOnTheBaseline()
    {
        const PolylineItem trace = itemsOf<PolylineItem>(drawRecord(setupRecord()))[0];
        QCOMPARE(trace.points.first(), QPointF(0, 210));
        for (int i = 1; i <= 250; ++i)
            QCOMPARE(trace.points[i], QPointF(i, 210));
    }

    void graticuleDotsInDrawingOrder()
    {
        QList<QPointF> expected;
        for (int y = 10; y <= 190; y += 20) // ten dotted rows, none at the baseline
            for (int x = 1; x <= 246; x += 5)
                expected.append(QPointF(x, y));
        for (int y = 10; y <= 210; y += 5) // eleven dotted columns down to the baseline
            for (int x = 1; x <= 251; x += 25)
                expected.append(QPointF(x, y));
        for (int y : {211, 212, 213}) // ticks under the columns
            for (int x = 1; x <= 251; x += 25)
                expected.append(QPointF(x, y));
        QCOMPARE(expected.size(), 10 * 50 + 41 * 11 + 3 * 11);
        const QList<DotsItem> dots = itemsOf<DotsItem>(drawRecord(setupRecord()));
        QCOMPARE(dots.size(), 1);
        QCOMPARE(dots[0].points, expected);
    }

    void drawingAgainGivesTheSameDrawing()
    {
        Record r = test::randomRecord(3);
        putText(r, 267, "100    ");
        putText(r, 281, "0      ");
        AscanDrawing d;
        display_pattern(d, r);
        display_pattern(d, r); // always starts with a clear
        const AscanDrawing once = [&] {
            AscanDrawing fresh;
            display_pattern(fresh, r);
            return fresh;
        }();
        QCOMPARE(d.items.size(), once.items.size());
        QCOMPARE(d.items.size(), size_t(3));
    }

    void gateBars_data()
    {
        QTest::addColumn<QByteArray>("gate1");
        QTest::addColumn<QByteArray>("gate2");
        QTest::addColumn<QList<QLineF>>("bars");
        const QLineF bar1(75, 130, 250, 130);  // start 30 %, width 70 %, level 40 %
        const QLineF bar2(25, 170, 62.5, 170); // start 10 %, width 15 %, level 20 %
        const auto row = [](const char* name, const char* gate1, const char* gate2,
                            const QList<QLineF>& bars) {
            QTest::newRow(name) << QByteArray(gate1) << QByteArray(gate2) << bars;
        };
        row("gate 1 DAC -6: no bar", "DAC -6 ", "OFF    ", {});
        row("gate 1 DAC -12: no bar", "DAC -12", "OFF    ", {});
        row("gate 1 OFF", "OFF    ", "OFF    ", {});
        row("gate 1 on, gate 2 OFF: one bar", "ON     ", "OFF    ", {bar1});
        row("gate 1 any other text", "POS    ", "OFF    ", {bar1});
        row("gate 1 off in lower case draws", "off    ", "OFF    ", {bar1});
        row("gate 1 DAC -6 without its space draws", "DAC -6x", "OFF    ", {bar1});
        row("both gates", "ON     ", "ON     ", {bar1, bar2});
        row("gate 2 is tested against OFF only", "OFF    ", "DAC -6 ", {bar2});
    }

    void gateBars()
    {
        QFETCH(QByteArray, gate1);
        QFETCH(QByteArray, gate2);
        QFETCH(QList<QLineF>, bars);
        Record r = test::gateRecord("30%    ", "70%    ");
        putText(r, 295, gate1);
        putText(r, 323, gate2);
        putText(r, 330, "10%    ");
        putText(r, 337, "15%    ");
        putText(r, 344, "20%    ");
        QCOMPARE(overlayLines(drawRecord(r)), bars);

        // A gate whose numbers are missing draws a bar of no length on the baseline's left end.
        Record blank = setupRecord();
        putText(blank, 295, gate1);
        putText(blank, 323, gate2);
        for (const QLineF& line : overlayLines(drawRecord(blank)))
            QCOMPARE(line, QLineF(0, 210, 0, 210));
    }

    void dacCurves_data()
    {
        QTest::addColumn<QByteArray>("dac");
        QTest::addColumn<QList<int>>("amplitudes"); // nine points, x at 0, 30, 60, ...
        QTest::addColumn<QList<QLineF>>("lines");
        const QList<int> falling{80, 60, 40, 20, 4, 30, 30, 30, 30};
        QTest::newRow("ON: stops at an amplitude of 4")
            << QByteArray("ON     ") << falling
            << QList<QLineF>{QLineF(0, 50, 30, 90), QLineF(30, 90, 60, 130),
                             QLineF(60, 130, 90, 170)};
        QTest::newRow("ON: amplitude 4 at point 0 draws nothing")
            << QByteArray("ON     ") << QList<int>{4, 50, 50, 50, 50, 50, 50, 50, 50}
            << QList<QLineF>{};
        QTest::newRow("ON: amplitude 5 still draws")
            << QByteArray("ON     ") << QList<int>{5, 5, 0, 0, 0, 0, 0, 0, 0}
            << QList<QLineF>{QLineF(0, 200, 30, 200)};
        QList<QLineF> eight;
        for (int k = 0; k < 8; ++k)
            eight.append(QLineF(30 * k, 110, 30 * (k + 1), 110));
        QTest::newRow("ON: at most eight segments")
            << QByteArray("ON     ") << QList<int>(9, 50) << eight;
        QTest::newRow("ON 6/14: amplitude 50 at both ends")
            << QByteArray("ON 6/14") << QList<int>{50, 50, 0, 0, 0, 0, 0, 0, 0}
            << QList<QLineF>{QLineF(0, 110, 30, 110), QLineF(0, 160, 30, 160),
                             QLineF(0, 190, 30, 190)};
        QTest::newRow("ON 6/14: companions follow each segment")
            << QByteArray("ON 6/14") << QList<int>{80, 60, 4, 0, 0, 0, 0, 0, 0}
            << QList<QLineF>{QLineF(0, 50, 30, 90), QLineF(0, 130, 30, 150),
                             QLineF(0, 178, 30, 186)};
        QTest::newRow("OFF: no curve")
            << QByteArray("OFF    ") << QList<int>(9, 50) << QList<QLineF>{};
        QTest::newRow("on in lower case: no curve")
            << QByteArray("on     ") << QList<int>(9, 50) << QList<QLineF>{};
        QTest::newRow("DAC -12: no curve")
            << QByteArray("DAC -12") << QList<int>(9, 50) << QList<QLineF>{};
    }

    void dacCurves()
    {
        QFETCH(QByteArray, dac);
        QFETCH(QList<int>, amplitudes);
        QFETCH(QList<QLineF>, lines);
        Record r = setupRecord();
        putText(r, 431, dac);
        for (int k = 0; k < 9; ++k)
            test::setDacPoint(r, k, 30 * k, amplitudes[k]);
        QCOMPARE(overlayLines(drawRecord(r)), lines);
    }

    void rangeScale_data()
    {
        QTest::addColumn<QByteArray>("range");
        QTest::addColumn<QByteArray>("delay");
        QTest::addColumn<QList<Label>>("labels");
        const auto row = [](const char* name, const char* range, const char* delay,
                            const QList<Label>& labels) {
            QTest::newRow(name) << QByteArray(range) << QByteArray(delay) << labels;
        };
        row("range 100, delay 0.0", "100    ", "0.0    ",
            {{0, " 0"}, {41, " 20"}, {91, " 40"}, {141, " 60"}, {191, " 80"}, {239, " 100"}});
        row("range 100, delay 12", "100    ", "12     ",
            {{0, " 12"}, {41, " 32"}, {91, " 52"}, {141, " 72"}, {191, " 92"}, {239, " 112"}});
        row("range 12, delay 0", "12     ", "0      ", {{0, " 0"}, {232, " 12"}});
        row("range 100, delay 2.5", "100    ", "2.5    ", {{0, " 2.5"}, {229, " 102.5"}});
        row("range without a number", "       ", "0.0    ", {});
        row("range 0", "0      ", "10     ", {});
        row("range with a unit", "250mm  ", "0      ",
            {{0, " 0"}, {41, " 50"}, {91, " 100"}, {141, " 150"}, {191, " 200"}, {239, " 250"}});
        row("delay without a number counts as 0", "50     ", "       ",
            {{0, " 0"}, {41, " 10"}, {91, " 20"}, {141, " 30"}, {191, " 40"}, {239, " 50"}});
        row("negative delay", "100    ", "-20    ",
            {{0, "-20"}, {41, " 0"}, {91, " 20"}, {141, " 40"}, {191, " 60"}, {239, " 80"}});
        row("negative fractional delay", "100    ", "-2.5   ", {{0, "-2.5"}, {229, " 97.5"}});
        row("fractional range", "12.5   ", "0      ", {{0, " 0"}, {232, " 12.5"}});
        row("sum of two short decimals", "0.2    ", "0.1    ", {{0, " 0.1"}, {229, " 0.3"}});
        // Label values must stay within 16 bits; beyond that only the start and end are printed.
        QTest::newRow("last label 32767 fits")
            << QByteArray("5      ") << QByteArray("32762  ")
            << QList<Label>{{0, " 32762"},   {41, " 32763"},  {91, " 32764"},
                            {141, " 32765"}, {191, " 32766"}, {239, " 32767"}};
        row("last label 32768 beyond 16 bits", "5      ", "32763  ",
            {{0, " 32763"}, {232, " 32768"}});
        row("range beyond 16 bits", "9999995", "0      ", {{0, " 0"}, {232, " 9999995"}});
        QTest::newRow("negative labels down to -32768")
            << QByteArray("-5     ") << QByteArray("-32763 ")
            << QList<Label>{{0, "-32763"},   {41, "-32764"},  {91, "-32765"},
                            {141, "-32766"}, {191, "-32767"}, {239, "-32768"}};
    }

    void rangeScale()
    {
        QFETCH(QByteArray, range);
        QFETCH(QByteArray, delay);
        QFETCH(QList<Label>, labels);
        Record r = setupRecord();
        putText(r, 267, range);
        putText(r, 281, delay);
        QList<Label> drawn;
        for (const TextItem& t : itemsOf<TextItem>(drawRecord(r))) {
            QCOMPARE(t.y, 215.0);
            drawn.append({t.x, t.text});
        }
        QCOMPARE(drawn, labels);
    }

    void scaleLabels_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << QStringLiteral(" 0");
        QTest::newRow("negative zero") << -0.0 << QStringLiteral(" 0");
        QTest::newRow("whole") << 20.0 << QStringLiteral(" 20");
        QTest::newRow("negative") << -5.0 << QStringLiteral("-5");
        QTest::newRow("fraction") << 102.5 << QStringLiteral(" 102.5");
        QTest::newRow("small fraction") << 0.00001 << QStringLiteral(" 0.00001");
        QTest::newRow("large") << 19999990.0 << QStringLiteral(" 19999990");
    }

    void scaleLabels()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(scaleLabel(value), text);
    }
};

QTEST_GUILESS_MAIN(AscanDrawingBuilderTest)
#include "tst_ascan_drawing_builder.moc"
