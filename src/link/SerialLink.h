#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

namespace quillon
{

// The serial port to the instrument: 9600 baud, no parity, 8 data bits, 1 stop bit. Reports
// arriving bytes and a port that stopped working; never shows anything itself. The modem lines
// (DTR, RTS) are left alone: pseudo-terminals and some adapters refuse them.
class SerialLink : public QObject
{
    Q_OBJECT
public:
    explicit SerialLink(QObject* parent = nullptr);
    ~SerialLink() override;

    // Opens the device and empties what was queued on it before. `error` says why it failed.
    bool open(const QString& device, QString* error = nullptr);
    void close();
    bool isOpen() const { return m_port.isOpen(); }
    // The device last opened (or tried).
    QString deviceName() const { return m_deviceName; }
    // When the last open failed because the user may not use the device: what to do about it
    // (the device, its group, joining the group). Empty otherwise.
    QString accessAdvice() const { return m_accessAdvice; }

    // Queues bytes for sending; false when the port is not open or refuses them.
    bool write(const QByteArray& bytes);
    // Bytes written but not yet handed to the device.
    qint64 bytesToWrite() const { return m_port.isOpen() ? m_port.bytesToWrite() : 0; }
    QByteArray readAll() { return m_port.readAll(); }
    // Drops every byte received so far, queued in the program or in the driver.
    void discardInput();

signals:
    void readyRead();
    // Everything written so far has been handed to the device.
    void allWritten();
    // The port failed (read error, adapter gone) and was closed; emitted once per opening.
    void lost(const QString& reason);
    // The port reported an error it survives (the port stays open).
    void failed(const QString& reason);

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QString m_deviceName;
    QString m_accessAdvice;
    bool m_opening = false;
    QSerialPort::SerialPortError m_openError = QSerialPort::NoError;
};

} // namespace quillon
