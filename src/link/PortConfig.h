#pragma once

#include "link/PortSetting.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace quillon
{

// "dfd.cfg" in the working directory: one line holding the port number in decimal, ended by
// CR LF. Start-up reads the first number in it: leading spaces skipped, the number ends at a
// comma, a space or the line end. As an extension the line may hold a device name instead
// (a path such as /dev/ttyUSB0, or COMn), which is opened as it stands.
class PortConfig
{
public:
    static constexpr const char* kFileName = "dfd.cfg";

    // What the file's contents name, or nothing when they name no port (not a number, empty).
    static std::optional<PortSetting> parse(QByteArrayView contents);
    // The file's contents for a setting: one line and CR LF.
    static QByteArray format(const PortSetting& setting);

    // Reads and parses the file; `error` says why nothing came of it.
    static std::optional<PortSetting> read(const QString& path, QString* error = nullptr);
    // Creates or truncates the file and writes the setting.
    static bool write(const QString& path, const PortSetting& setting, QString* error = nullptr);
};

} // namespace quillon
