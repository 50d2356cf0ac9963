#pragma once

#include <QSerialPort>
#include <QString>

namespace quillon
{

// What a serial port error means to the operator, in one short phrase.
QString serialErrorText(QSerialPort::SerialPortError error);
// The phrase for a port that exists but that another program holds (the port reports it as a
// permission error; the device's mode tells the two apart).
QString portInUseText();

// True for the errors after which the port no longer works (adapter unplugged, other end gone):
// the link closes the port and reports it lost.
bool isPortLostError(QSerialPort::SerialPortError error);

} // namespace quillon
