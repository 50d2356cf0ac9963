// The A-scan measurement rules: sample readings, sound paths from delay and range, gate peaks
// and their heights in dB against the gate level and the DAC curve.
#include "core/AscanMeasure.h"
#include "support/Records.h"

#include <QTest>

using namespace quillon;

namespace
{

AscanMeasure measure(const Record& r)
{
    return AscanMeasure(r, panelTexts(r));
}

} // namespace

class AscanMeasureTest : public QObject
{
    Q_OBJECT

private slots:
    void soundPath_data()
    {
        QTest::addColumn<QByteArray>("range");
        QTest::addColumn<QByteArray>("delay");
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("hasPath");
        QTest::addColumn<double>("path");

        const auto row = [](const char* name, const char* range, const char* delay, double x,
                            bool hasPath, double path) {
            QTest::newRow(name) << QByteArray(range) << QByteArray(delay) << x << hasPath << path;
        };
        row("left edge", "100    ", "0.0    ", 0.0, true, 0.0);
        row("right edge", "100    ", "0.0    ", 250.0, true, 100.0);
        row("middle", "100    ", "0.0    ", 125.0, true, 50.0);
        row("delay with a fraction, left", "100    ", "2.5    ", 0.0, true, 2.5);
        row("delay with a fraction, right", "100    ", "2.5    ", 250.0, true, 102.5);
        row("delay 12, range 200, sample 49", "200mm  ", "12     ", 50.0, true, 52.0);
        row("negative delay", "50     ", "-5.25  ", 125.0, true, 19.75);
        row("range without a number", "       ", "12     ", 125.0, false, 0.0);
        row("range of letters", "AUTO   ", "0.0    ", 125.0, false, 0.0);
        row("range zero", "0      ", "0.0    ", 125.0, false, 0.0);
    }

    void soundPath()
    {
        QFETCH(QByteArray, range);
        QFETCH(QByteArray, delay);
        QFETCH(double, x);
        QFETCH(bool, hasPath);
        QFETCH(double, path);
        Record r = test::gateRecord();
        putText(r, 267, range);
        putText(r, 281, delay);
        const AscanMeasure m = measure(r);
        QCOMPARE(m.hasSoundPath(), hasPath);
        const std::optional<double> got = m.soundPathAt(x);
        QCOMPARE(got.has_value(), hasPath);
        if (hasPath)
            QCOMPARE(*got, path);
        // A sample's path is the path at its x = i + 1, and its amplitude is there regardless.
        r[int(x) > 0 ? int(x) - 1 : 0] = 33;
        const SampleReading s = measure(r).sample(int(x) > 0 ? int(x) - 1 : 0);
        QCOMPARE(s.amplitude, 33);
        QCOMPARE(s.soundPath.has_value(), hasPath);
        if (hasPath && x > 0)
            QCOMPARE(*s.soundPath, path);
    }

    void amplitudeIsClippedLikeTheTrace_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("amplitude");
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("four") << 4 << 4;
        QTest::newRow("full height") << 100 << 100;
        QTest::newRow("above full height") << 101 << 100;
        QTest::newRow("byte maximum") << 255 << 100;
    }

    void amplitudeIsClippedLikeTheTrace()
    {
        QFETCH(int, value);
        QFETCH(int, amplitude);
        Record r = test::gateRecord();
        r[249] = std::int16_t(value);
        const SampleReading s = measure(r).sample(249);
        QCOMPARE(s.sample, 249);
        QCOMPARE(s.x, 250.0);
        QCOMPARE(s.amplitude, amplitude);
        QCOMPARE(*s.soundPath, 100.0);
    }

    void gatePeak_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("width");
        QTest::addColumn<QList<int>>("samples"); // pairs: sample index, value
        QTest::addColumn<int>("peakSample");     // -1: no peak
        QTest::addColumn<int>("peakAmplitude");

        const auto row = [](const char* name, const char* start, const char* width,
                            const QList<int>& samples, int peakSample, int peakAmplitude) {
            QTest::newRow(name) << QByteArray(start) << QByteArray(width) << samples << peakSample
                                << peakAmplitude;
        };
        // Gate 30 % + 25 %: x 75 .. 137.5, samples 74 .. 136.
        row("single echo", "30%    ", "25%    ", {100, 60}, 100, 60);
        row("ties take the first", "30%    ", "25%    ", {90, 70, 110, 70, 120, 70}, 90, 70);
        row("clipped ties take the first", "30%    ", "25%    ", {95, 120, 105, 200}, 95, 100);
        row("first sample inside the gate", "30%    ", "25%    ", {73, 90, 74, 50}, 74, 50);
        row("last sample inside the gate", "30%    ", "25%    ", {136, 40, 137, 90}, 136, 40);
        row("higher echo outside is ignored", "30%    ", "25%    ", {20, 99, 100, 10}, 100, 10);
        row("flat trace peaks at the gate start", "30%    ", "25%    ", {}, 74, 0);
        row("gate running past the end", "90%    ", "50%    ", {249, 30}, 249, 30);
        row("gate beyond the trace", "101%   ", "20%    ", {249, 30}, -1, 0);
        row("gate far beyond the trace", "99999999", "99999999", {249, 30}, -1, 0);
        row("zero width on a sample", "40%    ", "0%     ", {99, 45}, 99, 45);
        row("zero width between samples", "40.1%  ", "0%     ", {99, 45}, -1, 0);
    }

    void gatePeak()
    {
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, width);
        QFETCH(QList<int>, samples);
        QFETCH(int, peakSample);
        QFETCH(int, peakAmplitude);
        Record r = test::gateRecord(start.left(7), width.left(7));
        for (int k = 0; k + 1 < samples.size(); k += 2)
            r[samples[k]] = std::int16_t(samples[k + 1]);
        const AscanMeasure m = measure(r);
        QCOMPARE(m.gates().size(), size_t(1));
        const GateReading& g = m.gates().front();
        QCOMPARE(g.gate, 1);
        QCOMPARE(g.peak.has_value(), peakSample >= 0);
        if (peakSample < 0)
            return;
        QCOMPARE(g.peak->reading.sample, peakSample);
        QCOMPARE(g.peak->reading.amplitude, peakAmplitude);
        QCOMPARE(*g.peak->reading.soundPath, (peakSample + 1) * 100.0 / 250);
    }

    void peakDecibels_data()
    {
        QTest::addColumn<int>("amplitude");
        QTest::addColumn<QByteArray>("level");
        QTest::addColumn<QByteArray>("dac");
        QTest::addColumn<QList<int>>("dacPoints"); // x, amplitude pairs
        QTest::addColumn<double>("dbToLevel");     // NaN: absent
        QTest::addColumn<double>("dacAmplitude");  // NaN: absent
        QTest::addColumn<double>("dbToDac");       // NaN: absent

        const double none = qQNaN();
        const auto row = [](const char* name, int amplitude, const char* level, const char* dac,
                            const QList<int>& dacPoints, double dbToLevel, double dacAmplitude,
                            double dbToDac) {
            QTest::newRow(name) << amplitude << QByteArray(level) << QByteArray(dac) << dacPoints
                                << dbToLevel << dacAmplitude << dbToDac;
        };
        // The peak is sample 99 (x = 100) in a gate 30 % + 25 %.
        row("at the level", 40, "40%    ", "OFF    ", {}, 0.0, none, none);
        row("twice the level", 80, "40%    ", "OFF    ", {}, 20 * std::log10(2.0), none, none);
        row("half the level", 20, "40%    ", "OFF    ", {}, -20 * std::log10(2.0), none, none);
        row("level zero", 20, "0%     ", "OFF    ", {}, none, none, none);
        row("DAC on, flat 50", 25, "25%    ", "ON     ", {0, 50, 250, 50}, 0.0, 50.0,
            -20 * std::log10(2.0));
        row("DAC 6/14, interpolated", 60, "60%    ", "ON 6/14", {50, 80, 150, 40, 250, 20}, 0.0,
            60.0, 0.0);
        row("DAC ends before the peak", 60, "60%    ", "ON     ", {0, 80, 90, 40}, 0.0, none, none);
        row("DAC curve stopped by a low point", 60, "60%    ", "ON     ", {0, 80, 50, 4, 250, 80},
            0.0, none, none);
        row("DAC off ignores the points", 60, "60%    ", "OFF    ", {0, 50, 250, 50}, 0.0, none,
            none);
    }

    void peakDecibels()
    {
        QFETCH(int, amplitude);
        QFETCH(QByteArray, level);
        QFETCH(QByteArray, dac);
        QFETCH(QList<int>, dacPoints);
        QFETCH(double, dbToLevel);
        QFETCH(double, dacAmplitude);
        QFETCH(double, dbToDac);
        Record r = test::gateRecord("30%    ", "25%    ", level);
        putText(r, 431, dac);
        for (int k = 0; 2 * k + 1 < dacPoints.size(); ++k)
            test::setDacPoint(r, k, dacPoints[2 * k], dacPoints[2 * k + 1]);
        r[99] = std::int16_t(amplitude);
        const AscanMeasure m = measure(r);
        QVERIFY(m.gates().front().peak);
        const GatePeak& p = *m.gates().front().peak;
        QCOMPARE(p.reading.sample, 99);
        auto check = [](const std::optional<double>& got, double want, const char* what) {
            if (qIsNaN(want)) {
                QVERIFY2(!got, what);
            } else {
                QVERIFY2(got, what);
                QVERIFY2(qAbs(*got - want) < 1e-9, what);
            }
        };
        check(p.dbToLevel, dbToLevel, "dB to level");
        check(p.dacAmplitude, dacAmplitude, "DAC amplitude");
        check(p.dbToDac, dbToDac, "dB to DAC");
    }

    void gateReadoutCells_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QByteArray>("dac");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("cells"); // joined by "|"
        // An 80 % peak at sample 99 in a gate 25 % wide at level 40 %, DAC points flat at 50 %.
        QTest::newRow("range and DAC")
            << QByteArray("30%    ") << "100" << QByteArray("ON     ") << "C"
            << "1|80 %|40|99|+6 dB|50 %|+4.1 dB";
        QTest::newRow("no range, DAC off")
            << QByteArray("30%    ") << "" << QByteArray("OFF    ") << "C"
            << "1|80 %||99|+6 dB||";
        QTest::newRow("gate off the trace")
            << QByteArray("120%   ") << "100" << QByteArray("ON     ") << "C"
            << "1||||||";
        // The screen's readouts follow the interface's locale: a decimal comma in German.
        QTest::newRow("German decimal comma")
            << QByteArray("30%    ") << "100" << QByteArray("ON     ") << "de_DE"
            << "1|80 %|40|99|+6 dB|50 %|+4,1 dB";
    }
    void gateReadoutCells()
    {
        QFETCH(QByteArray, start);
        QFETCH(QString, range);
        QFETCH(QByteArray, dac);
        QFETCH(QString, locale);
        Record r = test::gateRecord(start);
        test::setField(r, "txtrange", range);
        putText(r, 431, dac);
        test::setDacPoint(r, 0, 0, 50);
        test::setDacPoint(r, 1, 250, 50);
        r[99] = 80;
        const auto cells = quillon::gateReadoutCells(measure(r).gates().front(), QLocale(locale));
        QTEST(QStringList(cells.begin(), cells.end()).join(u'|'), "cells");
    }

    void onlyActiveGatesAreMeasured()
    {
        Record r = test::gateRecord();
        r[100] = 70;
        r[200] = 90;
        putText(r, 323, "ON     ");
        putText(r, 330, "70%    ");
        putText(r, 337, "20%    ");
        putText(r, 344, "30%    ");
        AscanMeasure m = measure(r);
        QCOMPARE(m.gates().size(), size_t(2));
        QCOMPARE(m.gates()[0].peak->reading.sample, 100);
        QCOMPARE(m.gates()[1].gate, 2);
        QCOMPARE(m.gates()[1].peak->reading.sample, 200);
        QCOMPARE(m.gates()[1].x1, 175.0);
        QCOMPARE(m.gates()[1].x2, 225.0);
        QCOMPARE(m.gates()[1].level, 30.0);

        // Gate 1 in a DAC gate mode draws no bar and is not measured; gate 2 "OFF" likewise.
        for (const char* mode : {"DAC -12", "DAC -6 ", "OFF    "}) {
            putText(r, 295, mode);
            m = measure(r);
            QCOMPARE(m.gates().size(), size_t(1));
            QCOMPARE(m.gates()[0].gate, 2);
        }
        putText(r, 323, "OFF    ");
        QVERIFY(measure(r).gates().empty());
    }
};

QTEST_GUILESS_MAIN(AscanMeasureTest)
#include "tst_ascan_measure.moc"
