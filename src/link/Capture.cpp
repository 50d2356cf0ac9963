#include "link/Capture.h"

#include "link/InstrumentCommands.h"
#include "link/Reception.h"
#include "link/SerialLink.h"

#include <algorithm>

namespace quillon
{

Capture::Capture(Module1& module, SerialLink& link, Reception& reception, QObject* parent)
    : QObject(parent), m_module(module), m_link(link), m_reception(reception)
{
    m_tmrwt.setObjectName(QStringLiteral("tmrwt"));
    m_tmrwt.setSingleShot(true);
    m_tmrwt.setTimerType(Qt::PreciseTimer);
    m_tmrwt.setInterval(kReplyTimeout);
    connect(&m_tmrwt, &QTimer::timeout, this, &Capture::tmrwt_Timer);
    connect(&m_reception, &Reception::frameStarted, this, &Capture::onFrameStarted);
    connect(&m_reception, &Reception::frameRead, this, &Capture::onFrameRead);
    connect(&m_reception, &Reception::frameAbandoned, this, &Capture::onFrameAbandoned);
    connect(&m_link, &SerialLink::lost, this, &Capture::abort);
}

bool Capture::start(QList<int> rows, QString* error)
{
    auto refuse = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (isRunning())
        return refuse(tr("A capture is already running."));
    if (!m_link.isOpen())
        return refuse(tr("No serial port is open: choose one under Option."));
    if (m_reception.inFrame())
        return refuse(tr("A record is arriving from the instrument: capture when it "
                         "has been received."));

    rows.removeIf([](int row) { return row < 0 || row >= kMemoryCount; });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    m_rows = rows;
    m_index = -1;
    m_cancel = false;
    m_stored = 0;
    m_failed = 0;
    m_module.capbusy = true;
    m_state = State::Waiting;
    next();
    return true;
}

void Capture::cancel()
{
    if (isRunning())
        m_cancel = true;
}

void Capture::next()
{
    if (m_cancel || ++m_index >= m_rows.size()) {
        finish();
        return;
    }
    m_retried = false;
    emit captureProgress(int(m_index) + 1, int(m_rows.size()));
    m_module.reqmemno = m_rows[m_index] + 1;
    getascan();
}

void Capture::getascan()
{
    std::fill(m_module.rawframe.begin(), m_module.rawframe.begin() + kSampleCount, 0);
    std::fill(m_module.rawframe.begin() + kSampleCount, m_module.rawframe.begin() + kRecordLength,
              ' ');
    if (!m_link.write(memoryRequest(m_module.reqmemno))) {
        abort();
        return;
    }
    emit memoryRequested(m_module.reqmemno);
    m_state = State::Waiting;
    m_tmrwt.start();
}

void Capture::Unfreez()
{
    m_link.write(releaseCommands());
}

void Capture::tmrwt_Timer()
{
    if (m_state != State::Waiting)
        return; // the reply has started: the reader's own stall limit bounds it now
    if (m_reception.inFrame()) {
        m_state = State::Reading;
        return;
    }
    attemptFailed();
}

void Capture::attemptFailed()
{
    if (!m_retried && !m_cancel) {
        m_retried = true;
        getascan();
        return;
    }
    ++m_failed;
    emit memoryFailed(m_module.reqmemno - 1);
    next();
}

void Capture::onFrameStarted()
{
    if (m_state == State::Waiting)
        m_state = State::Reading;
}

void Capture::onFrameRead()
{
    if (m_state == State::Idle)
        return;
    const int row = m_module.reqmemno - 1;
    m_module.store(row, m_module.recbuf, {StoreKind::Captured, m_link.deviceName()});
    m_tmrwt.stop();
    ++m_stored;
    next();
}

void Capture::onFrameAbandoned()
{
    if (m_state == State::Idle)
        return;
    if (!m_link.isOpen()) {
        abort();
        return;
    }
    m_tmrwt.stop();
    attemptFailed();
}

void Capture::abort()
{
    if (m_state == State::Idle)
        return;
    m_tmrwt.stop();
    // The memory being asked for and every one after it cannot be captured now.
    for (qsizetype i = std::max<qsizetype>(m_index, 0); i < m_rows.size(); ++i) {
        ++m_failed;
        emit memoryFailed(m_rows[i]);
    }
    m_state = State::Idle;
    m_module.capbusy = false;
    emit captureFinished(m_stored, m_failed);
}

void Capture::finish()
{
    m_tmrwt.stop();
    Unfreez();
    m_state = State::Idle;
    m_module.capbusy = false;
    emit captureFinished(m_stored, m_failed);
}

} // namespace quillon
