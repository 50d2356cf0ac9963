// quillon-cli import-frames CAPTURE [--into BANK] -o OUT: stores every frame of a captured byte
// stream under the memory number it carries, as the window does with frames the instrument
// sends, and writes the bank as a bank file.
#include "ArchiveOption.h"
#include "CliCommand.h"
#include "CliFiles.h"
#include "core/BankFile.h"
#include "core/FrameDecoder.h"
#include "core/Module1.h"

#include <QFileInfo>

#include <memory>

namespace quillon::cli
{

namespace
{

const QString kUsage = QStringLiteral("import-frames CAPTURE [--into BANK] [--archive DB] -o OUT");

// Loads BANK into the module as opening the bank file in the window would; false after the
// stderr line.
bool loadInto(Module1& module, const QString& path)
{
    const auto contents = readBankFile(path);
    if (!contents)
        return false;
    module.loadBank(*contents, QFileInfo(path).absoluteFilePath());
    return true;
}

int runImportFrames(const QStringList& arguments)
{
    QStringList args = arguments;
    QString into, output, problem;
    if (!takeOption(args, QStringLiteral("--into"), &into, &problem) ||
        !takeOption(args, QStringLiteral("-o"), &output, &problem))
        return usageError(kUsage, problem);
    if (output.isEmpty())
        return usageError(kUsage, QStringLiteral("-o OUT is required"));
    if (args.size() != 1 || args.first().startsWith(u'-'))
        return usageError(kUsage, QStringLiteral("give one capture file"));
    const QString capturePath = args.first();

    QByteArray capture;
    if (!readInputFile(capturePath, capture))
        return BadInput;

    // The working record and the bank start as after a successful start-up.
    auto module = std::make_unique<Module1>();
    module->startUp();
    writeSampleEcho(module->recbuf);
    if (const int status = useArchive(*module); status != Success)
        return status;
    if (!into.isEmpty() && !loadInto(*module, into))
        return BadInput;

    FrameDecoder decoder;
    QByteArrayView rest(capture);
    int frameNumber = 0;
    while (!rest.isEmpty()) {
        bool complete = false;
        const qsizetype used = decoder.feed(rest, &complete);
        rest = rest.sliced(used);
        if (!complete)
            break;
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
    }
    if (decoder.inFrame())
        err(capturePath +
            QStringLiteral(": the capture ends inside a frame; its bytes are dropped"));
    return writeOutput(output, writeBank(module->membank));
}

const bool registered =
    registerCommand({QStringLiteral("import-frames"), kUsage, withArchive(runImportFrames)});

} // namespace

} // namespace quillon::cli
