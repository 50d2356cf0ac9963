#include "link/InstrumentLink.h"

namespace quillon
{

InstrumentLink::InstrumentLink(Module1& module, QObject* parent)
    : QObject(parent), m_reception(module, m_serial), m_capture(module, m_serial, m_reception)
{
    connect(&m_reception, &Reception::frameRejected, this, &InstrumentLink::statusMessage);
    connect(&m_reception, &Reception::frameAbandoned, this, &InstrumentLink::statusMessage);
    connect(&m_capture, &Capture::memoryRequested, this, &InstrumentLink::memoryRequested);
    connect(&m_capture, &Capture::captureProgress, this, &InstrumentLink::captureProgress);
    connect(&m_capture, &Capture::captureFinished, this, &InstrumentLink::captureFinished);
    connect(&m_serial, &SerialLink::lost, this, [this](const QString& reason) {
        const QString text = tr("Port %1 lost: %2").arg(m_serial.deviceName(), reason);
        emit portLost(text);
        emit statusMessage(text);
    });
}

bool InstrumentLink::open(const QString& device, QString* error)
{
    // Reopening ends what the old port was doing: a capture, a frame partly read.
    close();
    return m_serial.open(device, error);
}

void InstrumentLink::close()
{
    m_capture.abort();
    m_reception.reset();
    m_serial.close();
}

} // namespace quillon
