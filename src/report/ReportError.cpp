#include "report/ReportError.h"

namespace quillon
{

QString reportErrorText(ReportError error)
{
    switch (error) {
    case ReportError::None:
        return QStringLiteral("no error");
    case ReportError::NoPrinter:
        return QStringLiteral("no printer is set up");
    case ReportError::PrinterNotReady:
        return QStringLiteral("the printer cannot start a print job");
    case ReportError::PageNotStarted:
        return QStringLiteral("the printer cannot start a new page");
    case ReportError::JobNotSent:
        return QStringLiteral("the printer reported an error at the end of the job");
    case ReportError::OutputNotWritable:
        return QStringLiteral("the output file cannot be created");
    case ReportError::OutputNotCommitted:
        return QStringLiteral("the output file cannot be written completely");
    case ReportError::DocumentNotBuilt:
        return QStringLiteral("the document cannot be assembled");
    }
    return QStringLiteral("unknown error");
}

} // namespace quillon
