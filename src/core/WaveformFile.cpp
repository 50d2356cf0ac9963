#include "core/WaveformFile.h"

#include <QCoreApplication>

namespace quillon
{

namespace
{
constexpr int kFileShift = 1; // part B stands one byte later in a file than in rawframe
}

QString waveformSizeProblem(qint64 size)
{
    if (size < kWaveformMinSize)
        return QCoreApplication::translate(
                   "WaveformFile", "a waveform file needs at least %1 bytes, this one has %2")
            .arg(kWaveformMinSize)
            .arg(size);
    if (isBankFileSize(size))
        return QCoreApplication::translate("WaveformFile",
                                           "a file of %1 bytes is a bank file, not a waveform file "
                                           "(waveform files have fewer than %2 bytes)")
            .arg(size)
            .arg(kWaveformMaxSize + 1);
    return {};
}

bool readWaveform(QByteArrayView file, RawFrame& rawframe, QString* error)
{
    if (const QString problem = waveformSizeProblem(file.size()); !problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    for (int j = 1; j <= kWaveformLastOffset; ++j)
        rawframe[j] = static_cast<unsigned char>(file[j]);
    return true;
}

void get_data(const RawFrame& rawframe, Record& record)
{
    forEachCarriedPosition([&](int position, int index) { record[position] = rawframe[index]; },
                           kFileShift);
}

QByteArray writeWaveform(const Record& record, int size)
{
    Q_ASSERT(size >= kWaveformMinSize);
    QByteArray file(size, '\0');
    for (int j = 1; j <= kWaveformLastOffset; ++j)
        file[j] = ' ';
    forEachCarriedPosition([&](int position, int index) { file[index] = char(record[position]); },
                           kFileShift);
    return file;
}

} // namespace quillon
