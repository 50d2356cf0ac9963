#pragma once

#include <QString>

namespace quillon
{

// Who makes an archive entry: this PC's host name and the operating-system user running the
// program (empty when it cannot be told).
QString thisHost();
QString thisUser();

} // namespace quillon
