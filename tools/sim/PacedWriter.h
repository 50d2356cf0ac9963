#pragma once

#include <QByteArray>

#include <chrono>
#include <deque>

namespace sim
{

// Puts bytes on the line at the rate of a 9600 baud line (960 bytes per second): byte i of a run
// is due at the run's start plus (i+1) byte times, computed from the start each time so that
// nothing drifts. Times are monotonic clock readings. Unpaced, a run is due at its start.
class PacedWriter
{
public:
    using Nanoseconds = std::chrono::nanoseconds;
    static constexpr int kBytesPerSecond = 960;

    explicit PacedWriter(bool paced) : m_paced(paced) {}

    // Queues bytes that go out `pause` after what is queued already (or after `now` when the
    // line is idle).
    void enqueue(const QByteArray& bytes, Nanoseconds pause, Nanoseconds now);
    bool pending() const { return !m_queue.empty(); }
    // When the next byte is due (only while pending()).
    Nanoseconds nextDeadline() const;
    // Takes the bytes due at `now` off the queue. `finished`, when given, receives how many
    // queued transmissions had their last byte among them.
    QByteArray takeDue(Nanoseconds now, int* finished = nullptr);

    // The moment byte `index` (from 0) of a run started at `start` is due.
    static Nanoseconds byteDeadline(Nanoseconds start, qint64 index, bool paced);

private:
    struct Segment {
        QByteArray bytes;
        Nanoseconds pause;
    };
    void beginRun(Nanoseconds from, Nanoseconds pause);

    bool m_paced;
    std::deque<Segment> m_queue;
    qsizetype m_offset = 0;        // bytes of the front segment already taken
    Nanoseconds m_runStart{0};     // when the current run began
    qint64 m_runSent = 0;          // bytes taken in the current run
    Nanoseconds m_lastDeadline{0}; // when the last byte taken was due
};

} // namespace sim
