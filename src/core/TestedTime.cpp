#include "core/TestedTime.h"

#include "core/PanelTexts.h"

namespace quillon
{

namespace
{

// Two characters of the clock as a number: two digits, or one digit after a space; -1 otherwise.
int clockField(QStringView two)
{
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1; };
    const int high = two[0] == u' ' ? 0 : digit(two[0]);
    const int low = digit(two[1]);
    return high < 0 || low < 0 ? -1 : high * 10 + low;
}

} // namespace

QDateTime testedAt(const Record& record)
{
    const QString c = textOf(record, kTimeDatePos, 10);
    int v[5];
    for (int i = 0; i < 5; ++i)
        if ((v[i] = clockField(QStringView(c).mid(2 * i, 2))) < 0)
            return {};
    const QTime time(v[0], v[1]);
    const QDate date(2000 + v[4], v[3], v[2]);
    if (!time.isValid() || !date.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

QString testedIsoText(const Record& record)
{
    const QDateTime at = testedAt(record);
    return at.isValid() ? at.toString(QStringLiteral("yyyy-MM-ddTHH:mm")) : QString();
}

} // namespace quillon
