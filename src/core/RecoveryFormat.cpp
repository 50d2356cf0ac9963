#include "core/RecoveryFormat.h"

#include <QCoreApplication>
#include <QList>

#include <charconv>
#include <limits>

namespace quillon
{

namespace
{
const QByteArray kHeader = QByteArrayLiteral("Quillon recovery 1");

bool toNumber(QByteArrayView token, int& value)
{
    const char* end = token.data() + token.size();
    const auto [last, ec] = std::from_chars(token.data(), end, value);
    return ec == std::errc() && last == end;
}
} // namespace

bool readRecovery(QByteArrayView text, std::vector<RecoveryEntry>& out, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QList<QByteArray> lines = text.toByteArray().split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != kHeader)
        return fail(QCoreApplication::translate("RecoveryFormat", "it does not start with \"%1\"")
                        .arg(QLatin1String(kHeader)));
    std::vector<RecoveryEntry> entries;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QByteArray line = lines[n].trimmed();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 2 + kRecordLength)
            return fail(QCoreApplication::translate("RecoveryFormat",
                                                    "line %1 holds %2 numbers instead of %3")
                            .arg(n + 1)
                            .arg(fields.size())
                            .arg(2 + kRecordLength));
        RecoveryEntry e;
        int mark = 0;
        if (!toNumber(fields[0], e.row) || e.row < 0 || e.row >= kMemoryCount)
            return fail(QCoreApplication::translate("RecoveryFormat", "line %1 names no memory row")
                            .arg(n + 1));
        if (!toNumber(fields[1], mark) || (mark != 0 && mark != 1))
            return fail(QCoreApplication::translate("RecoveryFormat", "line %1 has no mark 0 or 1")
                            .arg(n + 1));
        e.marked = mark == 1;
        for (int p = 0; p < kRecordLength; ++p) {
            int value = 0;
            if (!toNumber(fields[2 + p], value) ||
                value < std::numeric_limits<std::int16_t>::min() ||
                value > std::numeric_limits<std::int16_t>::max())
                return fail(QCoreApplication::translate("RecoveryFormat",
                                                        "line %1, position %2 is not a value")
                                .arg(n + 1)
                                .arg(p));
            e.record[p] = std::int16_t(value);
        }
        entries.push_back(e);
    }
    out = std::move(entries);
    return true;
}

} // namespace quillon
