#include "core/BankFile.h"

#include <QCoreApplication>

#include "core/BankReader.h"

#include <charconv>

namespace quillon
{

namespace
{

// The four characters of a field: the number, space-filled; a longer text is cut to its first
// four characters.
void formatField(char* out, int value)
{
    char buf[16];
    const int len = int(std::to_chars(buf, buf + sizeof buf, value).ptr - buf);
    for (int i = 0; i < 4; ++i)
        out[i] = i < len ? buf[i] : ' ';
}

// Fields for all values 0..255, built once.
struct FieldTexts {
    char text[256][4];
    FieldTexts()
    {
        for (int v = 0; v < 256; ++v)
            formatField(text[v], v);
    }
};

void appendField(char* out, int value)
{
    static const FieldTexts fields;
    if (value >= 0 && value < 256)
        std::copy_n(fields.text[value], 4, out);
    else
        formatField(out, value);
}

} // namespace

QByteArray writeBank(const Bank& bank)
{
    QByteArray file(kBankFileSize, Qt::Uninitialized);
    char* out = file.data();
    for (int row = 0; row < kMemoryCount; ++row)
        for (int p = 0; p < kBankFilePositions; ++p, out += kBankFileFieldWidth)
            appendField(out, bank[row][p]);
    return file;
}

QString BankFileError::message(const QString& fileName) const
{
    if (memory == 0)
        return QStringLiteral("%1: %2").arg(fileName, problem);
    return QCoreApplication::translate("BankFile", "%1: memory %2, position %3: %4")
        .arg(fileName)
        .arg(memory)
        .arg(position)
        .arg(problem);
}

bool loadMarksRow(const Record& row, int memory)
{
    const std::int16_t c0 = row[kMemoryNumberPos];
    const std::int16_t c1 = row[kMemoryNumberPos + 1];
    const std::int16_t c2 = row[kMemoryNumberPos + 2];
    const std::int16_t sp = ' ';
    return readMemoryNumber(c0, sp, sp) == memory || readMemoryNumber(c0, c1, sp) == memory ||
           readMemoryNumber(c0, c1, c2) == memory;
}

bool readBank(QByteArrayView file, BankFileContents& out, BankFileError* error)
{
    BankReader reader(out);
    reader.feed(file);
    if (reader.finish() == BankReader::State::Done)
        return true;
    if (error)
        *error = reader.error();
    return false;
}

} // namespace quillon
