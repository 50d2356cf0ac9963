#include "link/PortSetting.h"

#include <QRegularExpression>

namespace quillon
{

QString deviceNameOfPort(int portno, PortNaming naming)
{
    if (naming == PortNaming::Windows)
        return QStringLiteral("COM") + QString::number(portno);
    return QStringLiteral("/dev/ttyS") + QString::number(portno - 1);
}

int portNumberOfDevice(const QString& device, PortNaming naming)
{
    static const QRegularExpression windows(QStringLiteral("^COM([1-9][0-9]*)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression unix(QStringLiteral("^/dev/ttyS(0|[1-9][0-9]*)$"));
    const bool win = naming == PortNaming::Windows;
    const QRegularExpressionMatch m = (win ? windows : unix).match(device);
    if (!m.hasMatch())
        return 0;
    bool ok = false;
    const int n = m.captured(1).toInt(&ok);
    if (!ok || n > 32766)
        return 0;
    return win ? n : n + 1;
}

QString PortSetting::deviceName(PortNaming naming) const
{
    return isNamed() ? device : deviceNameOfPort(portno, naming);
}

} // namespace quillon
