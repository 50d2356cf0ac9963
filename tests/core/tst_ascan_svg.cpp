// The A-scan as SVG: Qt SVG renders it to the pixels of the PNG, within antialiasing.
#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "core/AscanSvg.h"
#include "support/Records.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

using namespace quillon;

class AscanSvgTest : public QObject
{
    Q_OBJECT

private slots:
    void rendersLikeThePng_data()
    {
        QTest::addColumn<double>("pixelsPerUnit");
        QTest::newRow("screen") << 96.0 / 72.0;
        QTest::newRow("twice") << 2.0;
        QTest::newRow("print") << 4.0;
    }

    void rendersLikeThePng()
    {
        QFETCH(double, pixelsPerUnit);
        // Echoes, gate 1, DAC with companions and six scale labels.
        Record r = test::gateRecord();
        for (int i = 0; i < 250; ++i)
            r[i] = std::int16_t((i * 37) % 11 + (i > 90 && i < 100 ? 70 : 0));
        putText(r, 431, "ON 6/14");
        const int dac[][2] = {{10, 90}, {80, 70}, {160, 40}, {250, 20}};
        for (int k = 0; k < 4; ++k)
            test::setDacPoint(r, k, dac[k][0], dac[k][1]);
        const AscanDrawing drawing = drawRecord(r);
        const QImage png =
            renderAscan(drawing, pixelsPerUnit).convertToFormat(QImage::Format_RGB32);

        QSvgRenderer svg(ascanSvg(drawing, pixelsPerUnit));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox().size(), png.size());
        QImage got(png.size(), QImage::Format_RGB32);
        got.fill(Qt::white);
        QPainter painter(&got);
        svg.render(&painter);
        painter.end();

        int off = 0;
        int dark = 0;
        for (int y = 0; y < got.height(); ++y)
            for (int x = 0; x < got.width(); ++x) {
                const QColor a = got.pixelColor(x, y);
                const QColor b = png.pixelColor(x, y);
                if (std::max({qAbs(a.red() - b.red()), qAbs(a.green() - b.green()),
                              qAbs(a.blue() - b.blue())}) > 64)
                    ++off;
                if (a.lightness() < 128)
                    ++dark;
            }
        qInfo("%d of %d pixels differ by more than 64", off, got.width() * got.height());
        QVERIFY(dark > 500); // the SVG is no blank page
        QVERIFY2(off < got.width() * got.height() / 100, qPrintable(QString::number(off)));
    }
};

QTEST_MAIN(AscanSvgTest)
#include "tst_ascan_svg.moc"
