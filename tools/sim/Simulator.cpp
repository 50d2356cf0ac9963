#include "Simulator.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace sim
{

using Nanoseconds = std::chrono::nanoseconds;
using namespace std::chrono_literals;

namespace
{
// Bytes the terminal would not take for this long are dropped: nobody reads the line.
constexpr auto kStuckOutputLimit = 3s;
// Closer than this to a byte's deadline the loop sleeps until the deadline itself.
constexpr auto kFinalSleep = 3ms;
// How long to wait for the terminal to take more when its buffer is full.
constexpr auto kOutputRetry = 20ms;

Nanoseconds monotonicNow()
{
    return std::chrono::steady_clock::now().time_since_epoch(); // CLOCK_MONOTONIC
}

void sleepUntil(Nanoseconds deadline)
{
    timespec ts{};
    ts.tv_sec = time_t(deadline.count() / 1'000'000'000);
    ts.tv_nsec = long(deadline.count() % 1'000'000'000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

int pollTimeoutMs(Nanoseconds wait)
{
    return int(std::chrono::duration_cast<std::chrono::milliseconds>(wait).count());
}

QByteArray printable(const QByteArray& command)
{
    QByteArray text;
    for (char c : command) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7f && b != '\\')
            text.append(c);
        else
            text.append("\\x" + QByteArray::number(b, 16).rightJustified(2, '0'));
    }
    return text;
}
} // namespace

int complain(const QString& text, int status)
{
    std::fprintf(stderr, "vantor-sim: %s\n", qPrintable(text));
    return status;
}

bool Simulator::openLog(QString* error)
{
    if (m_options.log.isEmpty())
        return true;
    m_log = ::open(QFile::encodeName(m_options.log).constData(),
                   O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (m_log < 0)
        *error = m_options.log + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
    return m_log >= 0;
}

void Simulator::event(const QString& text)
{
    if (!m_options.quiet)
        complain(text);
}

void Simulator::send(const QList<Instrument::Transmission>& list)
{
    for (const Instrument::Transmission& t : list) {
        m_writer.enqueue(t.bytes, t.pauseBefore, monotonicNow());
        if (!t.note.isEmpty())
            event(t.note);
    }
}

void Simulator::reportFinished()
{
    if (m_options.timestamps && m_outboxFinished > 0) {
        const qint64 at = monotonicNow().count();
        for (; m_outboxFinished > 0; --m_outboxFinished)
            std::printf("end %lld\n", static_cast<long long>(at));
        std::fflush(stdout);
    }
    m_outboxFinished = 0;
}

void Simulator::readMaster()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_pty.master(), buffer, sizeof buffer);
        if (n <= 0)
            return;
        QList<QByteArray> commands;
        const auto replies = m_instrument.received(QByteArrayView(buffer, n), &commands);
        for (const QByteArray& c : commands) {
            if (m_log >= 0) {
                const QByteArray line = printable(c) + '\n';
                [[maybe_unused]] const ssize_t written =
                    ::write(m_log, line.constData(), size_t(line.size()));
            }
            event(QStringLiteral("command ") + QString::fromLatin1(printable(c)));
        }
        send(replies);
    }
}

void Simulator::readStdin()
{
    char buffer[1024];
    const ssize_t n = ::read(m_stdin, buffer, sizeof buffer);
    if (n <= 0) {
        m_stdin = -1; // end of input: keep running on the other sources
        return;
    }
    m_stdinLine.append(buffer, n);
    qsizetype end;
    while ((end = m_stdinLine.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(m_stdinLine.left(end)).trimmed();
        m_stdinLine.remove(0, end + 1);
        if (line == u"quit") {
            m_running = false;
            return;
        }
        QString error;
        const auto list = m_instrument.control(line, &error);
        if (!error.isEmpty())
            complain(error);
        send(list);
    }
}

void Simulator::readSignal()
{
    signalfd_siginfo info{};
    if (::read(m_signals, &info, sizeof info) != ssize_t(sizeof info))
        return;
    if (info.ssi_signo == SIGUSR1)
        send(m_instrument.sendNext());
    else
        m_running = false;
}

void Simulator::writeOut()
{
    const ssize_t n = ::write(m_pty.master(), m_outbox.constData(), size_t(m_outbox.size()));
    if (n > 0) {
        m_outbox.remove(0, n);
        m_outboxSince = monotonicNow();
        if (m_outbox.isEmpty())
            reportFinished();
        return;
    }
    if (monotonicNow() - m_outboxSince > kStuckOutputLimit) {
        event(QStringLiteral("nobody reads the line: %1 bytes dropped").arg(m_outbox.size()));
        m_outbox.clear();
        m_outboxFinished = 0;
    }
}

int Simulator::run()
{
    const bool periodic = m_options.sendEverySeconds > 0;
    const Nanoseconds period(qint64(m_options.sendEverySeconds * 1e9));
    Nanoseconds nextSend = monotonicNow() + period;

    while (m_running) {
        Nanoseconds now = monotonicNow();
        if (m_outbox.isEmpty() && m_writer.pending() && m_writer.nextDeadline() <= now) {
            m_outbox = m_writer.takeDue(now, &m_outboxFinished);
            m_outboxSince = now;
        }
        if (!m_outbox.isEmpty())
            writeOut();
        if (periodic && now >= nextSend) {
            send(m_instrument.sendNext());
            nextSend += period;
        }

        // How long the loop may wait for input before the next thing is due.
        int timeout = -1;
        bool sleepToDeadline = false;
        if (!m_outbox.isEmpty()) {
            timeout = pollTimeoutMs(kOutputRetry);
        } else if (m_writer.pending()) {
            const Nanoseconds wait = m_writer.nextDeadline() - now;
            sleepToDeadline = wait <= kFinalSleep;
            timeout = sleepToDeadline ? 0 : pollTimeoutMs(wait - kFinalSleep + 1ms);
        }
        if (periodic) {
            const int untilSend = std::max(0, pollTimeoutMs(nextSend - now) + 1);
            timeout = timeout < 0 ? untilSend : std::min(timeout, untilSend);
        }

        pollfd fds[3] = {{m_pty.master(), POLLIN, 0}, {m_signals, POLLIN, 0}, {m_stdin, POLLIN, 0}};
        if (!m_outbox.isEmpty())
            fds[0].events |= POLLOUT;
        const int ready = ::poll(fds, m_stdin >= 0 ? 3 : 2, timeout);
        if (ready < 0 && errno != EINTR) {
            std::perror("vantor-sim: poll");
            return 1;
        }
        if (ready > 0) {
            if (fds[0].revents & POLLIN)
                readMaster();
            if (fds[1].revents & POLLIN)
                readSignal();
            if (m_stdin >= 0 && (fds[2].revents & (POLLIN | POLLHUP | POLLERR)))
                readStdin();
        }
        if (sleepToDeadline && m_running && m_outbox.isEmpty() && m_writer.pending())
            sleepUntil(m_writer.nextDeadline());
    }
    return 0;
}

} // namespace sim
