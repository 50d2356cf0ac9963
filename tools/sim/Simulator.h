#pragma once

#include "Instrument.h"
#include "PacedWriter.h"
#include "PseudoTerminal.h"
#include "SimOptions.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>
#include <unistd.h>

namespace sim
{

// One "vantor-sim: " line on stderr; returns `status` for the caller to end with.
int complain(const QString& text, int status = 0);

// The running instrument: answers what arrives on the terminal, takes commands from standard
// input and signals (SIGUSR1 sends the next memory, the others end the run), and puts its replies
// on the line at the instrument's pace.
class Simulator
{
public:
    using Nanoseconds = std::chrono::nanoseconds;

    Simulator(const SimOptions& options, Instrument instrument, PseudoTerminal& pty, int signalFd)
        : m_options(options), m_instrument(std::move(instrument)), m_pty(pty),
          m_writer(options.paced), m_signals(signalFd)
    {
    }

    // Opens the --log file, if one was asked for; false with `error` set when it cannot be.
    bool openLog(QString* error);

    int run();

private:
    void event(const QString& text);
    void send(const QList<Instrument::Transmission>& list);
    // With --timestamps: one stdout line per transmission whose last byte went to the terminal,
    // "end" and the monotonic clock in nanoseconds, for measuring the program's reaction.
    void reportFinished();
    void readMaster();
    void readStdin();
    void readSignal();
    void writeOut();

    const SimOptions& m_options;
    Instrument m_instrument;
    PseudoTerminal& m_pty;
    PacedWriter m_writer;
    int m_signals;
    int m_log = -1;
    int m_stdin = STDIN_FILENO;
    bool m_running = true;
    QByteArray m_outbox;
    int m_outboxFinished = 0; // transmissions whose last byte is in the outbox
    Nanoseconds m_outboxSince{0};
    QByteArray m_stdinLine;
};

} // namespace sim
