// The report document: an Office Open XML package read back part by part; shapes, fonts, line
// spacing, every line's text and the page's paper; and the widest document the boxes allow as
// LibreOffice lays it out.

#include "report/DocxLayout.h"
#include "report/DocxWriter.h"
#include "report/LocalPaper.h"
#include "report/ReportLines.h"
#include "ReportTestData.h"
#include "support/FileBytes.h"
#include "XmlTree.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace quillon;
using test::XmlNode;

namespace
{

const QString W = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString WP =
    QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
const QString A = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
const QString WPS =
    QStringLiteral("http://schemas.microsoft.com/office/word/2010/wordprocessingShape");
const QString MC = QStringLiteral("http://schemas.openxmlformats.org/markup-compatibility/2006");
const QString V = QStringLiteral("urn:schemas-microsoft-com:vml");
const QString R =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString XML = QStringLiteral("http://www.w3.org/XML/1998/namespace");

constexpr qint64 kEmuPerPoint = 12700;
// The page margins the picture's place is measured from: 1.25 in left, 1 in top.
constexpr double kLeftMargin = 1.25 * 72;
constexpr double kTopMargin = 1.0 * 72;

qint64 emu(double points)
{
    return qRound64(points * kEmuPerPoint);
}

DisplaySnapshot reportSnapshot()
{
    DisplaySnapshot s = snapshotOf(test::reportRecord(7, QStringLiteral(" R. Kumar  & Co <1>")));
    s.notes[11] = QString(); // an empty note box
    return s;
}

// The widest texts the boxes hold: every number box full of digits (each as wide as the widest
// digit), the instrument's widest word where a box shows words, the gain and reference gain at
// their widest, the clock on with its time and date, and twenty of the widest letter in every
// note line.
DisplaySnapshot widestSnapshot()
{
    DisplaySnapshot s = reportSnapshot();
    for (int i = 0; i < kPanelFieldCount; ++i)
        s.panel.boxes[i] = QString(kPanelFields[i].read, QLatin1Char('0'));
    const std::pair<const char16_t*, const char*> words[] = {
        {u"txtgate", "DAC -12"},   {u"txtgate2", "DAC -12"},  {u"txtmem", "A Scan "},
        {u"txtaction", "Send   "}, {u"txtsetref", "OFF    "}, {u"txtVideo", "Envelop"},
        {u"txtmode", "Single "},   {u"txtclock", "ON     "},  {u"txtcolor", "OFF    "},
        {u"txthorn", "OFF    "},   {u"txtdac", "ON 6/14"},    {u"Txtent", "ENTER "},
        {u"txtmea", "OFF    "},    {u"txthud", "OFF    "},    {u"txtbeep", "OFF    "},
        {u"txtgain", "99.9 dB"},   {u"txtrefg", "99.9"}};
    for (const auto& [box, text] : words)
        s.panel.setValue(box, QString::fromLatin1(text));
    s.panel.txttmdt = QStringLiteral("Tm: 23:59 Dt:31/12/99");
    for (QString& note : s.notes)
        note = QString(kNoteLength, QLatin1Char('W'));
    return s;
}

// The paragraphs' texts of the first text box content in `node`.
QStringList boxLines(const XmlNode& node)
{
    QStringList lines;
    for (const XmlNode* p : node.all(W, "txbxContent").at(0)->all(W, "p"))
        lines.append(p->allText());
    return lines;
}

const XmlNode* anchorNamed(const XmlNode& document, const QString& name)
{
    for (const XmlNode* a : document.all(WP, "anchor"))
        if (a->child(WP, "docPr")->attr("name") == name)
            return a;
    return nullptr;
}

QString soffice()
{
    for (const char* name : {"soffice", "libreoffice"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace

class DocxWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_snapshot = reportSnapshot();
        m_docx = m_dir.filePath(QStringLiteral("report.docx"));
        QCOMPARE(DocxWriter::write(m_docx, m_snapshot), ReportError::None);
        QString error;
        m_document =
            test::parseXml(test::zipEntry(m_docx, QStringLiteral("word/document.xml")), &error);
        QVERIFY2(m_document, qPrintable(error));
    }

    void packageHasItsParts()
    {
        const QStringList entries = test::zipEntries(m_docx);
        QCOMPARE(entries.value(0), QStringLiteral("[Content_Types].xml"));
        for (const char* part : {"_rels/.rels", "word/document.xml", "word/_rels/document.xml.rels",
                                 "word/styles.xml", "word/media/image1.png"})
            QVERIFY2(entries.contains(QLatin1String(part)), part);

        const auto types =
            test::parseXml(test::zipEntry(m_docx, QStringLiteral("[Content_Types].xml")));
        QVERIFY(types);
        bool mainDocument = false, png = false;
        for (const auto& c : types->children) {
            mainDocument |= c->attr("PartName") == QLatin1String("/word/document.xml") &&
                            c->attr("ContentType").endsWith(QLatin1String("document.main+xml"));
            png |= c->attr("Extension") == QLatin1String("png");
        }
        QVERIFY(mainDocument && png);

        // The picture's relationship leads to the image part.
        const auto rels =
            test::parseXml(test::zipEntry(m_docx, QStringLiteral("word/_rels/document.xml.rels")));
        QVERIFY(rels);
        const XmlNode* blip = m_document->all(A, "blip").at(0);
        const QString id = blip->attr(R, "embed");
        bool found = false;
        for (const auto& rel : rels->children)
            found |=
                rel->attr("Id") == id && rel->attr("Target") == QLatin1String("media/image1.png");
        QVERIFY(found);
    }

    void shapesLieAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("left"); // points from the page's top-left corner
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("menu box") << "Menu Data" << 316.0 << 149.0 << 254.0 << 288.0;
        QTest::newRow("notes box") << "Notes" << 60.0 << 149.0 + 288.0 << 510.0 << 180.0;
        QTest::newRow("picture") << "A Scan" << kLeftMargin - 30 << kTopMargin + 76.5 << 258.75
                                 << 291.75;
    }

    void shapesLieAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, width);
        QFETCH(double, height);
        const XmlNode* anchor = anchorNamed(*m_document, name);
        QVERIFY(anchor);
        const XmlNode* h = anchor->child(WP, "positionH");
        const XmlNode* v = anchor->child(WP, "positionV");
        QCOMPARE(h->attr("relativeFrom"), QStringLiteral("page"));
        QCOMPARE(v->attr("relativeFrom"), QStringLiteral("page"));
        QCOMPARE(h->child(WP, "posOffset")->text.toLongLong(), emu(left));
        QCOMPARE(v->child(WP, "posOffset")->text.toLongLong(), emu(top));
        const XmlNode* extent = anchor->child(WP, "extent");
        QCOMPARE(extent->attr("cx").toLongLong(), emu(width));
        QCOMPARE(extent->attr("cy").toLongLong(), emu(height));
        // The shape's own size agrees with the anchor's.
        const XmlNode* ext = anchor->all(A, "ext").at(0);
        QCOMPARE(ext->attr("cx").toLongLong(), emu(width));
        QCOMPARE(ext->attr("cy").toLongLong(), emu(height));
    }

    void shapesShareOneParagraphAndHaveUniqueIds()
    {
        const auto anchors = m_document->all(WP, "anchor");
        QCOMPARE(anchors.size(), size_t(3));
        std::set<QString> ids;
        std::set<const XmlNode*> paragraphs;
        for (const XmlNode* a : anchors) {
            ids.insert(a->child(WP, "docPr")->attr("id"));
            paragraphs.insert(a->ancestor(W, "p"));
        }
        QCOMPARE(ids.size(), size_t(3));
        QCOMPARE(paragraphs.size(), size_t(1));
        QVERIFY(*paragraphs.begin() != nullptr);
    }

    void textBoxesHaveAWordTwoThousandSevenFallbackAndNoAutofit()
    {
        const auto alternates = m_document->all(MC, "AlternateContent");
        QCOMPARE(alternates.size(), size_t(2));
        for (const XmlNode* alt : alternates) {
            const XmlNode* choice = alt->child(MC, "Choice");
            QVERIFY(choice);
            QCOMPARE(choice->attr("Requires"), QStringLiteral("wps"));
            QCOMPARE(choice->all(WPS, "wsp").size(), size_t(1));
            const auto bodies = choice->all(WPS, "bodyPr");
            QCOMPARE(bodies.size(), size_t(1));
            QVERIFY(bodies[0]->child(A, "noAutofit"));
            QVERIFY(!bodies[0]->child(A, "spAutoFit"));
            const XmlNode* fallback = alt->child(MC, "Fallback");
            QVERIFY(fallback);
            QCOMPARE(fallback->all(V, "textbox").size(), size_t(1));
            QCOMPARE(boxLines(*fallback), boxLines(*choice));
        }
    }

    void pageMarginsAreThoseThePictureIsPlacedFrom()
    {
        const XmlNode* margins = m_document->all(W, "pgMar").at(0);
        QCOMPARE(margins->attr(W, "left").toInt(), 1800); // twips
        QCOMPARE(margins->attr(W, "right").toInt(), 1800);
        QCOMPARE(margins->attr(W, "top").toInt(), 1440);
        QCOMPARE(margins->attr(W, "bottom").toInt(), 1440);
    }

    void headingIsTwelvePointBoldTimesNewRoman()
    {
        const XmlNode* body = m_document->child(W, "body");
        QStringList heading;
        for (const auto& p : body->children) {
            if (p->name != QLatin1String("p"))
                continue;
            QString text;
            for (const auto& r : p->children) {
                if (r->name != QLatin1String("r"))
                    continue;
                const XmlNode* rPr = r->child(W, "rPr");
                if (!rPr)
                    continue; // a shape's run
                QCOMPARE(rPr->child(W, "rFonts")->attr(W, "ascii"),
                         QStringLiteral("Times New Roman"));
                QCOMPARE(rPr->child(W, "sz")->attr(W, "val"), QStringLiteral("24"));
                const XmlNode* b = rPr->child(W, "b");
                QVERIFY(b && b->attr(W, "val") != QLatin1String("0"));
                text += r->child(W, "t")->text;
            }
            heading.append(text);
        }
        // CR LF, CR LF, title, CR LF, CR LF, sub-heading, CR LF: one paragraph per line.
        const QString title =
            QString(49, QLatin1Char(' ')) + QStringLiteral("Ultrasonic  Test  Report ");
        const QString sub = QString(23, QLatin1Char(' ')) + QStringLiteral("A Scan") +
                            QString(54, QLatin1Char(' ')) + QStringLiteral("Menu Data");
        QCOMPARE(heading, (QStringList{QString(), QString(), title, QString(), sub, QString()}));
    }

    void textBoxLinesAreTwelvePointTimesWithExactSpacing()
    {
        const auto contents = m_document->all(W, "txbxContent");
        QCOMPARE(contents.size(), size_t(4)); // two boxes, each with its fallback
        for (const XmlNode* content : contents) {
            for (const XmlNode* p : content->all(W, "p")) {
                const XmlNode* spacing = p->child(W, "pPr")->child(W, "spacing");
                QVERIFY(spacing);
                QCOMPARE(spacing->attr(W, "line"), QStringLiteral("240"));
                QCOMPARE(spacing->attr(W, "lineRule"), QStringLiteral("exact"));
                QCOMPARE(spacing->attr(W, "before"), QStringLiteral("0"));
                QCOMPARE(spacing->attr(W, "after"), QStringLiteral("0"));
                for (const XmlNode* r : p->all(W, "r")) {
                    const XmlNode* rPr = r->child(W, "rPr");
                    QCOMPARE(rPr->child(W, "rFonts")->attr(W, "ascii"),
                             QStringLiteral("Times New Roman"));
                    QCOMPARE(rPr->child(W, "sz")->attr(W, "val"), QStringLiteral("24"));
                    QCOMPARE(rPr->child(W, "b")->attr(W, "val"), QStringLiteral("0"));
                }
            }
        }
    }

    void everyLineHasItsExactText()
    {
        const QStringList menuLines =
            boxLines(*anchorNamed(*m_document, QStringLiteral("Menu Data")));
        const QStringList noteLines = boxLines(*anchorNamed(*m_document, QStringLiteral("Notes")));
        QCOMPARE(menuLines, menuTextLines(m_snapshot.panel));
        QCOMPARE(noteLines, noteTextLines(m_snapshot.notes));
        // Spot checks against the record the snapshot came from.
        QCOMPARE(menuLines.size(), 19);
        QCOMPARE(menuLines[1], QStringLiteral("108    ") + QString(8, QLatin1Char(' ')) +
                                   "100    " + QString(7, QLatin1Char(' ')) + "5920   " +
                                   QString(6, QLatin1Char(' ')) + "0.0    ");
        QCOMPARE(menuLines[18],
                 QStringLiteral("Gain   45.5 dB   REF 25       Tm: 07:55 Dt:28/04/03"));
        QCOMPARE(noteLines.size(), 12);
        // A note box shows its twenty characters, trailing spaces included.
        QCOMPARE(noteLines[0],
                 QStringLiteral("  Operator Name/Code........:  R. Kumar  & Co <1> "));
        QCOMPARE(noteLines[11], QStringLiteral("  Peak Patt. Detail ...............: "));
    }

    void everyRunKeepsItsSpaces()
    {
        const auto texts = m_document->all(W, "t");
        QVERIFY(texts.size() > 31);
        for (const XmlNode* t : texts)
            QCOMPARE(t->attr(XML, "space"), QStringLiteral("preserve"));
    }

    void pictureIsTheAscanBlockAtNaturalSize()
    {
        QImage image;
        QVERIFY(image.loadFromData(test::zipEntry(m_docx, QStringLiteral("word/media/image1.png")),
                                   "PNG"));
        // 258.75 x 291.75 points at the resolution the image records.
        const double dpiX = image.dotsPerMeterX() * 0.0254;
        const double dpiY = image.dotsPerMeterY() * 0.0254;
        QVERIFY(qAbs(image.width() / dpiX * 72 - 258.75) < 0.5);
        QVERIFY(qAbs(image.height() / dpiY * 72 - 291.75) < 0.5);
        // The block's rectangle outline runs down its left side at x = 1 point.
        const int x = qRound(1 * dpiX / 72);
        int dark = 0;
        for (int y = image.height() / 4; y < image.height() / 2; ++y)
            dark += qGray(image.pixel(x, y)) < 128;
        QVERIFY(dark > image.height() / 5);
    }

    void controlCharactersStillGiveAWellFormedDocument()
    {
        DisplaySnapshot s = m_snapshot;
        s.notes[2] = QStringLiteral("A") + QChar(0) + QChar(7) + QStringLiteral("B\r\nC");
        s.panel.setValue(u"txtzero", QStringLiteral("1") + QChar(27) + QStringLiteral("2"));
        const QString path = m_dir.filePath(QStringLiteral("controls.docx"));
        QCOMPARE(DocxWriter::write(path, s), ReportError::None);
        QString error;
        const auto document =
            test::parseXml(test::zipEntry(path, QStringLiteral("word/document.xml")), &error);
        QVERIFY2(document, qPrintable(error));
        const QStringList lines = boxLines(*anchorNamed(*document, QStringLiteral("Notes")));
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines[2], QLatin1String(kReportNoteCaptions[2]) + QStringLiteral("A??B??C"));
    }

    void existingFileIsReplaced()
    {
        const QString path = m_dir.filePath(QStringLiteral("old.docx"));
        QVERIFY(test::writeBytes(path, "an older document"));
        QCOMPARE(DocxWriter::write(path, m_snapshot), ReportError::None);
        QVERIFY(test::zipEntries(path).contains(QStringLiteral("word/document.xml")));
    }

    void unwritablePathReportsAndLeavesNothing()
    {
        QTemporaryDir dir;
        const QString missingFolder = dir.filePath(QStringLiteral("missing/report.docx"));
        QCOMPARE(DocxWriter::write(missingFolder, m_snapshot), ReportError::OutputNotWritable);
        QVERIFY(!QFile::exists(missingFolder));

        // A name taken by a folder: the folder stays, and no temporary file is left beside it.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.docx")));
        QVERIFY(DocxWriter::write(dir.filePath(QStringLiteral("taken.docx")), m_snapshot) !=
                ReportError::None);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("taken.docx")});
    }

    void pageIsTheLocalesPaper_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("width"); // twips
        QTest::addColumn<int>("height");
        QTest::newRow("United States") << "en_US" << 12240 << 15840;
        QTest::newRow("Canada, French") << "fr_CA" << 12240 << 15840;
        QTest::newRow("Mexico") << "es_MX" << 12240 << 15840;
        QTest::newRow("Philippines") << "en_PH" << 12240 << 15840;
        QTest::newRow("United Kingdom") << "en_GB" << 11906 << 16838;
        QTest::newRow("Germany") << "de_DE" << 11906 << 16838;
        QTest::newRow("India") << "hi_IN" << 11906 << 16838;
        QTest::newRow("no territory") << "C" << 11906 << 16838;
    }

    void pageIsTheLocalesPaper()
    {
        QFETCH(QString, locale);
        QFETCH(int, width);
        QFETCH(int, height);
        DocxContent content = DocxWriter::content(m_snapshot);
        QCOMPARE(content.page, localPaper()); // the system's, as for the PDF
        content.page = localPaper(QLocale(locale));
        QString error;
        const auto document = test::parseXml(DocxDocument::document(content), &error);
        QVERIFY2(document, qPrintable(error));
        const XmlNode* size = document->all(W, "pgSz").at(0);
        QCOMPARE(size->attr(W, "w").toInt(), width);
        QCOMPARE(size->attr(W, "h").toInt(), height);
        // The shapes keep their places on either paper.
        const XmlNode* menu = anchorNamed(*document, QStringLiteral("Menu Data"));
        QCOMPARE(menu->child(WP, "positionH")->child(WP, "posOffset")->text.toLongLong(), emu(316));
    }

    void libreOfficeKeepsEveryLineOfTheWidestDocumentWhole()
    {
        const QString office = soffice();
        if (office.isEmpty())
            QSKIP("LibreOffice is not installed (scripts/deps.sh installs it)");
        QTemporaryDir out;
        const DisplaySnapshot widest = widestSnapshot();
        const QString docx = out.filePath(QStringLiteral("widest.docx"));
        QCOMPARE(DocxWriter::write(docx, widest), ReportError::None);
        // A profile of its own, so that runs side by side do not share one.
        QProcess p;
        p.start(office, {QStringLiteral("-env:UserInstallation=file://") +
                             out.filePath(QStringLiteral("profile")),
                         QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                         QStringLiteral("pdf"), QStringLiteral("--outdir"), out.path(), docx});
        QVERIFY(p.waitForFinished(120000));
        const QString pdf = out.filePath(QStringLiteral("widest.pdf"));
        QVERIFY2(QFile::exists(pdf), p.readAllStandardError().constData());
        QCOMPARE(test::pdfPageCount(pdf), 1);
        // On the locale's paper, as the PDF export lays it out.
        const QString info = QString::fromUtf8(test::runTool(QStringLiteral("pdfinfo"), {pdf}));
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                .match(info);
        QVERIFY2(size.hasMatch(), qPrintable(info));
        const QSizeF paper = localPaper().size(QPageSize::Point);
        QVERIFY2(qAbs(size.captured(1).toDouble() - paper.width()) < 1 &&
                     qAbs(size.captured(2).toDouble() - paper.height()) < 1,
                 qPrintable(size.captured(0)));

        // Each line of the two boxes stands whole on one line of the laid-out page.
        QStringList pageLines;
        for (const QString& line : test::pdfText(pdf).split(u'\n'))
            pageLines << test::simplified(line);
        const auto onOneLine = [&pageLines](const QString& boxLine) {
            const QString wanted = test::simplified(boxLine);
            return std::any_of(pageLines.begin(), pageLines.end(),
                               [&wanted](const QString& l) { return l.contains(wanted); });
        };
        QVERIFY(onOneLine(QStringLiteral("Ultrasonic Test Report")));
        for (const QString& line : menuTextLines(widest.panel))
            QVERIFY2(onOneLine(line), qPrintable(line));
        for (const QString& line : noteTextLines(widest.notes))
            QVERIFY2(onOneLine(line), qPrintable(line));

        // The boxes' first words lie at the boxes' places plus their inner margins.
        const test::PdfWord zero = test::pdfWord(pdf, QStringLiteral("ZERO"));
        QVERIFY(zero.found);
        QVERIFY2(qAbs(zero.xMin - (316 + DocxLayout::kBoxInsetLeft)) < 2,
                 qPrintable(QString::number(zero.xMin)));
        QVERIFY2(qAbs(zero.yMin - (149 + DocxLayout::kBoxInsetTopBottom)) < 3,
                 qPrintable(QString::number(zero.yMin)));
        const test::PdfWord op = test::pdfWord(pdf, QStringLiteral("Operator"));
        QVERIFY(op.found);
        QVERIFY2(qAbs(op.yMin - (437 + DocxLayout::kBoxInsetTopBottom)) < 3,
                 qPrintable(QString::number(op.yMin)));
        // Twelve-point lines, exactly: the second menu line is 12 points under the first.
        const test::PdfWord range = test::pdfWord(pdf, QStringLiteral("RANGE"));
        const test::PdfWord gate = test::pdfWord(pdf, QStringLiteral("GATE"));
        QVERIFY2(qAbs(gate.yMin - zero.yMin - 24) < 0.5, qPrintable(QString::number(gate.yMin)));
        QVERIFY(qAbs(range.yMin - zero.yMin) < 0.5);
    }

private:
    QTemporaryDir m_dir;
    QString m_docx;
    DisplaySnapshot m_snapshot;
    std::unique_ptr<XmlNode> m_document;
};

QTEST_MAIN(DocxWriterTest)
#include "tst_docx_writer.moc"
