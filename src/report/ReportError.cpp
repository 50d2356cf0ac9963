#include "report/ReportError.h"

namespace quillon
{

QString reportErrorText(ReportError error)
{
    const char* what = QT_TRANSLATE_NOOP("ReportError", "unknown error");
    switch (error) {
    case ReportError::None:
        what = QT_TRANSLATE_NOOP("ReportError", "no error");
        break;
    case ReportError::NoPrinter:
        what = QT_TRANSLATE_NOOP("ReportError", "no printer is set up");
        break;
    case ReportError::PrinterNotReady:
        what = QT_TRANSLATE_NOOP("ReportError", "the printer cannot start a print job");
        break;
    case ReportError::PageNotStarted:
        what = QT_TRANSLATE_NOOP("ReportError", "the printer cannot start a new page");
        break;
    case ReportError::JobNotSent:
        what =
            QT_TRANSLATE_NOOP("ReportError", "the printer reported an error at the end of the job");
        break;
    case ReportError::OutputNotWritable:
        what = QT_TRANSLATE_NOOP("ReportError", "the output file cannot be created");
        break;
    case ReportError::OutputNotCommitted:
        what = QT_TRANSLATE_NOOP("ReportError", "the output file cannot be written completely");
        break;
    case ReportError::DocumentNotBuilt:
        what = QT_TRANSLATE_NOOP("ReportError", "the document cannot be assembled");
        break;
    }
    return QCoreApplication::translate("ReportError", what);
}

QString reportMessage(const char* message)
{
    return QCoreApplication::translate("ReportError", message);
}

} // namespace quillon
