#include "archive/TeamStatus.h"

#include <QCoreApplication>

namespace quillon
{

QString teamStatusText(const TeamStatus& status)
{
    switch (status.state) {
    case TeamStatus::Off:
        return {};
    case TeamStatus::UpToDate:
        return QCoreApplication::translate("TeamStatus", "Team archive: up to date");
    case TeamStatus::Offline:
        return QCoreApplication::translate("TeamStatus", "Team archive: offline, %n waiting",
                                           nullptr, int(status.waiting));
    case TeamStatus::Failed:
        break;
    }
    return QCoreApplication::translate("TeamStatus", "Team archive: %1")
        .arg(archiveFailureText(status.failure));
}

} // namespace quillon
