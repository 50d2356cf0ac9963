#pragma once

#include <QCoreApplication>
#include <QString>

namespace quillon
{

// What the operator is told when a report cannot be printed or written, once per report.
inline constexpr char kReportFailedMessage[] =
    QT_TRANSLATE_NOOP("ReportError", "The Report can't be printed.");
// What the operator is told after the report document was written.
inline constexpr char kWordDocCreatedMessage[] =
    QT_TRANSLATE_NOOP("ReportError", "Word Doc file is created");
// One of the two messages above as the window shows it, in the interface's language.
QString reportMessage(const char* message);

// Why a report could not be printed or written.
enum class ReportError {
    None,
    NoPrinter,          // no printer is set up: the system has none, or none by default
    PrinterNotReady,    // the print job could not be started
    PageNotStarted,     // the printer refused a new page
    JobNotSent,         // the printer reported an error when the job ended
    OutputNotWritable,  // the output file cannot be created beside its target
    OutputNotCommitted, // the complete output could not be put in place under its name
    DocumentNotBuilt,   // the document package could not be assembled
};

// One line for the operator's message box (its details, in the interface's language) or a
// command line tool (which loads no translation: English).
QString reportErrorText(ReportError error);

} // namespace quillon
