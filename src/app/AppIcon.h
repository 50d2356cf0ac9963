#pragma once

#include <QIcon>

namespace quillon
{

// The program's own icon (window icon and the About box picture).
QIcon appIcon();

} // namespace quillon
