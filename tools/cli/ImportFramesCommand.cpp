// quillon-cli import-frames CAPTURE [--into BANK] -o OUT: stores every frame of a captured byte
// stream under the memory number it carries, as the window does with frames the instrument
// sends, and writes the bank as a bank file.
#include "ArchiveOption.h"
#include "CliCommand.h"
#include "CliFiles.h"
#include "CommandLine.h"
#include "Commands.h"
#include "core/BankFile.h"
#include "core/FrameDecoder.h"
#include "core/Module1.h"

#include <memory>

namespace quillon::cli
{

namespace
{

int importFrames(const QStringList& args, const QString& usage)
{
    CommandLine line({QStringLiteral("--into"), QStringLiteral("-o")}, args);
    if (!line.missingValue().isEmpty())
        return usageError(usage, line.missingValue() + QStringLiteral(" needs a value"));
    const QString into = line.value(QStringLiteral("--into"));
    const QString output = line.value(QStringLiteral("-o"));
    if (output.isEmpty())
        return usageError(usage, QStringLiteral("-o OUT is required"));
    if (line.rest().size() != 1 || line.rest().first().startsWith(u'-'))
        return usageError(usage, QStringLiteral("give one capture file"));
    const QString capturePath = line.rest().first();

    InputFile capture;
    if (!openInput(capture, capturePath))
        return BadInput;

    // The working record and the bank start as after a successful start-up.
    auto module = std::make_unique<Module1>();
    module->startUp();
    writeSampleEcho(module->recbuf);
    if (const int status = useArchive(*module); status != Success)
        return status;
    if (!into.isEmpty() && !loadBankInto(*module, into))
        return BadInput;

    FrameDecoder decoder;
    int frameNumber = 0;
    const bool read = decodeFrames(capture, decoder, [&] {
        ++frameNumber;
        copyFrameInto(decoder.frame(), module->rawframe);
        applyFrame(module->rawframe, module->recbuf);
        const int memory = memoryNumberOf(module->recbuf);
        if (isStorableMemory(memory))
            module->store(memory - 1, module->recbuf, {StoreKind::Received, capturePath});
        else
            err(capturePath + QStringLiteral(": frame %1 not stored: %2")
                                  .arg(frameNumber)
                                  .arg(memoryNumberProblem(memory)));
        return true;
    });
    if (!read)
        return BadInput;
    if (decoder.inFrame())
        err(capturePath +
            QStringLiteral(": the capture ends inside a frame; its bytes are dropped"));
    return writeOutput(output, writeBank(module->membank));
}

} // namespace

int runImportFrames(const QStringList& args, const QString& usage)
{
    return withArchive(importFrames, args, usage);
}

} // namespace quillon::cli
