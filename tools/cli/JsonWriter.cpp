#include "JsonWriter.h"

#include <QLocale>

#include <cmath>

namespace quillon::cli
{

void JsonWriter::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.isEmpty()) {
        if (!m_first.last())
            m_out += ',';
        m_first.last() = false;
    }
}

void JsonWriter::open(char bracket)
{
    separate();
    m_out += bracket;
    m_first.append(true);
}

void JsonWriter::close(char bracket)
{
    m_out += bracket;
    m_first.removeLast();
}

void JsonWriter::key(const char* name)
{
    separate();
    m_out += quoted(QString::fromLatin1(name));
    m_out += ':';
    m_afterKey = true;
}

void JsonWriter::value(int v)
{
    separate();
    m_out += QByteArray::number(v);
}

void JsonWriter::value(double v)
{
    separate();
    if (!std::isfinite(v)) {
        m_out += "null";
        return;
    }
    constexpr double kExactInteger = 9007199254740992.0; // 2^53
    if (v == std::floor(v) && std::fabs(v) < kExactInteger)
        m_out += QByteArray::number(qint64(v));
    else
        m_out += QByteArray::number(v, 'g', QLocale::FloatingPointShortest);
}

void JsonWriter::value(bool v)
{
    separate();
    m_out += v ? "true" : "false";
}

void JsonWriter::value(const QString& text)
{
    separate();
    m_out += quoted(text);
}

QByteArray JsonWriter::quoted(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped += u'"';
    // The characters with a short escape, and the letter that follows the backslash for each.
    static constexpr QStringView kEscaped = u"\"\\\n\r\t";
    static constexpr QStringView kLetters = u"\"\\nrt";
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (const qsizetype i = kEscaped.indexOf(c); i >= 0)
            escaped.append(u'\\').append(kLetters[i]);
        else if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            escaped += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    escaped += u'"';
    return escaped.toUtf8();
}

} // namespace quillon::cli
