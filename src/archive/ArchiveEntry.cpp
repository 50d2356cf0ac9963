#include "archive/ArchiveEntry.h"

#include "core/BankFile.h"
#include "core/Module1.h"

namespace quillon
{

namespace
{
// The kinds an entry can be, by the name the archive keeps them under.
constexpr std::pair<StoreKind, const char*> kKindNames[] = {{StoreKind::Received, "received"},
                                                            {StoreKind::Captured, "captured"},
                                                            {StoreKind::Loaded, "loaded"},
                                                            {StoreKind::Notes, "notes"}};
} // namespace

QString kindName(StoreKind kind)
{
    for (const auto& [k, name] : kKindNames)
        if (k == kind)
            return QLatin1String(name);
    return QStringLiteral("restored");
}

std::optional<StoreKind> kindFromName(QStringView name)
{
    for (const auto& [k, text] : kKindNames)
        if (name == QLatin1String(text))
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
