#pragma once

#include "core/BankFile.h"
#include "core/Edition.h"
#include "core/Module1.h"
#include "files/FileFailure.h"

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

// The load of `direct`: reads the whole file, checks it, and only a file that can be used
// changes anything. A bank file replaces memories 1..200 (positions 0..839) and the list marks;
// recbuf, curmem, position 840 and row 200 keep their values. A waveform file goes through
// get_data into recbuf only: no bank row and no list item changes.
class BankLoader
{
public:
    BankLoader(Module1& module, const Edition& edition) : m_module(module), m_edition(edition) {}

    // Reads and checks; changes nothing. Returns the failure, or fills `out`.
    std::optional<FileFailure> read(const QString& path, LoadedFile& out) const;
    // Puts a checked file into the shared state (the bank replaced emits bankReplaced).
    void apply(const LoadedFile& file);
    // Both in one.
    std::optional<FileFailure> load(const QString& path);

private:
    Module1& m_module;
    const Edition& m_edition;
};

} // namespace quillon
