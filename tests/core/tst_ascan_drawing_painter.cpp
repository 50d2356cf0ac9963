// The painted A-scan: image sizes, PNG output, the colours at known places and the range scale's
// labels kept whole inside the frame.
#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "core/FontFallback.h"
#include "support/Records.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace quillon;

namespace
{
constexpr double kScale = 4; // pixels per drawing unit for the pixel checks
const QColor kGreen(0, 170, 0);

Record gateRecord(QByteArrayView range)
{
    Record r = test::gateRecord("30%    ", "70%    "); // all samples 0: on the baseline
    putText(r, 267, range);
    return r;
}

// The columns of `image` (at `scale` pixels per unit) that hold ink in the band under the ticks,
// where only the range scale's labels are printed.
QList<int> labelColumns(const QImage& image, double scale)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = int(214.5 * scale); y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 160) {
                columns.append(x);
                break;
            }
    return columns;
}

// The first and last column of the rightmost label's ink: the inked columns from the right until
// a gap wider than any within a number (labels stand some twenty units apart).
std::pair<int, int> lastLabelInk(const QList<int>& columns, double scale)
{
    if (columns.isEmpty())
        return {-1, -1};
    int first = columns.last();
    for (qsizetype i = columns.size() - 1; i > 0 && columns[i] - columns[i - 1] <= 5 * scale; --i)
        first = columns[i - 1];
    return {first, columns.last()};
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
    void pngDecodesAtTheSurfaceSize_data()
    {
        QTest::addColumn<double>("pixelsPerUnit");
        QTest::addColumn<QSize>("size");
        // The surface's inside is 258.75 x 231.75 points.
        QTest::newRow("screen, 96 dots per inch") << 96.0 / 72.0 << QSize(345, 309);
        QTest::newRow("one pixel per point") << 1.0 << QSize(259, 232);
        QTest::newRow("four pixels per point") << 4.0 << QSize(1035, 927);
    }

    void pngDecodesAtTheSurfaceSize()
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

    void coloursAtKnownPoints()
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

    void rangeLabelsArePrinted()
    {
        const QRectF under(0, 215.5, 258.75, 16); // below the ticks
        const QImage labelled = renderAscan(drawRecord(gateRecord("100    ")), kScale);
        QVERIFY(anyDark(labelled, QRectF(0, 215.5, 20, 16)));      // " 0"
        QVERIFY(anyDark(labelled, QRectF(239, 215.5, 19.75, 16))); // " 100"
        QVERIFY(!anyDark(labelled, QRectF(120, 215.5, 15, 16)));   // between " 40" and " 60"
        const QImage unlabelled = renderAscan(drawRecord(gateRecord("       ")), kScale);
        QVERIFY(!anyDark(unlabelled, under));
    }

    void surfaceIsClearedToWhite()
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

    void labelsUseTheProgramsFallbackFaces()
    {
        // The face the report page stands in with where "MS Sans Serif" is missing.
        const QStringList families = ascanFont(nullptr).families();
        QCOMPARE(families, fontFamilies(QStringLiteral("MS Sans Serif")));
        QCOMPARE(families, (QStringList{"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}));
        QCOMPARE(fontFamilies(QStringLiteral("Courier")),
                 (QStringList{"Courier", "Liberation Mono", "DejaVu Sans Mono"}));
        QCOMPARE(fontFamilies(QStringLiteral("Times New Roman")),
                 (QStringList{"Times New Roman", "Liberation Serif", "DejaVu Serif"}));
        QCOMPARE(fontFamilies(QStringLiteral("Unlisted Face")), QStringList{"Unlisted Face"});
    }

    void rangeLabelsStayWholeInsideTheFrame_data()
    {
        QTest::addColumn<QByteArray>("range");
        QTest::addColumn<QByteArray>("delay");
        QTest::addColumn<bool>("firstMoved"); // the first label is moved right to stay inside
        QTest::addColumn<bool>("lastMoved");  // the last label is moved left
        QTest::newRow("100 fits where the scale puts it")
            << QByteArray("100    ") << QByteArray("0.0    ") << false << false;
        QTest::newRow("1000") << QByteArray("1000   ") << QByteArray("0.0    ") << false << true;
        QTest::newRow("2.5 + 1000")
            << QByteArray("1000   ") << QByteArray("2.5    ") << false << true;
        QTest::newRow("2.5 + 100")
            << QByteArray("100    ") << QByteArray("2.5    ") << false << false;
        QTest::newRow("99999, start and end only")
            << QByteArray("99999  ") << QByteArray("0      ") << false << true;
        QTest::newRow("negative, both ends")
            << QByteArray("-5     ") << QByteArray("-32763 ") << true << true;
        QTest::newRow("the widest the boxes allow")
            << QByteArray("9999999") << QByteArray(".000001") << false << true;
    }

    void rangeLabelsStayWholeInsideTheFrame()
    {
        QFETCH(QByteArray, range);
        QFETCH(QByteArray, delay);
        QFETCH(bool, firstMoved);
        QFETCH(bool, lastMoved);
        Record r = gateRecord(range);
        putText(r, 281, delay);
        const AscanDrawing drawing = drawRecord(r);
        QList<TextItem> labels;
        for (const AscanItem& item : drawing.items)
            if (const auto* text = std::get_if<TextItem>(&item))
                labels.append(*text);
        QVERIFY(labels.size() >= 2);

        // In drawing units: every label's ink lies inside the span, under the ticks, above the
        // surface's bottom; the model keeps the place the scale gives.
        for (const TextItem& label : labels) {
            const QRectF ink = paintedInk(label);
            QVERIFY2(
                ink.left() >= kLabelLeft - 1e-9 && ink.right() <= kLabelRight + 1e-9,
                qPrintable(
                    QStringLiteral("%1: %2..%3").arg(label.text).arg(ink.left()).arg(ink.right())));
            QVERIFY(ink.top() > 214 && ink.bottom() < kAscanHeight);
        }
        // How far a label is painted from its place: compared with the same text where it has room.
        const auto shift = [](const TextItem& label) {
            TextItem roomy = label;
            roomy.x = 100;
            return paintedInk(label).left() - (paintedInk(roomy).left() + label.x - 100);
        };
        QCOMPARE(shift(labels.first()) > 1e-9, firstMoved);
        QCOMPARE(shift(labels.last()) < -1e-9, lastMoved);
        for (qsizetype i = 1; i + 1 < labels.size(); ++i)
            QCOMPARE(shift(labels[i]), 0.0);
        const TextItem last = labels.last();
        TextItem unmoved = last;
        unmoved.x = 100;

        // In the painted image, at the screen's sizes and a printer's: no ink reaches the frame the
        // report draws at x = 256 (its inner edge 255.25), and the last label is as wide as the
        // same text painted alone with room to spare: its last digit is whole.
        AscanDrawing alone;
        alone.items.push_back(unmoved);
        for (double scale : {96.0 / 72, 1.5 * 96 / 72, 2 * 96.0 / 72, 600.0 / 72}) {
            const QList<int> columns = labelColumns(renderAscan(drawing, scale), scale);
            QVERIFY(!columns.isEmpty());
            QVERIFY2(
                columns.last() < 255.25 * scale,
                qPrintable(
                    QStringLiteral("ink at column %1 at scale %2").arg(columns.last()).arg(scale)));
            QVERIFY(columns.first() >= 1.75 * scale);
            const auto [first, end] = lastLabelInk(columns, scale);
            const auto [aloneFirst, aloneEnd] =
                lastLabelInk(labelColumns(renderAscan(alone, scale), scale), scale);
            QVERIFY2(qAbs((end - first) - (aloneEnd - aloneFirst)) <= 1,
                     qPrintable(QStringLiteral("%1 wide, alone %2 at scale %3")
                                    .arg(end - first)
                                    .arg(aloneEnd - aloneFirst)
                                    .arg(scale)));
        }
    }
};

QTEST_MAIN(AscanDrawingPainterTest)
#include "tst_ascan_drawing_painter.moc"
