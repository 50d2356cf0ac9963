#include "core/BankTable.h"

#include "core/LeadingNumber.h"
#include "core/NoteLines.h"
#include "core/PanelTexts.h"

#include <QCoreApplication>

namespace quillon
{

namespace
{
QString textColumnName(int i)
{
    if (i < kPanelFieldCount)
        return QString::fromLatin1(kPanelFields[i].control);
    i -= kPanelFieldCount;
    if (i < kReadoutCount)
        return QString::fromLatin1(kReadoutFields[i].control);
    i -= kReadoutCount;
    if (i == 0)
        return QStringLiteral("txttmdt");
    return QStringLiteral("note%1").arg(i);
}

constexpr int kTextColumnCount = kPanelFieldCount + kReadoutCount + 1 + kNoteLines;

int columnOf(const QString& name)
{
    return int(bankTableTextColumns().indexOf(name));
}

QStringView trimmedSpaces(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

// The text without its surrounding spaces and one leading sign.
QStringView withoutSign(QStringView text)
{
    text = trimmedSpaces(text);
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+'))
        text = text.sliced(1);
    return text;
}

} // namespace

const QStringList& bankTableTextColumns()
{
    static const QStringList columns = [] {
        QStringList names;
        for (int i = 0; i < kTextColumnCount; ++i)
            names << textColumnName(i);
        return names;
    }();
    return columns;
}

QStringList bankTableTexts(const Record& record)
{
    const PanelTexts panel = panelTexts(record);
    QStringList texts;
    texts.reserve(kTextColumnCount);
    for (const QString& box : panel.boxes)
        texts << box;
    for (const QString& readout : panel.readouts)
        texts << readout;
    texts << panel.txttmdt;
    for (const QString& line : noteTexts(record))
        texts << line;
    return texts;
}

const QList<OverviewColumn>& overviewColumns()
{
    static const QList<OverviewColumn> columns = [] {
        QList<OverviewColumn> list;
        // Fixed: the headings are the table files' headings; overviewColumnLabel() is the
        // screen's.
        const auto add = [&list](const char* name, const char* heading) {
            list.append({columnOf(QString::fromLatin1(name)), QString::fromLatin1(heading)});
        };
        add("txttmdt", QT_TRANSLATE_NOOP("BankTable", "Time and date"));
        add("txtrange", QT_TRANSLATE_NOOP("BankTable", "RANGE"));
        add("txtvelo", QT_TRANSLATE_NOOP("BankTable", "VEL M/S"));
        add("txtdelay", QT_TRANSLATE_NOOP("BankTable", "DELAY"));
        add("txtgain", QT_TRANSLATE_NOOP("BankTable", "Gain"));
        add("txtrefg", QT_TRANSLATE_NOOP("BankTable", "REF"));
        add("txtangle", QT_TRANSLATE_NOOP("BankTable", "ANGLE"));
        add("txtgate", QT_TRANSLATE_NOOP("BankTable", "GATE 1"));
        add("txtstart", QT_TRANSLATE_NOOP("BankTable", "START 1"));
        add("txtend", QT_TRANSLATE_NOOP("BankTable", "END 1"));
        add("txtlevel", QT_TRANSLATE_NOOP("BankTable", "LEVEL 1"));
        add("txtgate2", QT_TRANSLATE_NOOP("BankTable", "GATE 2"));
        add("txtstart2", QT_TRANSLATE_NOOP("BankTable", "START 2"));
        add("txtend2", QT_TRANSLATE_NOOP("BankTable", "END 2"));
        add("txtlevel2", QT_TRANSLATE_NOOP("BankTable", "LEVEL 2"));
        add("txtdac", QT_TRANSLATE_NOOP("BankTable", "DAC"));
        add("txtbeam", QT_TRANSLATE_NOOP("BankTable", "Beam Path"));
        add("txtsurf", QT_TRANSLATE_NOOP("BankTable", "Surface"));
        add("txtdpth", QT_TRANSLATE_NOOP("BankTable", "Depth"));
        for (int n = 0; n < kNoteLines; ++n)
            list.append({columnOf(QStringLiteral("note%1").arg(n + 1)),
                         QString::fromLatin1(kNoteCaptions[n])});
        return list;
    }();
    return columns;
}

QString overviewColumnLabel(const OverviewColumn& column)
{
    constexpr int firstNote = kTextColumnCount - kNoteLines;
    if (column.text >= firstNote)
        return noteCaptionLabel(column.text - firstNote);
    return QCoreApplication::translate("BankTable", column.heading.toLatin1().constData());
}

bool isDecimalNumber(QStringView text)
{
    text = withoutSign(text);
    bool digit = false, point = false;
    for (QChar c : text) {
        if (c.isDigit() && c.unicode() < 128)
            digit = true;
        else if (c == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

QStringView trimmedCell(QStringView text)
{
    return trimmedSpaces(text);
}

std::optional<CellNumber> cellNumber(QStringView text)
{
    text = trimmedSpaces(text);
    qsizetype end = text.size(); // where the unit and the spaces before it begin
    for (const QStringView unit : {u"dB", u"%"})
        if (text.endsWith(unit)) {
            end -= unit.size();
            while (end > 0 && text[end - 1] == u' ')
                --end;
            break;
        }
    const QStringView number = text.first(end);
    if (!isDecimalNumber(number))
        return std::nullopt;
    const qsizetype point = number.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(number.size() - point - 1);
    return CellNumber{number.toDouble(), decimals, text.sliced(end).toString()};
}

bool sortsAsNumber(QStringView text)
{
    text = withoutSign(text);
    if (!text.isEmpty() && text.front() == u'.')
        text = text.sliced(1);
    return !text.isEmpty() && text.front().unicode() < 128 && text.front().isDigit();
}

bool cellLessThan(QStringView a, QStringView b)
{
    const bool an = sortsAsNumber(a), bn = sortsAsNumber(b);
    if (an && bn) {
        const double x = leadingNumber(a), y = leadingNumber(b);
        if (x != y)
            return x < y;
    } else if (an != bn) {
        return an;
    }
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace quillon
