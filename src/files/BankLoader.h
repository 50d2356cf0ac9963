#pragma once

#include "core/Edition.h"
#include "core/LoadedFile.h"
#include "core/Module1.h"

#include <QString>

#include <optional>

namespace quillon
{

// The load of `direct`: a file read and checked by readLoadedFile is put into the shared state;
// only a file that can be used changes anything. A bank file replaces memories 1..200
// (positions 0..839) and the list marks; recbuf, curmem, position 840 and row 200 keep their
// values. A waveform file goes through get_data into recbuf only: no bank row and no list item
// changes.
class BankLoader
{
public:
    BankLoader(Module1& module, const Edition& edition) : m_module(module), m_edition(edition) {}

    // Puts a checked file into the shared state (the bank replaced emits bankReplaced).
    void apply(const LoadedFile& file);
    // Reads, checks and applies; a file that cannot be used changes nothing.
    std::optional<FileFailure> load(const QString& path);

    const Edition& edition() const { return m_edition; }

private:
    Module1& m_module;
    const Edition& m_edition;
};

} // namespace quillon
