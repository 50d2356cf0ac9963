#include "archive/ArchiveFailure.h"

#include <QCoreApplication>

namespace quillon
{

QString archiveFailureText(const ArchiveFailure& failure)
{
    const char* what = nullptr;
    switch (failure.kind) {
    case ArchiveFailure::None:
        return {};
    case ArchiveFailure::Damaged:
        what = QT_TRANSLATE_NOOP("ArchiveFailure", "the archive is damaged");
        break;
    case ArchiveFailure::Unwritable:
        what = QT_TRANSLATE_NOOP("ArchiveFailure", "the archive cannot be written");
        break;
    case ArchiveFailure::Unreachable:
        what = QT_TRANSLATE_NOOP("ArchiveFailure", "the team archive cannot be reached");
        break;
    case ArchiveFailure::Refused:
        what = QT_TRANSLATE_NOOP("ArchiveFailure", "the team archive refused the connection");
        break;
    case ArchiveFailure::Incompatible:
        what = QT_TRANSLATE_NOOP("ArchiveFailure",
                                 "the team archive's tables are missing or of another version");
        break;
    case ArchiveFailure::Other:
        what = QT_TRANSLATE_NOOP("ArchiveFailure", "the archive cannot be used");
        break;
    }
    const QString text = QCoreApplication::translate("ArchiveFailure", what);
    // The library's words may run over several lines; the message is one.
    const QString detail = failure.text.simplified();
    return detail.isEmpty() ? text : text + QStringLiteral(": ") + detail;
}

} // namespace quillon
