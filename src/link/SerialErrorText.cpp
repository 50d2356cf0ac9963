#include "link/SerialErrorText.h"

#include <QCoreApplication>

namespace quillon
{

QString serialErrorText(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
        return QCoreApplication::translate("quillon::SerialErrorText", "no error");
    case QSerialPort::DeviceNotFoundError:
        return QCoreApplication::translate("quillon::SerialErrorText", "the port does not exist");
    case QSerialPort::PermissionError:
        return QCoreApplication::translate(
            "quillon::SerialErrorText", "the port is used by another program or access is denied");
    case QSerialPort::OpenError:
        return QCoreApplication::translate("quillon::SerialErrorText", "the port is already open");
    case QSerialPort::NotOpenError:
        return QCoreApplication::translate("quillon::SerialErrorText", "the port is not open");
    case QSerialPort::WriteError:
        return QCoreApplication::translate("quillon::SerialErrorText",
                                           "writing to the port failed");
    case QSerialPort::ReadError:
        return QCoreApplication::translate("quillon::SerialErrorText",
                                           "reading from the port failed");
    case QSerialPort::ResourceError:
        return QCoreApplication::translate("quillon::SerialErrorText",
                                           "the port became unavailable (adapter unplugged?)");
    case QSerialPort::UnsupportedOperationError:
        return QCoreApplication::translate("quillon::SerialErrorText",
                                           "the port does not support this setting");
    case QSerialPort::TimeoutError:
        return QCoreApplication::translate("quillon::SerialErrorText", "the port timed out");
    case QSerialPort::UnknownError:
        break;
    }
    return QCoreApplication::translate("quillon::SerialErrorText", "unknown port error");
}

QString portInUseText()
{
    return QCoreApplication::translate("quillon::SerialErrorText", "it is used by another program");
}

bool isPortLostError(QSerialPort::SerialPortError error)
{
    return error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
}

} // namespace quillon
