#include "report/RegisterTable.h"

namespace quillon
{

namespace
{
QString yesNo(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QStringList whereTexts(const DefectLocation& l)
{
    return {l.division, l.section, l.km, l.rail, l.location};
}
} // namespace

// Fixed: the headings and values are the table files' keys.
QStringList RegisterTable::header() const
{
    QStringList where{QStringLiteral("division"), QStringLiteral("section"), QStringLiteral("km"),
                      QStringLiteral("rail"), QStringLiteral("location")};
    if (m_rows == Tests)
        return where + QStringList{QStringLiteral("date"),      QStringLiteral("class"),
                                   QStringLiteral("flaw_code"), QStringLiteral("prev_class"),
                                   QStringLiteral("operator"),  QStringLiteral("memory"),
                                   QStringLiteral("entry"),     QStringLiteral("date_source")};
    return where + QStringList{QStringLiteral("class"),       QStringLiteral("flaw_code"),
                               QStringLiteral("inspections"), QStringLiteral("history"),
                               QStringLiteral("first"),       QStringLiteral("last"),
                               QStringLiteral("worsened"),    QStringLiteral("prev_mismatch"),
                               QStringLiteral("memory"),      QStringLiteral("entry"),
                               QStringLiteral("operator")};
}

void RegisterTable::forEach(const Row& row) const
{
    static const Record kNoRecord{};
    for (const DefectLocation& l : m_locations) {
        if (m_rows == Tests) {
            for (const RegisterTest& t : l.tests)
                row(whereTexts(l) + QStringList{clockIsoText(t.testedMs), t.defectClass, t.flawCode,
                                                t.previousClass, t.operatorName,
                                                QString::number(t.memory), QString::number(t.entry),
                                                t.dateFromArchive ? QStringLiteral("archive")
                                                                  : QStringLiteral("instrument")},
                    kNoRecord);
            continue;
        }
        const RegisterTest& last = l.latest();
        row(whereTexts(l) +
                QStringList{last.defectClass, last.flawCode, QString::number(l.inspections),
                            historyText(l), clockIsoText(l.firstMs), clockIsoText(last.testedMs),
                            yesNo(l.worsened), yesNo(l.prevMismatch), QString::number(last.memory),
                            QString::number(last.entry), last.operatorName},
            kNoRecord);
    }
}

QByteArray registerCsv(const std::vector<DefectLocation>& locations)
{
    return csvOf(RegisterTable(locations, RegisterTable::Locations));
}

std::optional<QString> writeRegisterXlsx(const QString& path,
                                         const std::vector<DefectLocation>& locations)
{
    const RegisterTable perLocation(locations, RegisterTable::Locations);
    const RegisterTable perTest(locations, RegisterTable::Tests);
    return writeXlsxSheets(
        path, {{QStringLiteral("Register"), &perLocation}, {QStringLiteral("Tests"), &perTest}});
}

} // namespace quillon
