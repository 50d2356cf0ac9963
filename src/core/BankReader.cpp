#include "core/BankReader.h"

#include <QCoreApplication>

namespace quillon
{

namespace
{
// Numbers are separated by spaces; a comma or a line end also separates.
bool isSeparator(char c)
{
    return c == ' ' || c == ',' || c == '\r' || c == '\n';
}
} // namespace

qsizetype BankReader::feed(QByteArrayView bytes)
{
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    const char* p = begin;
    while (m_state == State::Reading && p != end) {
        const char c = *p++;
        if (!isSeparator(c))
            take(c);
        else if (m_length > 0)
            endNumber();
    }
    return p - begin;
}

BankReader::State BankReader::finish()
{
    if (m_state == State::Reading && m_length > 0)
        endNumber();
    if (m_state == State::Reading)
        fail(QCoreApplication::translate("BankReader", "the file ends after %1 of its %2 numbers")
                 .arg(m_field)
                 .arg(kBankFileFields));
    return m_state;
}

void BankReader::take(char c)
{
    if (m_length <= kQuoted)
        m_first[m_length] = c;
    ++m_length;
    if (m_length == 1 && (c == '+' || c == '-')) {
        m_signed = true;
        m_negative = c == '-';
        return;
    }
    if (c < '0' || c > '9') {
        m_notANumber = true;
    } else if (!m_notANumber) {
        m_value = m_value * 10 + (c - '0');
        if (m_value > 255) {
            m_tooLarge = true;
            m_value = 256; // keeps the sum small; the number is refused anyway
        }
    }
    // What the message quotes is known once it is longer than the quote.
    if (m_notANumber && m_length > kQuoted)
        fail(QCoreApplication::translate("BankReader", "\"%1\" is not a number").arg(quoted()));
}

void BankReader::endNumber()
{
    if (m_notANumber || m_length == qint64(m_signed))
        return fail(
            QCoreApplication::translate("BankReader", "\"%1\" is not a number").arg(quoted()));
    if (m_tooLarge || (m_negative && m_value != 0))
        return fail(QCoreApplication::translate("BankReader", "%1 is not a value from 0 to 255")
                        .arg(quoted()));
    const int row = m_field / kBankFilePositions;
    const int position = m_field % kBankFilePositions;
    m_out.bank[row][position] = std::int16_t(m_value);
    if (position == kBankFilePositions - 1)
        m_out.marks[row] = loadMarksRow(m_out.bank[row], row + 1);
    m_length = 0;
    m_signed = m_negative = m_notANumber = m_tooLarge = false;
    m_value = 0;
    if (++m_field == kBankFileFields)
        m_state = State::Done;
}

void BankReader::fail(const QString& problem)
{
    m_state = State::Failed;
    m_error =
        BankFileError{m_field / kBankFilePositions + 1, m_field % kBankFilePositions, problem};
}

QString BankReader::quoted() const
{
    QString text = QString::fromLatin1(m_first, int(qMin<qint64>(m_length, kQuoted)));
    if (m_length > kQuoted)
        text += QStringLiteral("...");
    return text;
}

} // namespace quillon
