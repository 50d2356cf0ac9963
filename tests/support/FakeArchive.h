#pragma once

#include "archive/ArchiveStore.h"

#include <chrono>
#include <thread>

namespace quillon::test
{

// A store that plays a part as a test scripts it, in front of a real one: working (the real
// one's answers), slow (each call waits first), offline (every call fails as an unreachable
// server does) or refusing (as a server that turns the role away).
class FakeArchive : public ArchiveStore
{
public:
    enum class Mode { Working, Slow, Offline, Refusing };

    explicit FakeArchive(ArchiveStore& behind) : m_behind(behind) {}
    void setMode(Mode mode, std::chrono::milliseconds delay = std::chrono::milliseconds(300))
    {
        m_mode = mode;
        m_delay = delay;
    }

    ArchiveFailure append(ArchiveEntry& e) override
    {
        return played([&] { return m_behind.append(e); });
    }
    ArchiveFailure appendAll(std::vector<ArchiveEntry>& e) override
    {
        return played([&] { return m_behind.appendAll(e); });
    }
    ArchiveFailure query(const ArchiveQuery& q, std::vector<ArchiveEntry>& out) override
    {
        out.clear();
        return played([&] { return m_behind.query(q, out); });
    }
    ArchiveFailure fetch(const EntryRef& ref, ArchiveEntry& out, bool& found) override
    {
        found = false;
        return played([&] { return m_behind.fetch(ref, out, found); });
    }

    ArchiveFailure registerTests(const RegisterEach& each) override
    {
        return played([&] { return m_behind.registerTests(each); });
    }
    ArchiveFailure registerLocations(std::vector<DefectLocation>& out, int limit) override
    {
        out.clear();
        return played([&] { return m_behind.registerLocations(out, limit); });
    }
    ArchiveFailure locationTests(const QString& key, std::vector<RegisterTest>& out) override
    {
        out.clear();
        return played([&] { return m_behind.locationTests(key, out); });
    }

private:
    template <class Call> ArchiveFailure played(Call call) const
    {
        if (ArchiveFailure f = scripted())
            return f;
        return call();
    }
    ArchiveFailure scripted() const
    {
        if (m_mode == Mode::Slow)
            std::this_thread::sleep_for(m_delay);
        if (m_mode == Mode::Offline)
            return {ArchiveFailure::Unreachable, QStringLiteral("no route to host")};
        if (m_mode == Mode::Refusing)
            return {ArchiveFailure::Refused, QStringLiteral("permission denied for table entries")};
        return {};
    }

    ArchiveStore& m_behind;
    Mode m_mode = Mode::Working;
    std::chrono::milliseconds m_delay{300};
};

} // namespace quillon::test
