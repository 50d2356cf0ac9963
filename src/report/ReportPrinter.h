#pragma once

#include "core/DisplaySnapshot.h"
#include "report/ReportError.h"

#include <QString>

#include <vector>

class QPrinter;

namespace quillon
{

// What became of a run of reports: every report that could not be printed is named once, with
// the first reason found.
struct ReportOutcome {
    int reports = 0;
    int jobs = 0; // print jobs sent to the printer
    std::vector<int> failedReports;
    ReportError error = ReportError::None;

    bool ok() const { return failedReports.empty(); }
};

// Prints report pages, one per snapshot.
class ReportPrinter
{
public:
    explicit ReportPrinter(QPrinter& printer) : m_printer(printer) {}

    // One print job per page, in the given order. A printer that prints into a file gets all
    // pages in one document, so that a later page does not overwrite an earlier one.
    ReportOutcome print(const std::vector<DisplaySnapshot>& reports);

    // All pages into one PDF file. The file appears under its name only when complete.
    static ReportOutcome writePdf(const QString& path, const std::vector<DisplaySnapshot>& reports);

private:
    QPrinter& m_printer;
};

} // namespace quillon
