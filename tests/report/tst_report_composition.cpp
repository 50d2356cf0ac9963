// The report page as composed from what the main window shows: the four blocks, their sizes,
// places and stacking, every text and its position, and the text lines of the document.

#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "report/ReportComposer.h"
#include "report/ReportLines.h"
#include "report/ReportPainter.h"
#include "ReportTestData.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace quillon;

namespace
{

constexpr double kTwipsPerPoint = 20;

const ReportBlock& blockNamed(const ReportPage& page, const QString& name)
{
    for (const PlacedBlock& b : page.blocks)
        if (b.block.name == name)
            return b.block;
    qFatal("no block %s", qPrintable(name));
}

// The text items of a block that start at (x, y).
QStringList textsAt(const ReportBlock& block, double x, double y)
{
    QStringList texts;
    for (const BlockText& t : block.texts)
        if (qFuzzyCompare(t.pos.x() + 1, x + 1) && qFuzzyCompare(t.pos.y() + 1, y + 1))
            texts.append(t.text);
    return texts;
}

DisplaySnapshot namedSnapshot()
{
    DisplaySnapshot s;
    s.drawing = drawRecord(test::reportRecord(5, QStringLiteral("x")));
    s.panel = test::namedPanel();
    for (int n = 0; n < kNoteLines; ++n)
        s.notes[n] = QStringLiteral("note%1").arg(n);
    return s;
}

QString spaces(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

class ReportCompositionTest : public QObject
{
    Q_OBJECT

private slots:
    void blocksArePlacedAtTheirNaturalSizeInPaintingOrder()
    {
        const ReportPage page = ReportComposer::compose(namedSnapshot());
        QCOMPARE(page.blocks.size(), size_t(4));
        struct Expected {
            const char* name;
            double left, top;     // twips on the page
            double width, height; // twips
        };
        // The A-scan and menu blocks are 258.75 x 291.75 points; notes and header are in twips.
        const Expected expected[] = {
            {"header", 1300, 5000, 9615, 615},
            {"ascan", 870, 5700, 258.75 * kTwipsPerPoint, 291.75 * kTwipsPerPoint},
            {"menu", 5990, 5700, 258.75 * kTwipsPerPoint, 291.75 * kTwipsPerPoint},
            {"notes", 870, 11400, 10300, 2985},
        };
        for (size_t i = 0; i < 4; ++i) {
            const PlacedBlock& b = page.blocks[i];
            QCOMPARE(b.block.name, QLatin1String(expected[i].name));
            QCOMPARE(b.topLeft, QPointF(expected[i].left, expected[i].top));
            const double twipsPerUnit = 1440 / b.block.unitsPerInch;
            QCOMPARE(b.block.size.width() * twipsPerUnit, expected[i].width);
            QCOMPARE(b.block.size.height() * twipsPerUnit, expected[i].height);
        }
        QCOMPARE(page.blocks[1].block.unitsPerInch, 72.0);
        QCOMPARE(page.blocks[2].block.unitsPerInch, 72.0);
        QCOMPARE(page.blocks[3].block.unitsPerInch, 1440.0);
        QCOMPARE(page.blocks[0].block.unitsPerInch, 1440.0);
    }

    void overlapsAreTheOnesOfTheLayout()
    {
        // The A-scan and menu images share a 55-twip strip; the notes image covers the lowest 135
        // twips of both.
        const ReportPage page = ReportComposer::compose(namedSnapshot());
        const auto rectOf = [](const PlacedBlock& b) {
            const double s = 1440 / b.block.unitsPerInch;
            return QRectF(b.topLeft, b.block.size * s);
        };
        const QRectF ascan = rectOf(page.blocks[1]);
        const QRectF menu = rectOf(page.blocks[2]);
        const QRectF notes = rectOf(page.blocks[3]);
        QCOMPARE(ascan.intersected(menu).width(), 55.0);
        QCOMPARE(ascan.intersected(notes).height(), 135.0);
        QCOMPARE(menu.intersected(notes).height(), 135.0);
    }

    void rectanglesAreTwoPixelOutlines()
    {
        const ReportPage page = ReportComposer::compose(namedSnapshot());
        const ReportBlock& ascan = blockNamed(page, QStringLiteral("ascan"));
        const ReportBlock& menu = blockNamed(page, QStringLiteral("menu"));
        const ReportBlock& notes = blockNamed(page, QStringLiteral("notes"));
        QCOMPARE(ascan.rects.size(), size_t(1));
        QCOMPARE(ascan.rects[0].rect, QRectF(QPointF(1, 1), QPointF(256, 288)));
        QCOMPARE(menu.rects.size(), size_t(1));
        QCOMPARE(menu.rects[0].rect, QRectF(QPointF(1, 1), QPointF(255, 288)));
        QCOMPARE(notes.rects.size(), size_t(1));
        QCOMPARE(notes.rects[0].rect, QRectF(QPointF(10, 10), QPointF(10214, 2900)));
        QVERIFY(blockNamed(page, QStringLiteral("header")).rects.empty());
        // Two pixels of a 96 dots per inch screen: 1.5 points, 30 twips.
        QCOMPARE(ascan.rects[0].penWidth, 1.5);
        QCOMPARE(menu.rects[0].penWidth, 1.5);
        QCOMPARE(notes.rects[0].penWidth, 30.0);
    }

    void ascanBlockCarriesTheDrawingAndTheReadoutLine()
    {
        const DisplaySnapshot s = namedSnapshot();
        const ReportBlock b = ReportComposer::ascanBlock(s);
        QVERIFY(b.ascan.has_value());
        QCOMPARE(b.ascan->items.size(), s.drawing.items.size());
        QCOMPARE(textsAt(b, 4, 240),
                 QStringList{QStringLiteral("Beam Path:      Surface:      Depth:")});
        QCOMPARE(textsAt(b, 65, 240), QStringList{QStringLiteral("txtbeam")});
        QCOMPARE(textsAt(b, 150, 240), QStringList{QStringLiteral("txtsurf")});
        QCOMPARE(textsAt(b, 220, 240), QStringList{QStringLiteral("txtdpth")});
        QCOMPARE(b.texts.size(), size_t(4));
    }

    void ascanBlockWithEmptyReadoutsKeepsTheCaption()
    {
        DisplaySnapshot s = namedSnapshot();
        s.panel.setValue(u"txtbeam", QString());
        const ReportBlock b = ReportComposer::ascanBlock(s);
        QCOMPARE(textsAt(b, 4, 240),
                 QStringList{QStringLiteral("Beam Path:      Surface:      Depth:")});
        QCOMPARE(textsAt(b, 65, 240), QStringList{QString()});
    }

    void rangeLabelsStayInsideTheAscanBlockFrame_data()
    {
        QTest::addColumn<QByteArray>("range");
        QTest::addColumn<QByteArray>("delay");
        QTest::newRow("1000") << QByteArray("1000   ") << QByteArray("0.0    ");
        QTest::newRow("2.5 + 1000") << QByteArray("1000   ") << QByteArray("2.5    ");
    }

    void rangeLabelsStayInsideTheAscanBlockFrame()
    {
        QFETCH(QByteArray, range);
        QFETCH(QByteArray, delay);
        Record record = test::reportRecord(5, QStringLiteral("x"));
        putText(record, 267, range);
        putText(record, 281, delay);
        const ReportBlock block = ReportComposer::ascanBlock(snapshotOf(record));
        const BlockRect frame = block.rects.at(0);
        const double inner = frame.rect.right() - frame.penWidth / 2;
        const double outer = frame.rect.right() + frame.penWidth / 2;
        int labels = 0;
        for (const AscanItem& item : block.ascan->items)
            if (const auto* text = std::get_if<TextItem>(&item)) {
                ++labels;
                QVERIFY2(paintedInk(*text).right() < inner, qPrintable(text->text));
            }
        QVERIFY(labels >= 2);

        // On the block's image nothing of the labels lies beyond the frame's right side.
        constexpr double dpi = 600;
        const QImage image = ReportPainter::renderBlock(block, dpi);
        const double scale = dpi / 72;
        for (int y = int(215 * scale); y < int(231 * scale); ++y)
            for (int x = int(std::ceil((outer + 0.25) * scale)); x < image.width(); ++x)
                QVERIFY2(qGray(image.pixel(x, y)) > 200,
                         qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    }

    void menuDataRows_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<QStringList>("cells"); // x = 6, 63, 127, 184; "" = no text there
        const auto row = [](const char* name, double y, QStringList cells) {
            QTest::newRow(name) << y << cells;
        };
        row("1", 11, {"ZERO", "RANGE", "VELO", "DELAY"});
        row("2", 23, {"txtzero", "txtrange", "txtvelo", "txtdelay"});
        row("3", 40, {"GATE 1", "START", "END", "LEVEL"});
        row("4", 52, {"txtgate", "txtstart", "txtend", "txtlevel"});
        row("5", 69, {"GATE 2", "START", "END", "LEVEL"});
        row("6", 81, {"txtgate2", "txtstart2", "txtend2", "txtlevel2"});
        row("7", 98, {"MEM", "MEM NO", "ACTION", "ENTER"});
        row("8", 110, {"txtmem", "txtmemno", "txtaction", ""});
        row("9", 127, {"REJECT", "SET REF", "VIDEO", "MODE"});
        row("10", 139, {"txtreject", "txtsetref", "txtVideo", "txtmode"});
        row("11", 156, {"CLOCK", "COLOR", "HORN", "BRIGHT"});
        row("12", 168, {"txtclock", "txtcolor", "txthorn", "txtbrt"});
        row("13", 185, {"DAC", "CURSOR", "POINT", "PRESS"});
        row("14", 197, {"txtdac", "txtcur", "txtpoint", "Txtent"});
        row("15", 214, {"MEASURE", "X-OFF", "ANGLE", "THICK"});
        row("16", 226, {"txtmea", "txtxoff", "txtangle", "txtthick"});
        row("17", 243, {"", "HUD", "BEEP", ""});
        row("18", 255, {"", "txthud", "txtbeep", ""});
        row("19", 272, {"Gain txtgain", "    REF txtrefg", "txttmdt", ""});
    }

    void menuDataRows()
    {
        QFETCH(double, y);
        QFETCH(QStringList, cells);
        const ReportBlock b = ReportComposer::menuDataBlock(test::namedPanel());
        const double columns[] = {6, 63, 127, 184};
        for (int c = 0; c < 4; ++c) {
            const QStringList expected = cells[c].isEmpty() ? QStringList{} : QStringList{cells[c]};
            QCOMPARE(textsAt(b, columns[c], y), expected);
        }
    }

    void menuDataLastRowJoinsGainReferenceAndTime()
    {
        PanelTexts panel = test::namedPanel();
        panel.setValue(u"txtgain", QStringLiteral("45.5 dB"));
        panel.setValue(u"txtrefg", QStringLiteral("25  "));
        panel.txttmdt = QStringLiteral("Tm: ");
        const ReportBlock b = ReportComposer::menuDataBlock(panel);
        QCOMPARE(textsAt(b, 6, 272), QStringList{QStringLiteral("Gain 45.5 dB")});
        QCOMPARE(textsAt(b, 63, 272), QStringList{QStringLiteral("    REF 25  ")});
        QCOMPARE(textsAt(b, 127, 272), QStringList{QStringLiteral("Tm: ")});
    }

    void enterColumnAndRowsSeventeenAndEighteenHaveNoOtherCells()
    {
        // 18 rows of four cells less the empty ones (row 8 column 4, rows 17 and 18 columns 1 and
        // 4), and three cells in row 19.
        const ReportBlock b = ReportComposer::menuDataBlock(test::namedPanel());
        QCOMPARE(b.texts.size(), size_t(18 * 4 - 5 + 3));
        for (const BlockText& t : b.texts)
            QVERIFY2(t.text != QLatin1String("txtblk1") && t.text != QLatin1String("txtblk2"),
                     qPrintable(t.text));
    }

    void valueLongerThanItsColumnIsKeptWhole()
    {
        PanelTexts panel = test::namedPanel();
        const QString longValue = QStringLiteral("123456789012345678901234567890");
        panel.setValue(u"txtzero", longValue);
        const ReportBlock b = ReportComposer::menuDataBlock(panel);
        QCOMPARE(textsAt(b, 6, 23), QStringList{longValue});
        QCOMPARE(textsAt(b, 63, 23), QStringList{QStringLiteral("txtrange")});

        // Painted, it runs on into the next column (nothing clipped at the column edge).
        const QImage image = ReportPainter::renderBlock(b, 288);
        const double px = 288.0 / 72;
        int dark = 0;
        for (int x = int(50 * px); x < int(62 * px); ++x)
            for (int y = int(23 * px); y < int(33 * px); ++y)
                dark += qGray(image.pixel(x, y)) < 128;
        QVERIFY(dark > 0);
    }

    void noteLinesRunOneUnderTheOtherFromTheTop()
    {
        const ReportBlock b = ReportComposer::notesBlock(namedSnapshot().notes);
        QCOMPARE(b.texts.size(), size_t(kNoteLines));
        const double line = b.texts[1].pos.y() - b.texts[0].pos.y();
        // One text line of a 9.75-point (195-twip) font, with its spacing.
        QVERIFY2(line >= 195 && line <= 1.4 * 195, qPrintable(QString::number(line)));
        for (int n = 0; n < kNoteLines; ++n) {
            QCOMPARE(b.texts[n].pos.x(), 0.0);
            QCOMPARE(b.texts[n].pos.y(), n * line);
            QCOMPARE(b.texts[n].text,
                     QLatin1String(kReportNoteCaptions[n]) + QStringLiteral("note%1").arg(n));
        }
        // The twelve lines fit within the block.
        QVERIFY(kNoteLines * line <= b.size.height());
    }

    void noteCaptions_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("dots");
        QTest::addColumn<QString>("between"); // spaces between the name and the dot run
        const auto row = [](int n, const char* name, int dots, const char* between) {
            QTest::addRow("%d", n)
                << n << QString::fromLatin1(name) << dots << QString::fromLatin1(between);
        };
        row(0, "Operator Name/Code", 8, "");
        row(1, "Division", 30, " ");
        row(2, "Section", 32, "");
        row(3, "Km. Post", 30, "");
        row(4, "Rail LH/RH  &  Up/Dn", 7, " ");
        row(5, "Deffect Location", 15, "  ");
        row(6, "Rolling Mark", 22, " ");
        row(7, "Type of Probe", 19, " ");
        row(8, "Flaw Code", 26, " ");
        row(9, "Def. Class OBS/IMR/REM", 0, " ");
        row(10, "Prev. Defect Class", 12, " ");
        row(11, "Peak Patt. Detail", 15, " ");
    }

    void noteCaptions()
    {
        QFETCH(int, n);
        QFETCH(QString, name);
        QFETCH(int, dots);
        QFETCH(QString, between);
        // Two spaces, the name, the dot run, then ": ".
        const QString expected = QStringLiteral("  ") + name + between +
                                 QString(dots, QLatin1Char('.')) + QStringLiteral(": ");
        QCOMPARE(QString::fromLatin1(kReportNoteCaptions[n]), expected);
    }

    void emptyNoteBoxLeavesTheCaptionAlone()
    {
        NoteTexts notes;
        notes[4] = QStringLiteral("UP LH");
        const ReportBlock b = ReportComposer::notesBlock(notes);
        for (int n = 0; n < kNoteLines; ++n)
            QCOMPARE(b.texts[n].text, QLatin1String(kReportNoteCaptions[n]) +
                                          (n == 4 ? QStringLiteral("UP LH") : QString()));
    }

    void headerHasTheTwoHeadingLines()
    {
        const ReportBlock b = ReportComposer::headerBlock();
        QCOMPARE(b.texts.size(), size_t(2));
        QCOMPARE(b.texts[0].pos, QPointF(0, 0));
        QCOMPARE(b.texts[0].text, spaces(49) + QStringLiteral("Ultrasonic  Test  Report "));
        QCOMPARE(b.texts[1].pos.x(), 0.0);
        QCOMPARE(b.texts[1].text,
                 spaces(23) + QStringLiteral("A Scan") + spaces(54) + QStringLiteral("Menu Data"));
        // One 12-point line further down, both within the 615 twips of the block.
        const double line = b.texts[1].pos.y();
        QVERIFY2(line >= 240 && line <= 1.4 * 240, qPrintable(QString::number(line)));
        QVERIFY(2 * line <= b.size.height());
    }

    void fontsAreTheNamedFacesOrTheirKind()
    {
        const ReportPage page = ReportComposer::compose(namedSnapshot());
        const ReportBlock& ascan = blockNamed(page, QStringLiteral("ascan"));
        const ReportBlock& menu = blockNamed(page, QStringLiteral("menu"));
        const ReportBlock& notes = blockNamed(page, QStringLiteral("notes"));
        const ReportBlock& header = blockNamed(page, QStringLiteral("header"));
        QCOMPARE(ascan.font.family, QStringLiteral("Courier"));
        QCOMPARE(menu.font.family, QStringLiteral("Arial"));
        QCOMPARE(notes.font.family, QStringLiteral("MS Sans Serif"));
        QCOMPARE(header.font.family, QStringLiteral("MS Sans Serif"));
        QCOMPARE(ascan.font.pointSize, 9.75);
        QCOMPARE(menu.font.pointSize, 9.75);
        QCOMPARE(notes.font.pointSize, 9.75);
        QCOMPARE(header.font.pointSize, 12.0);
        QVERIFY(!ascan.font.bold);
        QVERIFY(menu.font.bold && notes.font.bold && header.font.bold);

        // The A-scan block's face is fixed-pitch whatever stands in for Courier: its values start
        // right after the colons of the caption line.
        QImage device(10, 10, QImage::Format_RGB32);
        QVERIFY(QFontInfo(ascan.font.font(72, &device)).fixedPitch());
        QVERIFY(!QFontInfo(menu.font.font(72, &device)).fixedPitch());
        qInfo("Courier -> %s, Arial -> %s, MS Sans Serif -> %s",
              qPrintable(ascan.font.resolvedFamily()), qPrintable(menu.font.resolvedFamily()),
              qPrintable(notes.font.resolvedFamily()));
    }

    void laterBlocksPaintOverEarlierOnes()
    {
        // The A-scan block's rectangle reaches down to 288 points (5760 twips under its top); the
        // notes block, painted later, covers that edge with its white background. The sides of the
        // rectangle above the notes block stay black.
        const ReportPage page = ReportComposer::compose(namedSnapshot());
        constexpr double dpi = 144;
        QImage image(int(8.5 * dpi), int(11 * dpi), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.scale(dpi / 1440, dpi / 1440);
            ReportPainter::paintPage(p, page);
        }
        const auto at = [&](double xTwips, double yTwips) {
            return qGray(image.pixel(int(xTwips * dpi / 1440), int(yTwips * dpi / 1440)));
        };
        const double ascanLeftEdge = 870 + 1 * 20;
        QVERIFY(at(ascanLeftEdge, 5700 + 150 * 20) < 128); // the edge, halfway down
        QVERIFY(at(ascanLeftEdge + 2000, 5700 + 288 * 20) >
                200); // the bottom edge lies under notes
        const double notesLeftEdge = 870 + 10;
        QVERIFY(at(notesLeftEdge, 11400 + 1500) < 128);
        // The menu block's left edge lies over the A-scan block's right strip.
        QVERIFY(at(5990 + 20, 5700 + 100 * 20) < 128);
        QVERIFY(at(5990 + 200, 5700 + 100 * 20) > 200);
    }

    void menuTextLines_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        const auto s = spaces;
        const auto row = [](int line, const QString& text) {
            QTest::addRow("%d", line) << line << text;
        };
        row(1, QStringLiteral("ZERO") + s(10) + "RANGE" + s(8) + "VELO" + s(9) + "DELAY" + s(3));
        row(2, "txtzero" + s(8) + "txtrange" + s(7) + "txtvelo" + s(6) + "txtdelay");
        row(3, QStringLiteral("GATE 1") + s(8) + "START" + s(8) + "END" + s(10) + "LEVEL" + s(3));
        row(4, "txtgate" + s(11) + "txtstart" + s(7) + "txtend" + s(7) + "txtlevel");
        row(5, QStringLiteral("GATE 2") + s(8) + "START" + s(8) + "END" + s(10) + "LEVEL" + s(3));
        row(6, "txtgate2" + s(11) + "txtstart2" + s(7) + "txtend2" + s(7) + "txtlevel2");
        row(7, QStringLiteral("MEM") + s(10) + "MEM NO" + s(7) + "ACTION" + s(7) + "ENTER" + s(3));
        row(8, "txtmem" + s(10) + "txtmemno" + s(10) + "txtaction");
        row(9, QStringLiteral("REJECT") + s(8) + "SET REF" + s(6) + "VIDEO" + s(8) + "MODE" + s(4));
        row(10, "txtreject" + s(11) + "txtsetref" + s(8) + "txtVideo" + s(4) + "txtmode");
        row(11, QStringLiteral("CLOCK") + s(9) + "COLOR" + s(8) + "HORN" + s(9) + "BRIGHT" + s(2));
        row(12, "txtclock" + s(13) + "txtcolor" + s(10) + "txthorn" + s(7) + "txtbrt");
        row(13, QStringLiteral("DAC") + s(11) + "CURSOR" + s(7) + "POINT" + s(8) + "PRESS");
        row(14, "txtdac" + s(10) + "txtcur" + s(9) + "txtpoint" + s(6) + "Txtent");
        row(15, QStringLiteral("MEASURE") + s(5) + "X-OFF" + s(8) + "ANGLE" + s(8) + "THICK");
        row(16, "txtmea" + s(12) + "txtxoff" + s(7) + "txtangle" + s(4) + "txtthick");
        row(17, s(21) + "HUD" + s(15) + "BEEP" + s(3));
        row(18, s(20) + "txthud" + s(13) + "txtbeep");
        row(19, QStringLiteral("Gain") + s(3) + "txtgain" + s(3) + "REF " + "txtrefg" + s(5) +
                    "txttmdt");
    }

    void menuTextLines()
    {
        QFETCH(int, line);
        QFETCH(QString, expected);
        const QStringList lines = quillon::menuTextLines(test::namedPanel());
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines[line - 1], expected);
    }

    void menuTextLinesWithEmptyBoxesKeepOnlyTheRunsOfSpaces()
    {
        PanelTexts empty;
        const QStringList lines = quillon::menuTextLines(empty);
        QCOMPARE(lines[1], spaces(8 + 7 + 6));
        QCOMPARE(lines[7], spaces(10 + 10));
        QCOMPARE(lines[17], spaces(20 + 13));
        QCOMPARE(lines[18], QStringLiteral("Gain   ") + QStringLiteral("   REF ") + spaces(5));
    }

    void noteTextLinesAndHeadingText()
    {
        NoteTexts notes;
        notes[0] = QStringLiteral("R. Kumar  ");
        const QStringList lines = noteTextLines(notes);
        QCOMPARE(lines.size(), kNoteLines);
        QCOMPARE(lines[0], QStringLiteral("  Operator Name/Code........: R. Kumar  "));
        QCOMPARE(lines[11], QStringLiteral("  Peak Patt. Detail ...............: "));

        const QString crlf = QStringLiteral("\r\n");
        QCOMPARE(reportHeadingText(), crlf + crlf + spaces(49) + "Ultrasonic  Test  Report " +
                                          crlf + crlf + spaces(23) + "A Scan" + spaces(54) +
                                          "Menu Data" + crlf);
    }
};

QTEST_MAIN(ReportCompositionTest)
#include "tst_report_composition.moc"
