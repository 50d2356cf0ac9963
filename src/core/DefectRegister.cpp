#include "core/DefectRegister.h"

#include <algorithm>
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

void DefectLocation::setKey(const QString& locationKey)
{
    key = locationKey;
    const QStringList fields = locationFields(key);
    division = fields[0];
    section = fields[1];
    km = fields[2];
    rail = fields[3];
    location = fields[4];
}

QString historyText(const DefectLocation& location, HistoryForm form)
{
    const QStringList& classes = location.history();
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
    const auto at = m_testAt.constFind(facts.testKey);
    const bool first = at == m_testAt.cend();
    if (first) {
        m_testAt.insert(facts.testKey, m_tests.size());
        m_tests.emplace_back();
    }
    Test& test = first ? m_tests.back() : m_tests[*at];
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
    // Grouped by key through a hash: the order comes from the sort below.
    std::vector<DefectLocation> out;
    QHash<QString, size_t> at;
    for (const Test& test : m_tests) {
        if (test.locationKey.isEmpty())
            continue;
        auto it = at.find(test.locationKey);
        if (it == at.end()) {
            it = at.insert(test.locationKey, out.size());
            out.emplace_back().key = test.locationKey;
        }
        out[*it].tests.push_back(test.shown);
    }
    for (DefectLocation& location : out) {
        std::sort(location.tests.begin(), location.tests.end(), testOrder);
        location.setKey(location.key);
        for (const RegisterTest& t : location.tests)
            location.classes.append(t.defectClass);
        location.last = location.tests.back();
        location.firstMs = location.tests.front().testedMs;
        location.inspections = int(location.tests.size());
        const RegisterTest& latest = location.latest();
        location.severity = severityOf(latest.defectClass);
        if (location.tests.size() > 1) {
            const RegisterTest& before = location.tests[location.tests.size() - 2];
            location.worsened = location.severity > severityOf(before.defectClass);
            location.prevMismatch =
                comparedClass(latest.previousClass) != comparedClass(before.defectClass);
        }
    }
    std::sort(out.begin(), out.end(), [](const DefectLocation& a, const DefectLocation& b) {
        if (a.severity != b.severity)
            return a.severity > b.severity;
        if (a.latest().testedMs != b.latest().testedMs)
            return a.latest().testedMs > b.latest().testedMs;
        if (a.latest().entry != b.latest().entry)
            return a.latest().entry > b.latest().entry;
        return a.key < b.key;
    });
    return out;
}

std::optional<DefectLocation> DefectRegister::location(const QString& key) const
{
    for (DefectLocation& l : locations())
        if (l.key == key)
            return std::move(l);
    return std::nullopt;
}

} // namespace quillon
