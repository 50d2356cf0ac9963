// The PNG writer: what it writes reads back as the same pixels, whatever the image holds.
#include "core/PngWriter.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

using namespace quillon;

class PngWriterTest : public QObject
{
    Q_OBJECT
private slots:
    void pixelsReadBackUnchanged_data();
    void pixelsReadBackUnchanged();
    void alphaIsDropped();
    void resolutionIsKept();
    void chunksAreWellFormed();
    void nullImageGivesNothing();
};

namespace
{

QImage noise(QSize size, quint32 seed)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, 0xff000000u | random.bounded(0x1000000u));
    return image;
}

QImage drawing(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 170, 0), 2.5));
    painter.drawLine(QPointF(0, 0), QPointF(size.width(), size.height()));
    painter.setPen(QPen(QColor(200, 10, 255), 1));
    painter.drawEllipse(QRectF(3, 3, size.width() - 6, size.height() - 6));
    return image;
}

quint32 bigEndian(const QByteArray& bytes, qsizetype at)
{
    const auto b = [&](qsizetype k) { return quint32(static_cast<unsigned char>(bytes[at + k])); };
    return b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
}

} // namespace

void PngWriterTest::pixelsReadBackUnchanged_data()
{
    QTest::addColumn<QImage>("image");
    QTest::newRow("one pixel") << noise(QSize(1, 1), 1);
    QTest::newRow("one row") << noise(QSize(97, 1), 2);
    QTest::newRow("one column") << noise(QSize(1, 70), 3);
    // Noise does not compress: the output outgrows every buffer step.
    QTest::newRow("noise, several bands") << noise(QSize(301, 211), 4);
    QTest::newRow("drawing, odd size") << drawing(QSize(345, 309));
    QTest::newRow("drawing, band multiple") << drawing(QSize(64, 64));
    QTest::newRow("RGB888 source") << drawing(QSize(50, 40)).convertToFormat(QImage::Format_RGB888);
    QTest::newRow("grey source")
        << drawing(QSize(33, 20)).convertToFormat(QImage::Format_Grayscale8);
}

void PngWriterTest::pixelsReadBackUnchanged()
{
    QFETCH(QImage, image);
    const QByteArray png = opaquePng(image);
    const QImage back = QImage::fromData(png, "PNG");
    QVERIFY(!back.isNull());
    QCOMPARE(back.size(), image.size());
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32),
             image.convertToFormat(QImage::Format_RGB32));
}

void PngWriterTest::alphaIsDropped()
{
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30, 255));
    image.setPixelColor(1, 1, QColor(200, 100, 50, 255));
    const QImage back = QImage::fromData(opaquePng(image), "PNG");
    QVERIFY(!back.hasAlphaChannel());
    QCOMPARE(back.pixelColor(1, 1), QColor(200, 100, 50));
    QCOMPARE(back.pixelColor(3, 2), QColor(10, 20, 30));
}

void PngWriterTest::resolutionIsKept()
{
    QImage image = drawing(QSize(20, 10));
    image.setDotsPerMeterX(11811); // 300 dots per inch
    image.setDotsPerMeterY(5906);
    const QImage back = QImage::fromData(opaquePng(image), "PNG");
    QCOMPARE(back.dotsPerMeterX(), 11811);
    QCOMPARE(back.dotsPerMeterY(), 5906);
}

// Signature, then chunks whose lengths add up to the file and end with IEND; IHDR says 8-bit
// RGB of the image's size.
void PngWriterTest::chunksAreWellFormed()
{
    const QByteArray png = opaquePng(drawing(QSize(123, 45)));
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    QStringList types;
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        const quint32 length = bigEndian(png, at);
        types << QString::fromLatin1(png.mid(at + 4, 4));
        if (types.last() == QLatin1String("IHDR")) {
            QCOMPARE(length, 13u);
            QCOMPARE(bigEndian(png, at + 8), 123u);
            QCOMPARE(bigEndian(png, at + 12), 45u);
            QCOMPARE(png.mid(at + 16, 5), QByteArray("\x08\x02\x00\x00\x00", 5));
        }
        at += 12 + qsizetype(length);
    }
    QCOMPARE(at, png.size());
    QCOMPARE(types.first(), QStringLiteral("IHDR"));
    QCOMPARE(types.last(), QStringLiteral("IEND"));
    QCOMPARE(types.count(QStringLiteral("IDAT")), 1);
}

void PngWriterTest::nullImageGivesNothing()
{
    QVERIFY(opaquePng(QImage()).isEmpty());
}

QTEST_MAIN(PngWriterTest)
#include "tst_png_writer.moc"
