#include "core/Record.h"

#include <QCoreApplication>

#include <algorithm>

namespace quillon
{

namespace
{
constexpr std::int16_t kSpace = 32;

struct Echo {
    int first;
    std::initializer_list<std::int16_t> values;
};

// Seven echoes of falling height; start-up shows them so that the A-scan is not empty.
const Echo kSampleEcho[] = {
    {10, {10, 32, 59, 100, 100, 100, 100, 100, 100, 100, 80, 58, 32, 12, 0}},
    {50, {6, 46, 57, 59, 75, 72, 67, 56, 32, 13, 2}},
    {90, {3, 31, 45, 65, 60, 52, 47, 32, 21, 3}},
    {130, {5, 27, 39, 57, 50, 42, 35, 22, 14}},
    {170, {3, 23, 31, 48, 41, 35, 25, 13, 7}},
    {210, {2, 20, 27, 35, 29, 17, 7}},
    {245, {5, 13, 27, 22, 18, 7, 2}},
};
} // namespace

int readMemoryNumber(std::int16_t c0, std::int16_t c1, std::int16_t c2)
{
    int value = 0;
    for (std::int16_t c : {c0, c1, c2}) {
        if (c == kSpace)
            continue;
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

int memoryNumberOf(const Record& record)
{
    return readMemoryNumber(record[kMemoryNumberPos], record[kMemoryNumberPos + 1],
                            record[kMemoryNumberPos + 2]);
}

QString memoryNumberProblem(int memory)
{
    if (memory == 0)
        return QCoreApplication::translate("Record", "the record carries no memory number");
    if (memory > kMemoryCount)
        return QCoreApplication::translate("Record", "memory number %1 is above %2")
            .arg(memory)
            .arg(kMemoryCount);
    if (memory < 0)
        return QCoreApplication::translate("Record", "memory number %1 is not valid").arg(memory);
    return {};
}

// Fixed: the item as the record JSON names it; the memory list makes its own label.
QString memoryItemText(int memory, bool marked)
{
    return QStringLiteral("Mem ") + QString::number(memory) +
           (marked ? QStringLiteral(" *") : QString());
}

void initialiseBankRow(Record& row)
{
    std::fill(row.begin(), row.begin() + 261, 0);
    std::fill(row.begin() + 261, row.begin() + 600, kSpace);
}

void blankBankRow(Record& row)
{
    std::fill(row.begin(), row.begin() + 256, 0);
    std::fill(row.begin() + 256, row.begin() + kBankFilePositions, kSpace);
}

void writeSampleEcho(Record& record)
{
    std::fill(record.begin() + 1, record.begin() + 261, 0);
    for (const Echo& echo : kSampleEcho)
        std::copy(echo.values.begin(), echo.values.end(), record.begin() + echo.first);
}

void putText(Record& record, int position, QByteArrayView text)
{
    for (qsizetype k = 0; k < text.size(); ++k)
        record[position + k] = std::int16_t(static_cast<unsigned char>(text[k]));
}

QString textOf(const Record& record, int first, int count)
{
    QString text;
    text.reserve(count);
    for (int i = 0; i < count; ++i) {
        const std::int16_t v = record[first + i];
        text.append(v >= 0 && v <= 255 ? QChar(char16_t(v)) : QChar(u'?'));
    }
    return text;
}

bool isStorableChar(QChar c)
{
    return c.unicode() <= 0xFF;
}

std::int16_t codeOf(QChar c)
{
    return isStorableChar(c) ? std::int16_t(c.unicode()) : '?';
}

} // namespace quillon
