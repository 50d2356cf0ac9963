#include "link/SerialLink.h"

#include "link/PortPermission.h"
#include "link/SerialErrorText.h"

#include <QFileInfo>

namespace quillon
{

SerialLink::SerialLink(QObject* parent) : QObject(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::readyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::onError);
    connect(&m_port, &QSerialPort::bytesWritten, this, [this] {
        if (m_port.bytesToWrite() == 0)
            emit allWritten();
    });
}

SerialLink::~SerialLink()
{
    m_port.disconnect(this);
    if (m_port.isOpen())
        m_port.close();
}

bool SerialLink::open(const QString& device, QString* error)
{
    if (m_port.isOpen())
        close();
    m_deviceName = device;
    m_accessAdvice.clear();
    // The port's lock is named after the path opened: a symlink (such as the simulator's) is
    // opened as the device it points to, so that a port in use is refused by either name.
    const QFileInfo info(device);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    m_port.setPortName(target.isEmpty() ? device : target);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);

    m_opening = true;
    m_openError = QSerialPort::NoError;
    const bool opened = m_port.open(QIODevice::ReadWrite);
    m_opening = false;
    if (!opened) {
        const QSerialPort::SerialPortError why =
            m_openError != QSerialPort::NoError ? m_openError : m_port.error();
        // The port reports a lock held by another program as a permission error too: only the
        // device's mode tells the two apart.
        bool busy = false;
        if (why == QSerialPort::PermissionError) {
            if (const auto denied = PortPermission::probe(device))
                m_accessAdvice = denied->advice();
            else
                busy = QFileInfo::exists(device);
        }
        if (error)
            *error = !m_accessAdvice.isEmpty() ? m_accessAdvice
                     : busy                    ? portInUseText()
                                               : serialErrorText(why);
        m_port.clearError();
        return false;
    }
    discardInput();
    return true;
}

void SerialLink::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

bool SerialLink::write(const QByteArray& bytes)
{
    return m_port.isOpen() && m_port.write(bytes) == bytes.size();
}

void SerialLink::discardInput()
{
    if (!m_port.isOpen())
        return;
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
}

void SerialLink::onError(QSerialPort::SerialPortError error)
{
    // open() reports NoError first; close() on a closed port reports NotOpenError.
    if (error == QSerialPort::NoError || error == QSerialPort::NotOpenError)
        return;
    if (m_opening) {
        m_openError = error;
        return;
    }
    if (!m_port.isOpen())
        return;
    if (!isPortLostError(error)) {
        m_port.clearError();
        emit failed(serialErrorText(error));
        return;
    }
    // A pseudo-terminal whose other end closed keeps raising ReadError until the port is closed.
    close();
    emit lost(serialErrorText(error));
}

} // namespace quillon
