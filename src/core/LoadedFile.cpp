#include "core/LoadedFile.h"

#include <QCoreApplication>

#include "core/BankReader.h"
#include "core/InputFile.h"
#include "core/WaveformFile.h"

namespace quillon
{

FileKind fileKindOf(qint64 size, const Edition& edition)
{
    if (!edition.waveformImport || isBankFileSize(size))
        return FileKind::Bank;
    return FileKind::Waveform;
}

namespace
{
// A bank file is 672,000 bytes (a longer tail after the bank is allowed); anything this large is
// not one.
constexpr qint64 kLargestBankFile = 64 * 1024 * 1024;
// Pieces read up to the bank file's size, and after it, where at most the end of the last number
// and its separator are still to come (or, in a file laid out by hand, a little more).
constexpr qint64 kBankPiece = 64 * 1024;
constexpr qint64 kTailPiece = 4 * 1024;

QString whereInBank(const BankFileError& error)
{
    if (error.memory == 0)
        return error.problem;
    return QCoreApplication::translate("LoadedFile", "memory %1, position %2: %3")
        .arg(error.memory)
        .arg(error.position)
        .arg(error.problem);
}

std::optional<FileFailure> readBankFrom(InputFile& file, const QString& path, BankFileContents& out)
{
    if (file.size() > kLargestBankFile)
        return FileFailure{FileProblem::CannotRead, path,
                           QCoreApplication::translate(
                               "LoadedFile", "it holds %1 bytes, far more than a bank file's %2")
                               .arg(file.size())
                               .arg(kBankFileSize)};
    BankReader reader(out);
    QByteArray piece;
    while (reader.state() == BankReader::State::Reading) {
        const qint64 read = file.position();
        if (auto failure = file.read(
                read < kBankFileSize ? qMin(kBankPiece, kBankFileSize - read) : kTailPiece, piece))
            return failure;
        if (piece.isEmpty())
            reader.finish();
        else
            reader.feed(piece);
    }
    if (reader.state() == BankReader::State::Failed)
        return FileFailure{FileProblem::BadBank, path, whereInBank(reader.error())};
    return std::nullopt;
}

std::optional<FileFailure> readWaveformFrom(InputFile& file, const QString& path, QByteArray& bytes)
{
    const auto bad = [&](const QString& problem) {
        return std::optional<FileFailure>(FileFailure{FileProblem::BadWaveform, path, problem});
    };
    if (const QString problem = waveformSizeProblem(file.size()); !problem.isEmpty())
        return bad(problem);
    // One byte more than a waveform file can hold tells a file that has grown since.
    bytes.clear();
    QByteArray piece;
    do {
        if (auto failure = file.read(kWaveformMaxSize + 1 - bytes.size(), piece))
            return failure;
        bytes += piece;
    } while (!piece.isEmpty() && bytes.size() <= kWaveformMaxSize);
    RawFrame scratch{};
    QString problem;
    if (!readWaveform(bytes, scratch, &problem))
        return bad(problem);
    return std::nullopt;
}
} // namespace

std::optional<FileFailure> readBankFile(const QString& path, BankFileContents& out)
{
    InputFile file;
    if (auto failure = file.open(path))
        return failure;
    return readBankFrom(file, path, out);
}

std::optional<FileFailure> readWaveformFile(const QString& path, QByteArray& bytes)
{
    InputFile file;
    if (auto failure = file.open(path))
        return failure;
    return readWaveformFrom(file, path, bytes);
}

std::optional<FileFailure> readLoadedFile(const QString& path, const Edition& edition,
                                          LoadedFile& out)
{
    InputFile file;
    if (auto failure = file.open(path))
        return failure;
    out.path = path;
    out.kind = fileKindOf(file.size(), edition);
    if (out.kind == FileKind::Waveform)
        return readWaveformFrom(file, path, out.waveform);
    auto contents = std::make_unique<BankFileContents>();
    if (auto failure = readBankFrom(file, path, *contents))
        return failure;
    out.bank = std::move(contents);
    return std::nullopt;
}

} // namespace quillon
