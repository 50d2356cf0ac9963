#pragma once

#include "core/BankFile.h"
#include "core/Edition.h"
#include "core/FileFailure.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace quillon
{

// What a file handed to the open form is read as.
enum class FileKind { Bank, Waveform };

// The size rule: 10,000 bytes or more make a bank file, less a waveform file. An edition
// without waveform import reads every file as a bank file.
FileKind fileKindOf(qint64 size, const Edition& edition);

// A file read and checked, not yet applied: what a load would put into the bank or the record.
struct LoadedFile {
    QString path;
    FileKind kind = FileKind::Bank;
    std::unique_ptr<BankFileContents> bank; // kind Bank
    QByteArray waveform;                    // kind Waveform: the file's bytes
};

// The files the operator names, read by the windows and the command-line tools alike. A file that
// cannot be opened is refused as InputFile says; every read stops where the format ends.

// A bank file, read up to the separator after its 168,000th number (or up to its first unusable
// number); the rest of the file is not read. A file of more than 64 MiB is refused by its size.
std::optional<FileFailure> readBankFile(const QString& path, BankFileContents& out);

// A waveform file: its size must be a waveform file's (1,141 to 9,999 bytes), and only so many
// bytes are read. `bytes` holds the file.
std::optional<FileFailure> readWaveformFile(const QString& path, QByteArray& bytes);

// The read and check of `direct`: the size rule decided from the file's size, then the file read
// as that kind. Nothing is changed; `out` holds what a load would apply.
std::optional<FileFailure> readLoadedFile(const QString& path, const Edition& edition,
                                          LoadedFile& out);

} // namespace quillon
