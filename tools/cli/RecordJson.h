#pragma once

#include "core/Record.h"

#include <QByteArray>

namespace quillon::cli
{

// A record as the `record` command prints it: memory, positions, panel texts and note lines.
QByteArray recordJson(const Record& record);

} // namespace quillon::cli
