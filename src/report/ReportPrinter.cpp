#include "report/ReportPrinter.h"

#include "report/PdfFile.h"
#include "report/ReportComposer.h"
#include "report/ReportPainter.h"

#include <QPainter>
#include <QPrinter>

namespace quillon
{

namespace
{

// The PDF gets the margins of a usual printer's unprintable border, so that the page lies on the
// paper as it does on a printer.
constexpr double kPdfMarginMillimeters = 6.35;
constexpr int kPdfDotsPerInch = 1200;

void failAll(ReportOutcome& outcome, int first, int count, ReportError error)
{
    for (int i = first; i < first + count; ++i)
        outcome.failedReports.push_back(i);
    if (outcome.error == ReportError::None)
        outcome.error = error;
}

// One document holding `count` reports from `first` on. The painter is open on the device.
// A page that cannot be started fails with every page after it; the pages before it are kept.
void paintReports(QPainter& painter, QPagedPaintDevice& device,
                  const std::vector<DisplaySnapshot>& reports, int first, int count,
                  ReportOutcome& outcome)
{
    for (int i = first; i < first + count; ++i) {
        if (i > first && !device.newPage()) {
            failAll(outcome, i, first + count - i, ReportError::PageNotStarted);
            return;
        }
        painter.save();
        ReportPainter::scaleToTwips(painter);
        ReportPainter::paintPage(painter, ReportComposer::compose(reports[size_t(i)]));
        painter.restore();
    }
}

// Runs one print job of `count` reports from `first` on.
void printJob(QPrinter& printer, const std::vector<DisplaySnapshot>& reports, int first, int count,
              ReportOutcome& outcome)
{
    if (printer.outputFileName().isEmpty() && printer.printerName().isEmpty()) {
        failAll(outcome, first, count, ReportError::NoPrinter);
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        failAll(outcome, first, count, ReportError::PrinterNotReady);
        return;
    }
    const size_t failedBefore = outcome.failedReports.size();
    paintReports(painter, printer, reports, first, count, outcome);
    const bool ended = painter.end();
    ++outcome.jobs;
    if (!ended || printer.printerState() == QPrinter::Error) {
        // Pages already marked as failed stay named once.
        outcome.failedReports.resize(failedBefore);
        failAll(outcome, first, count, ReportError::JobNotSent);
    }
}

} // namespace

ReportOutcome ReportPrinter::print(const std::vector<DisplaySnapshot>& reports)
{
    ReportOutcome outcome;
    outcome.reports = int(reports.size());
    if (reports.empty())
        return outcome;
    if (!m_printer.outputFileName().isEmpty())
        return printAsOneJob(reports);
    for (int i = 0; i < int(reports.size()); ++i)
        printJob(m_printer, reports, i, 1, outcome);
    return outcome;
}

ReportOutcome ReportPrinter::printAsOneJob(const std::vector<DisplaySnapshot>& reports)
{
    ReportOutcome outcome;
    outcome.reports = int(reports.size());
    if (!reports.empty())
        printJob(m_printer, reports, 0, int(reports.size()), outcome);
    return outcome;
}

ReportOutcome ReportPrinter::writePdf(const QString& path,
                                      const std::vector<DisplaySnapshot>& reports)
{
    ReportOutcome outcome;
    const int count = int(reports.size());
    outcome.reports = count;
    if (reports.empty())
        return outcome;
    // Fixed: the document's own properties.
    PdfFile pdf(path, QStringLiteral("Ultrasonic Test Report"),
                {QPageLayout::Portrait, kPdfMarginMillimeters, kPdfDotsPerInch});
    if (!pdf.begin()) {
        failAll(outcome, 0, count, ReportError::OutputNotWritable);
        return outcome;
    }
    paintReports(pdf.painter(), pdf.writer(), reports, 0, count, outcome);
    ++outcome.jobs;
    if (!outcome.ok()) {
        pdf.finish(false);
        outcome.failedReports.clear();
        failAll(outcome, 0, count, outcome.error);
        return outcome;
    }
    if (!pdf.finish())
        failAll(outcome, 0, count, ReportError::OutputNotCommitted);
    return outcome;
}

} // namespace quillon
