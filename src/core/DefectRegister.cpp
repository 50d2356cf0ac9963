#include "core/DefectRegister.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace quillon
{

namespace
{
bool testOrder(const RegisterTest& a, const RegisterTest& b)
{
    return std::tie(a.testedMs, a.entry) < std::tie(b.testedMs, b.entry);
}
} // namespace

QStringList DefectLocation::history() const
{
    QStringList classes;
    for (const RegisterTest& t : tests)
        classes.append(t.defectClass);
    return classes;
}

QString historyText(const DefectLocation& location, HistoryForm form)
{
    const QStringList classes = location.history();
    if (form == HistoryForm::Full)
        return classes.join(QStringLiteral(" > "));
    QStringList runs;
    for (qsizetype i = 0; i < classes.size();) {
        qsizetype end = i + 1;
        while (end < classes.size() && classes[end] == classes[i])
            ++end;
        runs.append(end - i > 1 ? QStringLiteral("%1\u00d7%2").arg(classes[i]).arg(end - i)
                                : classes[i]);
        i = end;
    }
    return runs.join(QStringLiteral(" > "));
}

void DefectRegister::add(qint64 entry, qint64 archivedMs, int memory, const Record& record)
{
    add(RegisterEntry{entry, {}, {}, memory, entryFacts(record, archivedMs)});
}

void DefectRegister::add(RegisterEntry e)
{
    EntryFacts& facts = e.facts;
    Test& test = m_tests[facts.testKey];
    const bool first = test.shown.entry == 0;
    // A test is dated by its first entry (when the clock says nothing, the reception comes
    // before any note save), and told by its latest.
    if (first || facts.testedMs < test.shown.testedMs) {
        test.shown.testedMs = facts.testedMs;
        test.shown.dateFromArchive = facts.dateFromArchive;
    }
    if (!first && e.entry < test.shown.entry)
        return;
    test.locationKey = std::move(facts.locationKey);
    test.shown.entry = e.entry;
    test.shown.memory = e.memory;
    test.shown.origin = std::move(e.origin);
    test.shown.host = std::move(e.host);
    test.shown.defectClass = std::move(facts.defectClass);
    test.shown.flawCode = std::move(facts.flawCode);
    test.shown.operatorName = std::move(facts.operatorName);
    test.shown.previousClass = std::move(facts.previousClass);
}

std::vector<DefectLocation> DefectRegister::locations() const
{
    std::map<QString, DefectLocation> byKey;
    for (const Test& test : m_tests) {
        if (test.locationKey.isEmpty())
            continue;
        byKey[test.locationKey].tests.push_back(test.shown);
    }
    std::vector<DefectLocation> out;
    out.reserve(byKey.size());
    for (auto& [key, location] : byKey) {
        std::sort(location.tests.begin(), location.tests.end(), testOrder);
        location.key = key;
        const QStringList fields = locationFields(key);
        location.division = fields[0];
        location.section = fields[1];
        location.km = fields[2];
        location.rail = fields[3];
        location.location = fields[4];
        const RegisterTest& latest = location.latest();
        location.severity = severityOf(latest.defectClass);
        if (location.tests.size() > 1) {
            const RegisterTest& before = location.tests[location.tests.size() - 2];
            location.worsened = location.severity > severityOf(before.defectClass);
            location.prevMismatch =
                comparedClass(latest.previousClass) != comparedClass(before.defectClass);
        }
        out.push_back(std::move(location));
    }
    std::sort(out.begin(), out.end(), [](const DefectLocation& a, const DefectLocation& b) {
        if (a.severity != b.severity)
            return a.severity > b.severity;
        if (a.latest().testedMs != b.latest().testedMs)
            return a.latest().testedMs > b.latest().testedMs;
        return a.latest().entry > b.latest().entry;
    });
    return out;
}

} // namespace quillon
