#pragma once

#include <QString>

namespace quillon
{

// How numbered ports are named: "COMN" on Windows, "/dev/ttyS(N-1)" elsewhere.
enum class PortNaming { Windows, Unix };

#ifdef Q_OS_WIN
inline constexpr PortNaming kHostPortNaming = PortNaming::Windows;
#else
inline constexpr PortNaming kHostPortNaming = PortNaming::Unix;
#endif

// The device name of port number `portno` (the number "dfd.cfg" holds and the port selection
// offers as "Comport 1".."Comport 4").
QString deviceNameOfPort(int portno, PortNaming naming = kHostPortNaming);

// The port number a device name stands for ("COM3" or "/dev/ttyS2" give 3), or 0 when the name
// is not one of the numbered ports.
int portNumberOfDevice(const QString& device, PortNaming naming = kHostPortNaming);

// The port the link uses: a port number, as "dfd.cfg" has always held, or a device name for an
// adapter or pseudo-terminal that has no number.
struct PortSetting {
    int portno = 1;
    QString device; // empty when the port is named by its number

    static PortSetting numbered(int portno) { return {portno, {}}; }
    static PortSetting named(const QString& device) { return {0, device}; }

    bool isNamed() const { return !device.isEmpty(); }
    // The name to open: the device name, or the platform's name of the numbered port.
    QString deviceName(PortNaming naming = kHostPortNaming) const;

    bool operator==(const PortSetting&) const = default;
};

} // namespace quillon
