#pragma once

#include "core/Module1.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <chrono>

namespace quillon
{

class Reception;
class SerialLink;

// The capture command: requests the chosen memories one by one in ascending order, stores each
// reply under the number asked for, asks once more when no reply starts within a second, and
// releases the instrument at the end. Driven by the reader's signals and the reply timer
// `tmrwt`; the event loop keeps running throughout.
class Capture : public QObject
{
    Q_OBJECT
public:
    // How long a request waits for the start of its reply.
    static constexpr std::chrono::milliseconds kReplyTimeout{1000};

    Capture(Module1& module, SerialLink& link, Reception& reception, QObject* parent = nullptr);

    // Starts capturing bank rows `rows` (memory row+1). False, with `error` set, when the port
    // is not open, a capture runs already or a record is still arriving.
    bool start(QList<int> rows, QString* error = nullptr);
    // Stops after the memory being requested now; the release is still sent.
    void cancel();
    // Ends at once without the release (the port is closing or gone): the memory being asked
    // for and the rest count as failed.
    void abort();

    bool isRunning() const { return m_state != State::Idle; }
    bool wasCancelled() const { return m_cancel; }

signals:
    // The request for a memory went out (first time or retry); the A-scan area is cleared.
    void memoryRequested(int memory);
    // Memory k of n (k from 1) is being requested.
    void captureProgress(int k, int n);
    // Row `row` was asked for twice without a reply, or could not be asked for.
    void memoryFailed(int row);
    // The sequence ended (release sent unless the port was lost). Rows never requested, after a
    // cancel, count neither as stored nor as failed.
    void captureFinished(int stored, int failed);

private:
    enum class State { Idle, Waiting, Reading };

    void next();
    void getascan();
    void Unfreez();
    void tmrwt_Timer();
    void attemptFailed();
    void onFrameStarted();
    void onFrameRead();
    void onFrameAbandoned();
    void finish();

    Module1& m_module;
    SerialLink& m_link;
    Reception& m_reception;
    QTimer m_tmrwt;
    State m_state = State::Idle;
    QList<int> m_rows;
    qsizetype m_index = 0;
    bool m_retried = false;
    bool m_cancel = false;
    int m_stored = 0;
    int m_failed = 0;
};

} // namespace quillon
