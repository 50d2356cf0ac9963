#pragma once

#include "core/Module1.h"

#include <QStringList>

#include <functional>

namespace quillon::cli
{

// `--archive DB` for the commands that store records. withArchive wraps a command: it takes the
// option out of the arguments and, once the command is done, makes a failed archive write a
// failure of the command. The command calls useArchive with its module before the first store:
// every record stored from then on is appended to DB (made when missing) and synced before the
// module tells that it is stored.
using CommandRun = int (*)(const QStringList& args, const QString& usage);
int withArchive(CommandRun run, const QStringList& args, const QString& usage);
// Success, or DeviceFailure after one stderr line when DB cannot be opened.
int useArchive(Module1& module);

} // namespace quillon::cli
