#pragma once

#include <QString>

namespace quillon
{

// The user manual, manual.html: installed in <prefix>/share/doc/quillon beside <prefix>/bin, or
// made in <build>/docs, two levels above the programs of a build. `programDir` is the folder of
// the running program; the installed manual comes first. Empty when there is none.
QString findUserManual(const QString& programDir);

} // namespace quillon
