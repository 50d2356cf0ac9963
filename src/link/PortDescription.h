#pragma once

#include "link/PortSetting.h"

#include <QString>

class QSerialPortInfo;

namespace quillon
{

// One serial port as the port selection lists it: the name to open and what the system says of
// it (a USB adapter by maker and product).
struct PortDescription {
    QString device;      // /dev/ttyUSB0, COM3, or a symlink such as the simulator's
    QString description; // may be empty

    static PortDescription of(const QSerialPortInfo& info, PortNaming naming = kHostPortNaming);
    // What a port is, from the system's words for it: maker and product, the USB identifiers
    // when it gives neither, or nothing.
    static QString describe(const QString& manufacturer, const QString& product,
                            bool hasIdentifiers, quint16 vendor, quint16 productId);

    // The list entry: the device, and its description in brackets when there is one.
    QString label() const;

    bool operator==(const PortDescription&) const = default;
};

} // namespace quillon
