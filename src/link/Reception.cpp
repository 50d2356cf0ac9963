#include "link/Reception.h"

#include "link/SerialLink.h"

#include <QLocale>

namespace quillon
{

Reception::Reception(Module1& module, SerialLink& link, QObject* parent)
    : QObject(parent), m_module(module), m_link(link)
{
    m_stall.setSingleShot(true);
    m_stall.setTimerType(Qt::PreciseTimer);
    connect(&m_stall, &QTimer::timeout, this, &Reception::onStalled);
    connect(&m_link, &SerialLink::readyRead, this, [this] { process(m_link.readAll()); });
    connect(&m_link, &SerialLink::lost, this, &Reception::onLinkFailed);
    connect(&m_link, &SerialLink::failed, this, &Reception::onLinkFailed);
}

void Reception::process(QByteArrayView bytes)
{
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const bool searching = !m_decoder.inFrame();
        bool complete = false;
        pos += m_decoder.feed(bytes.sliced(pos), &complete);
        if (searching && (complete || m_decoder.inFrame()))
            emit frameStarted();
        if (complete) {
            // Whatever arrived with the frame's last byte is dropped; later bytes start a new
            // search for a start byte.
            captureauto();
            return;
        }
    }
    if (!m_decoder.inFrame())
        return;
    // Restarting a timer for every byte of a paced frame costs more than the frame itself: the
    // time of the last byte is kept, and the timer, when it fires early, waits out the rest.
    m_sinceLastByte.start();
    if (!m_stall.isActive())
        m_stall.start(kStallTimeout);
}

void Reception::captureauto()
{
    m_stall.stop();
    copyFrameInto(m_decoder.frame(), m_module.rawframe);
    applyFrame(m_module.rawframe, m_module.recbuf);
    m_link.discardInput();
    // Decided before the capture sequence hears of the frame: it may end within frameRead.
    const bool requested = m_module.capbusy;
    emit frameRead();
    if (!requested)
        Comm1_OnComm();
}

void Reception::Comm1_OnComm()
{
    const int memory = memoryNumberOf(m_module.recbuf);
    if (!isStorableMemory(memory)) {
        emit frameRejected(
            tr("Record received but not stored: %1").arg(memoryNumberProblem(memory)));
        return;
    }
    m_module.store(memory - 1, m_module.recbuf, {StoreKind::Received, m_link.deviceName()});
}

void Reception::onStalled()
{
    if (!m_decoder.inFrame())
        return;
    const auto quiet = std::chrono::milliseconds(m_sinceLastByte.elapsed());
    if (quiet < kStallTimeout) {
        m_stall.start(kStallTimeout - quiet);
        return;
    }
    m_decoder.reset();
    emit frameAbandoned(
        tr("Record reception abandoned: no byte for %1 s; nothing was stored")
            .arg(QLocale().toString(std::chrono::duration<double>(kStallTimeout).count())));
}

void Reception::reset()
{
    m_stall.stop();
    m_decoder.reset();
}

void Reception::onLinkFailed(const QString& reason)
{
    // A serial error in the middle of a frame leaves it incomplete: nothing of it is stored.
    if (!m_decoder.inFrame())
        return;
    reset();
    emit frameAbandoned(tr("Record reception abandoned: %1; nothing was stored").arg(reason));
}

} // namespace quillon
