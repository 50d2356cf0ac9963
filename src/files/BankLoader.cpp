#include "files/BankLoader.h"

#include <QFileInfo>

#include "core/WaveformFile.h"

namespace quillon
{

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
    if (auto failure = readLoadedFile(path, m_edition, file))
        return failure;
    apply(file);
    return std::nullopt;
}

} // namespace quillon
