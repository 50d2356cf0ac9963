#pragma once

#include "core/Module1.h"
#include "core/FileFailure.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace quillon
{

// Writes the bank (memories 1..200, positions 0..839) into a bank file. The file is written
// beside its final place and then put in place in one step: a file of that name holds either
// its old contents or the whole new bank, never a mix, whatever happens part-way.
class BankSaver
{
public:
    explicit BankSaver(Module1& module) : m_module(module) {}

    // Saves into the file `name` of `folder` (path rule; the name is used as typed). On success
    // the bank counts as saved. On failure nothing changes, neither the bank nor a file there.
    std::optional<FileFailure> save(const QString& folder, const QString& name);
    std::optional<FileFailure> saveTo(const QString& path);

    // The file write itself: the whole of `bytes` or nothing.
    static std::optional<FileFailure> writeFile(const QString& path, const QByteArray& bytes);

private:
    Module1& m_module;
};

} // namespace quillon
