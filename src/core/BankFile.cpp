#include "core/BankFile.h"

#include <charconv>

namespace quillon
{

namespace
{

// Numbers are separated by spaces; a comma or a line end also separates.
bool isSeparator(char c)
{
    return c == ' ' || c == ',' || c == '\r' || c == '\n';
}

// A field is a whole decimal number: an optional sign and digits, nothing else.
struct FieldValue {
    enum class Kind { Value, OutOfRange, NotANumber } kind;
    int value;
};

FieldValue fieldValue(const char* first, const char* last)
{
    bool negative = false;
    if (*first == '+' || *first == '-') {
        negative = *first == '-';
        ++first;
    }
    if (first == last)
        return {FieldValue::Kind::NotANumber, 0};
    int value = 0;
    bool tooLarge = false;
    for (const char* c = first; c != last; ++c) {
        if (*c < '0' || *c > '9')
            return {FieldValue::Kind::NotANumber, 0};
        value = value * 10 + (*c - '0');
        if (value > 255) {
            tooLarge = true;
            value = 256; // keeps the sum small; the field is refused anyway
        }
    }
    if (tooLarge || (negative && value != 0))
        return {FieldValue::Kind::OutOfRange, 0};
    return {FieldValue::Kind::Value, value};
}

// The field as the error message quotes it, cut short when it is long.
QString tokenText(const char* first, const char* last)
{
    constexpr qsizetype kShown = 12;
    const qsizetype length = last - first;
    QString text = QString::fromLatin1(first, qMin(length, kShown));
    if (length > kShown)
        text += QStringLiteral("...");
    return text;
}

// Fields for all values 0..255 (and a few others), built once.
struct FieldTexts {
    char text[256][4];
    FieldTexts()
    {
        for (int v = 0; v < 256; ++v) {
            char buf[8];
            auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
            (void)ec;
            const int len = int(end - buf);
            for (int i = 0; i < 4; ++i)
                text[v][i] = i < len ? buf[i] : ' ';
        }
    }
};

void appendField(char* out, int value)
{
    static const FieldTexts fields;
    if (value >= 0 && value < 256) {
        std::copy_n(fields.text[value], 4, out);
        return;
    }
    char buf[16];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    (void)ec;
    const int len = int(end - buf);
    for (int i = 0; i < 4; ++i)
        out[i] = i < len ? buf[i] : ' '; // a longer text is cut to its first four characters
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
    return QStringLiteral("%1: memory %2, position %3: %4")
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
    const char* p = file.data();
    const char* const end = p + file.size();
    for (int row = 0; row < kMemoryCount; ++row) {
        Record& r = out.bank[row];
        for (int pos = 0; pos < kBankFilePositions; ++pos) {
            while (p < end && isSeparator(*p))
                ++p;
            const auto fail = [&](const QString& problem) {
                if (error)
                    *error = BankFileError{row + 1, pos, problem};
                return false;
            };
            if (p == end)
                return fail(QStringLiteral("the file ends after %1 of its %2 numbers")
                                .arg(row * kBankFilePositions + pos)
                                .arg(kBankFileFields));
            const char* const start = p;
            while (p < end && !isSeparator(*p))
                ++p;
            const FieldValue field = fieldValue(start, p);
            if (field.kind == FieldValue::Kind::NotANumber)
                return fail(QStringLiteral("\"%1\" is not a number").arg(tokenText(start, p)));
            if (field.kind == FieldValue::Kind::OutOfRange)
                return fail(
                    QStringLiteral("%1 is not a value from 0 to 255").arg(tokenText(start, p)));
            r[pos] = std::int16_t(field.value);
        }
        out.marks[row] = loadMarksRow(r, row + 1);
    }
    return true;
}

} // namespace quillon
