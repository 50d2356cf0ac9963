#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace quillon
{

// Which entry, in any store: the archive it was first written to (its origin, a UUID) and its id
// there. Written "ORIGIN:ID"; a bare "ID" means the local archive's own entry (empty origin).
struct EntryRef {
    QString origin;
    qint64 id = 0;

    QString text() const;
    static std::optional<EntryRef> parse(QStringView text);
    bool operator==(const EntryRef&) const = default;
};

} // namespace quillon
