#include "archive/ArchiveEntry.h"

#include "core/BankFile.h"
#include "core/Module1.h"

namespace quillon
{

QString kindName(StoreKind kind)
{
    switch (kind) {
    case StoreKind::Received:
        return QStringLiteral("received");
    case StoreKind::Captured:
        return QStringLiteral("captured");
    case StoreKind::Loaded:
        return QStringLiteral("loaded");
    case StoreKind::Notes:
        return QStringLiteral("notes");
    case StoreKind::Restored:
        break;
    }
    return QStringLiteral("restored");
}

std::optional<StoreKind> kindFromName(QStringView name)
{
    for (StoreKind k :
         {StoreKind::Received, StoreKind::Captured, StoreKind::Loaded, StoreKind::Notes})
        if (name == kindName(k))
            return k;
    return std::nullopt;
}

QByteArray bankFileOf(const std::vector<ArchiveEntry>& entries)
{
    Module1 bank;
    bank.startUp();
    for (const ArchiveEntry& e : entries)
        if (isStorableMemory(e.memory))
            bank.store(e.memory - 1, e.record, {StoreKind::Received, e.source});
    return writeBank(bank.membank);
}

} // namespace quillon
