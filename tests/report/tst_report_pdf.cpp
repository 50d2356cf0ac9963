// Report pages through a real printer device: PDF files checked for page count, text and where
// the text lies on the paper; failing printers and unwritable files reported once per report.

#include "report/ReportPrinter.h"
#include "ReportTestData.h"

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace
{

constexpr double kMarginPoints = 6.35 / 25.4 * 72; // the PDF's 0.25 in margin
constexpr double kPointsPerTwip = 1.0 / 20;

std::vector<DisplaySnapshot> threeReports()
{
    return {snapshotOf(test::reportRecord(3, QStringLiteral("Operator three"))),
            snapshotOf(test::reportRecord(7, QStringLiteral("Operator seven"))),
            snapshotOf(test::reportRecord(12, QStringLiteral("Operator twelve")))};
}

} // namespace

class ReportPdfTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void pdfHasOnePagePerReportInOrder()
    {
        const QString pdf = m_dir->filePath(QStringLiteral("r.pdf"));
        const ReportOutcome outcome = ReportPrinter::writePdf(pdf, threeReports());
        QVERIFY(outcome.ok());
        QCOMPARE(outcome.reports, 3);
        QCOMPARE(test::pdfPageCount(pdf), 3);
        QVERIFY(test::pdfText(pdf, 1).contains(QStringLiteral("Operator three")));
        QVERIFY(test::pdfText(pdf, 2).contains(QStringLiteral("Operator seven")));
        QVERIFY(test::pdfText(pdf, 3).contains(QStringLiteral("Operator twelve")));
        QVERIFY(!test::pdfText(pdf, 2).contains(QStringLiteral("Operator three")));
    }

    void pageTextIsTheReport()
    {
        const QString pdf = m_dir->filePath(QStringLiteral("r.pdf"));
        QVERIFY(ReportPrinter::writePdf(pdf, {threeReports()[1]}).ok());
        const QString text = test::simplified(test::pdfText(pdf, 1));
        const char* expected[] = {
            "Ultrasonic Test Report",
            "A Scan",
            "Menu Data",
            "ZERO RANGE VELO DELAY",
            "108 100 5920 0.0",
            "GATE 1 START END LEVEL",
            "ON 30 40 40",
            "MEM MEM NO ACTION ENTER",
            "A Scan 007 Send",
            "REJECT SET REF VIDEO MODE",
            "00% OFF Envelop Single",
            "MEASURE X-OFF ANGLE THICK",
            "ON OFF 070 0100",
            "Gain 45.5 dB REF 25 Tm: 07:55 Dt:28/04/03",
            "Beam Path: 123.4 Surface: 56.7 Depth: 89.0",
            "Operator Name/Code........: Operator seven",
            "Km. Post..............................: Km 12/4",
            "Deffect Location ...............:",
            "Peak Patt. Detail ...............:",
        };
        for (const char* line : expected)
            QVERIFY2(text.contains(QLatin1String(line)), line);
    }

    void textLiesWhereTheLayoutPutsIt_data()
    {
        // Points from the paper's top-left corner: margin + block place (twips) + place in the
        // block.
        QTest::addColumn<QString>("word");
        QTest::addColumn<double>("x"); // negative: not checked (the text starts with spaces)
        QTest::addColumn<double>("y");
        const double m = kMarginPoints;
        const auto tw = [](double twips) { return twips * kPointsPerTwip; };
        QTest::newRow("menu caption") << "ZERO" << m + tw(5990) + 6 << m + tw(5700) + 11;
        QTest::newRow("menu value") << "5920" << m + tw(5990) + 127 << m + tw(5700) + 23;
        QTest::newRow("menu last row") << "Gain" << m + tw(5990) + 6 << m + tw(5700) + 272;
        QTest::newRow("beam path") << "Beam" << m + tw(870) + 4 << m + tw(5700) + 240;
        QTest::newRow("beam path value") << "123.4" << m + tw(870) + 65 << m + tw(5700) + 240;
        QTest::newRow("title") << "Ultrasonic" << -1.0 << m + tw(5000);
        QTest::newRow("first note line") << "Operator" << -1.0 << m + tw(11400);
    }

    void textLiesWhereTheLayoutPutsIt()
    {
        QFETCH(QString, word);
        QFETCH(double, x);
        QFETCH(double, y);
        const QString pdf = m_dir->filePath(QStringLiteral("r.pdf"));
        QVERIFY(ReportPrinter::writePdf(pdf, {threeReports()[0]}).ok());
        const test::PdfWord w = test::pdfWord(pdf, word);
        QVERIFY2(w.found, qPrintable(word));
        if (x >= 0)
            QVERIFY2(qAbs(w.xMin - x) < 0.6,
                     qPrintable(QStringLiteral("x %1 expected %2").arg(w.xMin).arg(x)));
        // The top of the text cell, within the rounding of the font's ascent.
        QVERIFY2(qAbs(w.yMin - y) < 1.0,
                 qPrintable(QStringLiteral("y %1 expected %2").arg(w.yMin).arg(y)));
    }

    void printerPrintingIntoAFileGetsAllPagesInOneDocument()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = m_dir->filePath(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(pdf);
        const ReportOutcome outcome = ReportPrinter(printer).print(threeReports());
        QVERIFY(outcome.ok());
        QCOMPARE(outcome.jobs, 1);
        QCOMPARE(test::pdfPageCount(pdf), 3);
        QVERIFY(test::pdfText(pdf, 3).contains(QStringLiteral("Operator twelve")));
    }

    void failingPrinterReportsEachReportOnce()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = m_dir->filePath(QStringLiteral("missing/printed.pdf"));
        printer.setOutputFileName(pdf);
        ReportOutcome outcome = ReportPrinter(printer).print({threeReports()[0]});
        QCOMPARE(outcome.failedReports, std::vector<int>{0});
        QVERIFY(outcome.error != ReportError::None);

        outcome = ReportPrinter(printer).print(threeReports());
        QCOMPARE(outcome.failedReports, (std::vector<int>{0, 1, 2}));
        QVERIFY(!QFile::exists(pdf));
    }

    void unwritablePdfReportsAndLeavesNothing()
    {
        const QString pdf = m_dir->filePath(QStringLiteral("missing/r.pdf"));
        const ReportOutcome outcome = ReportPrinter::writePdf(pdf, threeReports());
        QCOMPARE(outcome.failedReports, (std::vector<int>{0, 1, 2}));
        QCOMPARE(outcome.error, ReportError::OutputNotWritable);
        QVERIFY(!QFile::exists(pdf));

        // A name taken by a folder: the folder stays, and nothing else appears beside it.
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("taken.pdf")));
        QVERIFY(
            !ReportPrinter::writePdf(m_dir->filePath(QStringLiteral("taken.pdf")), threeReports())
                 .ok());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("taken.pdf")});
    }

    void noImageFilesAreLeftBehind()
    {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir->filePath(QStringLiteral("p.pdf")));
        const bool printed = ReportPrinter(printer).print(threeReports()).ok();
        const bool written = ReportPrinter::writePdf(QStringLiteral("w.pdf"), threeReports()).ok();
        const QStringList files = QDir().entryList(QDir::Files);
        QDir::setCurrent(before);
        QVERIFY(printed && written);
        QCOMPARE(files, (QStringList{QStringLiteral("p.pdf"), QStringLiteral("w.pdf")}));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(ReportPdfTest)
#include "tst_report_pdf.moc"
