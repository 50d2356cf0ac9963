// picascan: the drawing scaled to the widget with the surface's proportions, painted at the
// device's full resolution, and handed out as an image.
#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "core/Record.h"
#include "support/Records.h"
#include "view/AscanView.h"

#include <QPainter>
#include <QTest>

using namespace quillon;

namespace
{

bool isBlack(QColor c)
{
    return c.red() < 70 && c.green() < 70 && c.blue() < 70;
}
bool isGreen(QColor c)
{
    return c.green() > 130 && c.red() < 80 && c.blue() < 80;
}

AscanDrawing flatTrace()
{
    Record record{};
    AscanDrawing drawing;
    display_pattern(drawing, record);
    return drawing;
}

} // namespace

class AscanViewTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheProportions_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide") << QSize(900, 300);
        QTest::newRow("tall") << QSize(300, 900);
        QTest::newRow("natural") << QSize(347, 311);
    }

    void keepsTheProportions()
    {
        QFETCH(QSize, size);
        AscanView view;
        view.resize(size);
        const QRectF s = view.surfaceRect();
        QVERIFY(qAbs(s.width() / s.height() - 258.75 / 231.75) < 1e-9);
        QVERIFY(QRectF(view.rect()).contains(s));
        // The surface fills the widget in one direction, inside its one-pixel border.
        QVERIFY(qAbs(s.width() - (size.width() - 2)) < 1e-9 ||
                qAbs(s.height() - (size.height() - 2)) < 1e-9);
    }

    void imageHasTheAskedResolution_data()
    {
        QTest::addColumn<double>("pixelsPerUnit");
        QTest::addColumn<QSize>("size");
        QTest::newRow("screen") << 96.0 / 72.0 << QSize(345, 309);
        QTest::newRow("printer") << 600.0 / 72.0 << QSize(2157, 1932);
    }

    void imageHasTheAskedResolution()
    {
        QFETCH(double, pixelsPerUnit);
        QFETCH(QSize, size);
        AscanView view;
        view.setDrawing(flatTrace());
        const QImage image = view.image(pixelsPerUnit);
        QCOMPARE(image.size(), size);
        // Whatever the widget's size: the graticule dot at (101, 50) lands where the units say.
        view.resize(100, 100);
        QVERIFY(isBlack(view.image(pixelsPerUnit)
                            .pixelColor(int(101 * pixelsPerUnit), int(50 * pixelsPerUnit))));
    }

    void paintsAtTheDevicePixelRatio()
    {
        AscanView view;
        view.setDrawing(flatTrace());
        view.resize(int(258.75 * 2) + 2, int(231.75 * 2) + 2); // two pixels per unit
        QImage crisp(view.size() * 2, QImage::Format_RGB32);   // on a screen of ratio 2
        crisp.setDevicePixelRatio(2);
        crisp.fill(Qt::white);
        view.render(&crisp);

        // Four device pixels per unit: the dot at (101, 50), 1.5 units wide, covers device pixels
        // 1 + 4 * 100.25 .. 1 + 4 * 101.75 (the border shifts by one logical pixel = 2 device).
        auto device = [](double x, double y) { return QPoint(int(2 + 4 * x), int(2 + 4 * y)); };
        QVERIFY(isBlack(crisp.pixelColor(device(100.5, 50))));
        QVERIFY(isBlack(crisp.pixelColor(device(101.5, 50))));
        // A quarter unit beyond the dot is paper: only a full-resolution painting tells them apart.
        QCOMPARE(crisp.pixelColor(device(102.0, 50)), QColor(Qt::white));
        QCOMPARE(crisp.pixelColor(device(100.0, 50) - QPoint(1, 0)), QColor(Qt::white));
        // The flat trace on the baseline.
        QVERIFY(isGreen(crisp.pixelColor(device(40, 210))));
    }

    void newDrawingReplacesTheOld()
    {
        AscanView view;
        view.setDrawing(flatTrace());
        Record high{};
        high.fill(100);
        AscanDrawing top;
        display_pattern(top, high);
        view.setDrawing(top);
        const QImage image = view.image(4);
        QVERIFY(isGreen(image.pixelColor(4 * 40, 4 * 10)));
        QVERIFY(!isGreen(image.pixelColor(4 * 40, 4 * 210)));
    }

    void wideLastLabelStaysInsideTheBorder()
    {
        // Range 1000: the last label, " 1000" at x = 239, is wider than the room the surface leaves
        // it.
        Record record{};
        putText(record, 267, "1000   ");
        putText(record, 281, "0.0    ");
        AscanView view;
        view.setDrawing(drawRecord(record));
        view.resize(int(258.75 * 2) + 2, int(231.75 * 2) + 2);
        QImage crisp(view.size() * 2, QImage::Format_RGB32); // a screen of ratio 2
        crisp.setDevicePixelRatio(2);
        crisp.fill(Qt::white);
        view.render(&crisp);

        // Device pixels: 2 for the border, then 4 per unit. The rightmost ink under the ticks lies
        // inside the labels' span, well clear of the border at the surface's right edge.
        const int border = int(2 + 4 * 258.75);
        int rightmost = -1;
        for (int y = int(2 + 4 * 214.5); y < int(2 + 4 * 231.5); ++y)
            for (int x = 0; x < border - 1; ++x)
                if (isBlack(crisp.pixelColor(x, y)))
                    rightmost = std::max(rightmost, x);
        QVERIFY(rightmost > int(2 + 4 * 239));
        QVERIFY2(rightmost <= 2 + 4 * (kLabelRight + 0.5), qPrintable(QString::number(rightmost)));
        QCOMPARE(crisp.pixelColor(border - 4, int(2 + 4 * 220)), QColor(Qt::white));
        QVERIFY(isBlack(crisp.pixelColor(border + 1, int(2 + 4 * 220)))); // the border itself
    }
};

QTEST_MAIN(AscanViewTest)
#include "tst_ascan_view.moc"
