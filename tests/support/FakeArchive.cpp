#include "FakeArchive.h"

#include "archive/ArchiveSearch.h"
#include "archive/RecordBlob.h"

#include <QRegularExpression>

#include <thread>

namespace quillon::test
{

namespace
{
auto position(const ArchiveEntry& e)
{
    return std::tie(e.timeMs, e.origin, e.id);
}

// Every term occurs as whole words, in its order, whatever the case.
bool matches(const ArchiveEntry& e, const QStringList& terms)
{
    const QString text = noteIndexText(e.record);
    for (const QString& term : terms) {
        const QRegularExpression words(QStringLiteral("(^|[^\\w])") +
                                           QRegularExpression::escape(term).replace(
                                               QStringLiteral("\\ "), QStringLiteral("[^\\w]+")) +
                                           QStringLiteral("($|[^\\w])"),
                                       QRegularExpression::CaseInsensitiveOption);
        if (!words.match(text).hasMatch())
            return false;
    }
    return true;
}
} // namespace

ArchiveFailure FakeArchive::act()
{
    ++m_calls;
    switch (m_mode) {
    case Mode::Slow:
        std::this_thread::sleep_for(m_delay);
        return {};
    case Mode::Offline:
        return {ArchiveFailure::Unreachable, QStringLiteral("no route to host")};
    case Mode::Refusing:
        return {ArchiveFailure::Refused, QStringLiteral("permission denied for table entries")};
    case Mode::Working:
        break;
    }
    return {};
}

void FakeArchive::receive(const std::vector<ArchiveEntry>& entries)
{
    m_entries.insert(m_entries.end(), entries.begin(), entries.end());
    std::ranges::sort(m_entries, {}, [](const ArchiveEntry& e) { return position(e); });
}

ArchiveFailure FakeArchive::append(ArchiveEntry&)
{
    if (ArchiveFailure f = act())
        return f;
    return {ArchiveFailure::Refused, QStringLiteral("entries arrive by upload only")};
}

ArchiveFailure FakeArchive::appendAll(std::vector<ArchiveEntry>&)
{
    ArchiveEntry none;
    return append(none);
}

ArchiveFailure FakeArchive::query(const ArchiveQuery& q, std::vector<ArchiveEntry>& out)
{
    out.clear();
    if (ArchiveFailure f = act())
        return f;
    const QStringList terms = archiveSearchTerms(q.search);
    ArchiveEntry past;
    past.timeMs = q.beyondTimeMs;
    past.origin = q.beyondOrigin;
    past.id = q.beyondId;
    const auto take = [&](const ArchiveEntry& e) {
        if (q.limit > 0 && int(out.size()) >= q.limit)
            return;
        if ((q.memory && e.memory != *q.memory) || (q.sinceMs && e.timeMs < *q.sinceMs) ||
            (q.untilMs && e.timeMs >= *q.untilMs) || !matches(e, terms))
            return;
        if (q.beyondId > 0 &&
            (q.newestFirst ? position(e) >= position(past) : position(e) <= position(past)))
            return;
        out.push_back(e);
    };
    if (q.newestFirst)
        std::for_each(m_entries.rbegin(), m_entries.rend(), take);
    else
        std::for_each(m_entries.begin(), m_entries.end(), take);
    return {};
}

ArchiveFailure FakeArchive::fetch(const EntryRef& ref, ArchiveEntry& out, bool& found)
{
    found = false;
    if (ArchiveFailure f = act())
        return f;
    for (const ArchiveEntry& e : m_entries)
        if (e.ref() == ref) {
            out = e;
            found = true;
        }
    return {};
}

} // namespace quillon::test
