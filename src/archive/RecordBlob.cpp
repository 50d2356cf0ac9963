#include "archive/RecordBlob.h"

#include "core/NoteLines.h"

#include <QStringList>
#include <QtEndian>

#include <algorithm>

namespace quillon
{

QByteArray recordBlob(const Record& record)
{
    const bool bytes = std::all_of(record.begin(), record.begin() + kRecordLength,
                                   [](std::int16_t v) { return v >= 0 && v <= 255; });
    if (bytes) {
        QByteArray blob(kRecordLength, Qt::Uninitialized);
        std::copy_n(record.begin(), kRecordLength, blob.begin());
        return blob;
    }
    QByteArray blob(kRecordLength * 2, Qt::Uninitialized);
    for (int p = 0; p < kRecordLength; ++p)
        qToLittleEndian<qint16>(record[p], blob.data() + 2 * p);
    return blob;
}

void readRecordBlob(const void* data, qsizetype size, Record& record)
{
    record.fill(0);
    const auto* bytes = static_cast<const uchar*>(data);
    if (size == kRecordLength) {
        std::copy_n(bytes, kRecordLength, record.begin());
        return;
    }
    for (int p = 0; p < kRecordLength && 2 * p + 1 < size; ++p)
        record[p] = qFromLittleEndian<qint16>(bytes + 2 * p);
}

QString noteIndexText(const Record& record)
{
    const NoteTexts lines = noteTexts(record);
    return QStringList(lines.begin(), lines.end()).join(QLatin1Char('\n'));
}

} // namespace quillon
