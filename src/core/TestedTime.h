#pragma once

#include "core/Record.h"

#include <QDateTime>
#include <QString>

namespace quillon
{

// When the instrument took the record: its clock at positions 515..524 as hhmmddmmyy (the digits
// the "Tm:/Dt:" label shows), read whatever the CLOCK box says; a two-digit year yy is 20yy.
// Kept as the instrument's clock reads, without a time zone (UTC stands for "no zone", so that no
// daylight-saving gap makes a reading invalid). Invalid when the positions hold no valid date and
// time (no digits, month 13, 31 February, hour 24).
QDateTime testedAt(const Record& record);

// The same as "2024-09-01T10:00", or empty.
QString testedIsoText(const Record& record);

} // namespace quillon
