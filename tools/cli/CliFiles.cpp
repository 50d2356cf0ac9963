#include "CliFiles.h"

#include "CliCommand.h"
#include "core/LoadedFile.h"

#include <QSaveFile>

#include <cstdio>

namespace quillon::cli
{

namespace
{
constexpr qint64 kPiece = 64 * 1024;
}

std::unique_ptr<BankFileContents> readBankInput(const QString& path)
{
    auto contents = std::make_unique<BankFileContents>();
    if (const auto failure = readBankFile(path, *contents)) {
        err(briefText(*failure));
        return nullptr;
    }
    return contents;
}

bool openInput(InputFile& file, const QString& path)
{
    if (const auto failure = file.open(path)) {
        err(briefText(*failure));
        return false;
    }
    return true;
}

bool decodeFrames(InputFile& file, FrameDecoder& decoder, const std::function<bool()>& frameDone)
{
    QByteArray piece;
    while (true) {
        if (const auto failure = file.read(kPiece, piece)) {
            err(briefText(*failure));
            return false;
        }
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
