#include "archive/EntryRef.h"

#include <QUuid>

namespace quillon
{

QString EntryRef::text() const
{
    return origin.isEmpty() ? QString::number(id) : origin + QLatin1Char(':') + QString::number(id);
}

std::optional<EntryRef> EntryRef::parse(QStringView text)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    EntryRef ref;
    if (colon >= 0) {
        const QUuid uuid = QUuid::fromString(text.left(colon));
        if (uuid.isNull())
            return std::nullopt;
        ref.origin = uuid.toString(QUuid::WithoutBraces);
    }
    bool ok = false;
    ref.id = text.mid(colon + 1).toLongLong(&ok);
    if (!ok || ref.id <= 0)
        return std::nullopt;
    return ref;
}

} // namespace quillon
