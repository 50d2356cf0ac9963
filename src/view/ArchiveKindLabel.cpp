#include "view/ArchiveKindLabel.h"

#include <QCoreApplication>

namespace quillon
{

QString archiveKindLabel(StoreKind kind)
{
    const char* label = nullptr;
    switch (kind) {
    case StoreKind::Received:
        //: An archive entry the instrument sent on its own
        label = QT_TRANSLATE_NOOP("ArchiveKind", "received");
        break;
    case StoreKind::Captured:
        //: An archive entry asked for from the instrument by memory number
        label = QT_TRANSLATE_NOOP("ArchiveKind", "captured");
        break;
    case StoreKind::Loaded:
        //: An archive entry read from a bank file
        label = QT_TRANSLATE_NOOP("ArchiveKind", "loaded");
        break;
    case StoreKind::Notes:
        //: An archive entry made when notes were saved
        label = QT_TRANSLATE_NOOP("ArchiveKind", "notes");
        break;
    case StoreKind::Restored:
        return {};
    }
    return label ? QCoreApplication::translate("ArchiveKind", label) : QString();
}

} // namespace quillon
