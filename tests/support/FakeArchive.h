#pragma once

#include "archive/ArchiveStore.h"

#include <chrono>
#include <vector>

namespace quillon::test
{

// A team archive in memory that plays a part as a test scripts it: working, slow (each call
// waits first), offline (every call fails as an unreachable server does) or refusing (as a
// server that turns the role away). Ordered, paged and searched as the server is.
class FakeArchive : public ArchiveStore
{
public:
    enum class Mode { Working, Slow, Offline, Refusing };

    void setMode(Mode mode, std::chrono::milliseconds delay = std::chrono::milliseconds(300))
    {
        m_mode = mode;
        m_delay = delay;
    }
    // Takes entries as they are (origin, id and time kept), as an upload does.
    void receive(const std::vector<ArchiveEntry>& entries);
    int calls() const { return m_calls; }

    ArchiveFailure append(ArchiveEntry& entry) override;
    ArchiveFailure appendAll(std::vector<ArchiveEntry>& entries) override;
    ArchiveFailure query(const ArchiveQuery& query, std::vector<ArchiveEntry>& out) override;
    ArchiveFailure fetch(const EntryRef& ref, ArchiveEntry& out, bool& found) override;

private:
    ArchiveFailure act();

    Mode m_mode = Mode::Working;
    std::chrono::milliseconds m_delay{300};
    std::vector<ArchiveEntry> m_entries;
    int m_calls = 0;
};

} // namespace quillon::test
