// The painted A-scan: image sizes, PNG output and the colours at known places.
#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "ReferenceRecord.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace quillon;
using reference::put;

namespace
{
constexpr double kScale = 4; // pixels per drawing unit for the pixel checks
const QColor kGreen(0, 170, 0);

Record gateRecord(QByteArrayView range)
{
    Record r = reference::spaceRecord(); // all samples 0: the trace lies on the baseline
    put(r, 295, "ON     ");
    put(r, 302, "30%    ");
    put(r, 309, "70%    ");
    put(r, 316, "40%    ");
    put(r, 323, "OFF    ");
    put(r, 431, "OFF    ");
    put(r, 267, range);
    put(r, 281, "0.0    ");
    return r;
}

QColor at(const QImage& image, double x, double y)
{
    return image.pixelColor(int(x * kScale), int(y * kScale));
}

// Whether any pixel of the area (in drawing units) is darker than mid grey.
bool anyDark(const QImage& image, QRectF area)
{
    for (int y = int(area.top() * kScale); y < int(area.bottom() * kScale); ++y)
        for (int x = int(area.left() * kScale); x < int(area.right() * kScale); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}
} // namespace

class AscanDrawingPainterTest : public QObject
{
    Q_OBJECT

private slots:
    void pngDecodesAtTheSurfaceSize_data();
    void pngDecodesAtTheSurfaceSize();
    void coloursAtKnownPoints();
    void rangeLabelsArePrinted();
    void surfaceIsClearedToWhite();
};

void AscanDrawingPainterTest::pngDecodesAtTheSurfaceSize_data()
{
    QTest::addColumn<double>("pixelsPerUnit");
    QTest::addColumn<QSize>("size");
    // The surface's inside is 258.75 x 231.75 points.
    QTest::newRow("screen, 96 dots per inch") << 96.0 / 72.0 << QSize(345, 309);
    QTest::newRow("one pixel per point") << 1.0 << QSize(259, 232);
    QTest::newRow("four pixels per point") << 4.0 << QSize(1035, 927);
}

void AscanDrawingPainterTest::pngDecodesAtTheSurfaceSize()
{
    QFETCH(double, pixelsPerUnit);
    QFETCH(QSize, size);
    const QByteArray png = ascanPng(drawRecord(gateRecord("100    ")), pixelsPerUnit);
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    const QImage image = QImage::fromData(png, "PNG");
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
    // Exactly the painted pixels.
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
             renderAscan(drawRecord(gateRecord("100    ")), pixelsPerUnit));
}

void AscanDrawingPainterTest::coloursAtKnownPoints()
{
    const QImage image = renderAscan(drawRecord(gateRecord("100    ")), kScale);
    // Background away from every item.
    QCOMPARE(at(image, 120, 100), QColor(Qt::white));
    QCOMPARE(at(image, 255, 5), QColor(Qt::white));
    // The flat trace covers the black baseline.
    QCOMPARE(at(image, 100, 210), kGreen);
    // Graticule dots: row at y = 10, column at x = 26, tick under the baseline.
    QCOMPARE(at(image, 1, 10), QColor(Qt::black));
    QCOMPARE(at(image, 26, 95), QColor(Qt::black));
    QCOMPARE(at(image, 126, 213), QColor(Qt::black));
    // Between the dots of a row there is nothing.
    QCOMPARE(at(image, 3.5, 10), QColor(Qt::white));
    // The gate bar: 30 % start, 70 % width, 40 % level: from x 75 to 250 at y 130.
    QCOMPARE(at(image, 160, 130), kGreen);
    QCOMPARE(at(image, 160, 133), QColor(Qt::white));
    QCOMPARE(at(image, 70, 130), QColor(Qt::white));
}

void AscanDrawingPainterTest::rangeLabelsArePrinted()
{
    const QRectF under(0, 215.5, 258.75, 16); // below the ticks
    const QImage labelled = renderAscan(drawRecord(gateRecord("100    ")), kScale);
    QVERIFY(anyDark(labelled, QRectF(0, 215.5, 20, 16)));      // " 0"
    QVERIFY(anyDark(labelled, QRectF(239, 215.5, 19.75, 16))); // " 100"
    QVERIFY(!anyDark(labelled, QRectF(120, 215.5, 15, 16)));   // between " 40" and " 60"
    const QImage unlabelled = renderAscan(drawRecord(gateRecord("       ")), kScale);
    QVERIFY(!anyDark(unlabelled, under));
}

void AscanDrawingPainterTest::surfaceIsClearedToWhite()
{
    QImage image(QSize(300, 300), QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        QPainter painter(&image);
        paintAscan(painter, drawRecord(gateRecord("       ")));
    }
    QCOMPARE(image.pixelColor(210, 100), QColor(Qt::white));
    QCOMPARE(image.pixelColor(257, 230), QColor(Qt::white));
    QCOMPARE(image.pixelColor(260, 100), QColor(Qt::red)); // outside the surface
    QCOMPARE(image.pixelColor(100, 233), QColor(Qt::red));
}

QTEST_MAIN(AscanDrawingPainterTest)
#include "tst_ascan_drawing_painter.moc"
