#include "files/BankLoader.h"

#include "core/WaveformFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
// not one, and reading it whole would only tie up memory.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

QString whereInBank(const BankFileError& error)
{
    if (error.memory == 0)
        return error.problem;
    return QStringLiteral("memory %1, position %2: %3")
        .arg(error.memory)
        .arg(error.position)
        .arg(error.problem);
}
} // namespace

std::optional<FileFailure> BankLoader::read(const QString& path, LoadedFile& out) const
{
    const auto fail = [&](FileProblem problem, const QString& detail = {}) {
        return std::optional<FileFailure>(FileFailure{problem, path, detail});
    };
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return fail(FileProblem::NotFound);
    if (info.isDir())
        return fail(FileProblem::CannotRead, QStringLiteral("it is a folder"));
    if (info.size() > kLargestFile)
        return fail(FileProblem::CannotRead,
                    QStringLiteral("it holds %1 bytes, far more than a bank file's %2")
                        .arg(info.size())
                        .arg(kBankFileSize));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(FileProblem::CannotRead, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(FileProblem::CannotRead, file.errorString());
    file.close();

    out.path = path;
    out.kind = fileKindOf(bytes.size(), m_edition);
    if (out.kind == FileKind::Bank) {
        auto contents = std::make_unique<BankFileContents>();
        BankFileError error;
        if (!readBank(bytes, *contents, &error))
            return fail(FileProblem::BadBank, whereInBank(error));
        out.bank = std::move(contents);
    } else {
        RawFrame scratch{};
        QString error;
        if (!readWaveform(bytes, scratch, &error))
            return fail(FileProblem::BadWaveform, error);
        out.waveform = bytes;
    }
    return std::nullopt;
}

void BankLoader::apply(const LoadedFile& file)
{
    if (file.kind == FileKind::Bank) {
        Q_ASSERT(file.bank);
        m_module.loadBank(*file.bank, QFileInfo(file.path).absoluteFilePath());
    } else {
        const bool ok = readWaveform(file.waveform, m_module.rawframe, nullptr);
        Q_ASSERT(ok);
        if (!ok)
            return;
        get_data(m_module.rawframe, m_module.recbuf);
    }
}

std::optional<FileFailure> BankLoader::load(const QString& path)
{
    LoadedFile file;
    if (auto failure = read(path, file))
        return failure;
    apply(file);
    return std::nullopt;
}

} // namespace quillon
