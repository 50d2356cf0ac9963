#pragma once

#include "core/BankFile.h"
#include "core/FileFailure.h"
#include "core/FrameDecoder.h"
#include "core/InputFile.h"
#include "core/Module1.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace quillon::cli
{

// Input files are read by the core's readers, as the windows read them; every failure is one
// stderr line naming the file and the problem.

// A bank file's contents; null after the stderr line.
std::unique_ptr<BankFileContents> readBankInput(const QString& path);
// Loads a bank file into the module as opening it in the window does; false after the stderr
// line.
bool loadBankInto(Module1& module, const QString& path);

// Opens a file of received bytes; false after the stderr line.
bool openInput(InputFile& file, const QString& path);

// Feeds the rest of the file through `decoder` and calls `frameDone` at the end of each frame,
// until it returns false or the file ends. False after the stderr line when reading fails.
bool decodeFrames(InputFile& file, FrameDecoder& decoder, const std::function<bool()>& frameDone);

// Writes `bytes` to the file `path` (replacing it whole), or to the standard output for "-" or
// an empty path. Returns Success, or DeviceFailure after one stderr line naming the file.
int writeOutput(const QString& path, const QByteArray& bytes);

} // namespace quillon::cli
