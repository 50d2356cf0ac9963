#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace quillon
{

// Why the running user may not open a serial device, and what to do about it. On Debian the
// serial devices belong to a group (dialout for ttyS and ttyUSB) whose members may use them; a
// user added to it gets the right at the next login.
struct PortPermission {
    Q_DECLARE_TR_FUNCTIONS(quillon::PortPermission)

public:
    QString device;           // the name opened (a symlink stays as typed)
    QString target;           // the device it leads to, when that differs
    QString group;            // the group owning the device; empty when it has no name
    bool groupMayUse = false; // the device's mode lets its group read and write
    bool member = false;      // the user belongs to the group, but not in this session

    // How the device refuses the running user, or nothing when the user may read and write it
    // (or it cannot be looked at). Unix only; elsewhere always nothing.
    static std::optional<PortPermission> probe(const QString& device);

    // The operator's explanation: that permission was refused, which device and group, and
    // what to do.
    QString advice() const;
};

} // namespace quillon
