#include "link/SerialErrorText.h"

namespace quillon
{

QString serialErrorText(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
        return QStringLiteral("no error");
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("the port does not exist");
    case QSerialPort::PermissionError:
        return QStringLiteral("the port is used by another program or access is denied");
    case QSerialPort::OpenError:
        return QStringLiteral("the port is already open");
    case QSerialPort::NotOpenError:
        return QStringLiteral("the port is not open");
    case QSerialPort::WriteError:
        return QStringLiteral("writing to the port failed");
    case QSerialPort::ReadError:
        return QStringLiteral("reading from the port failed");
    case QSerialPort::ResourceError:
        return QStringLiteral("the port became unavailable (adapter unplugged?)");
    case QSerialPort::UnsupportedOperationError:
        return QStringLiteral("the port does not support this setting");
    case QSerialPort::TimeoutError:
        return QStringLiteral("the port timed out");
    case QSerialPort::UnknownError:
        break;
    }
    return QStringLiteral("unknown port error");
}

bool isPortLostError(QSerialPort::SerialPortError error)
{
    return error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
}

} // namespace quillon
