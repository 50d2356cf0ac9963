#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace quillon
{

// A font whose em is `sizeInUnits` drawing units on `device`, for a painter whose transform maps
// drawing units onto the device. The named face is used where the system has it, else the
// closest face of the same kind (`hint`).
QFont fontInUnits(const QString& family, QFont::StyleHint hint, double sizeInUnits,
                  const QPaintDevice* device, bool bold = false);

} // namespace quillon
