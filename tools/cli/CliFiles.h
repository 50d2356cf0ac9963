#pragma once

#include "core/BankFile.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace quillon::cli
{

// Reads a whole input file; on failure writes one stderr line naming the file and the problem.
bool readInputFile(const QString& path, QByteArray& bytes);

// Reads and checks a whole bank file; null after one stderr line naming the file and the problem.
std::unique_ptr<BankFileContents> readBankFile(const QString& path);

// Writes `bytes` to the file `path` (replacing it whole), or to the standard output for "-" or
// an empty path. Returns Success, or DeviceFailure after one stderr line naming the file.
int writeOutput(const QString& path, const QByteArray& bytes);

// Takes `--name VALUE` out of `args`. True when absent (value untouched) or taken; false with
// `error` set when the value is missing.
bool takeOption(QStringList& args, const QString& name, QString* value, QString* error);

} // namespace quillon::cli
