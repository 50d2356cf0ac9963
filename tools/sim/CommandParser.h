#pragma once

#include <QByteArray>
#include <QList>

namespace sim
{

// What the instrument makes of the bytes the program sends: 22-character commands (a command
// character and 21 "Z"), read in order. R, A and three digits request a memory; R, F release.
class CommandParser
{
public:
    static constexpr int kCommandLength = 22;

    struct Event {
        enum class Kind { Request, Release } kind;
        int memory = 0; // for a request
    };

    // Takes bytes as they arrive; returns the commands completed by them (raw, 22 bytes each)
    // and appends the requests and releases they make to `events`.
    QList<QByteArray> feed(QByteArrayView bytes, QList<Event>& events);

private:
    void command(char code, QList<Event>& events);

    QByteArray m_pending;
    enum class Step { Idle, AfterR, Digits } m_step = Step::Idle;
    int m_digits = 0;
    int m_memory = 0;
};

} // namespace sim
