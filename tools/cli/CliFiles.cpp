#include "CliFiles.h"

#include "CliCommand.h"
#include "core/LoadedFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace quillon::cli
{

namespace
{
constexpr qint64 kPiece = 64 * 1024;

// True, after one stderr line, when there was a failure.
bool failed(const std::optional<FileFailure>& failure)
{
    if (failure)
        err(briefText(*failure));
    return failure.has_value();
}
} // namespace

std::unique_ptr<BankFileContents> readBankInput(const QString& path)
{
    auto contents = std::make_unique<BankFileContents>();
    return failed(readBankFile(path, *contents)) ? nullptr : std::move(contents);
}

bool loadBankInto(Module1& module, const QString& path)
{
    const auto contents = readBankInput(path);
    if (contents)
        module.loadBank(*contents, QFileInfo(path).absoluteFilePath());
    return contents != nullptr;
}

bool openInput(InputFile& file, const QString& path)
{
    return !failed(file.open(path));
}

bool decodeFrames(InputFile& file, FrameDecoder& decoder, const std::function<bool()>& frameDone)
{
    QByteArray piece;
    while (true) {
        if (failed(file.read(kPiece, piece)))
            return false;
        if (piece.isEmpty())
            return true;
        QByteArrayView rest(piece);
        while (!rest.isEmpty()) {
            bool complete = false;
            rest = rest.sliced(decoder.feed(rest, &complete));
            if (complete && !frameDone())
                return true;
        }
    }
}

int writeOutput(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty() || path == QLatin1String("-")) {
        out(bytes);
        if (std::ferror(stdout))
            return fail(DeviceFailure, QStringLiteral("standard output: write failed"));
        return Success;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(DeviceFailure, path + QStringLiteral(": ") + file.errorString());
    return Success;
}

} // namespace quillon::cli
