// The waveform reader and get_data fed arbitrary bytes as a waveform file.
//
// Checked: a file of fewer than 1,141 or more than 9,999 bytes is refused with a reason and
// leaves the raw buffer as it was; any other file fills raw positions 1..1140 with its bytes and
// nothing else; get_data then writes exactly 794 record positions, each a byte value, and never
// 251..259 or 803 on; the record written back as a waveform file reads back the same.
#include "FuzzCheck.h"

#include "core/WaveformFile.h"

#include <QString>

#include <cstdint>

using namespace quillon;

namespace
{
constexpr std::int16_t kBefore = -7; // what the buffers held before the file; never a byte value
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView file(reinterpret_cast<const char*>(data), qsizetype(size));
    RawFrame rawframe;
    rawframe.fill(kBefore);
    QString error;
    const bool ok = readWaveform(file, rawframe, &error);

    const bool usable =
        size >= std::size_t(kWaveformMinSize) && size <= std::size_t(kWaveformMaxSize);
    FUZZ_CHECK(ok == usable);
    if (!ok) {
        FUZZ_CHECK(error.contains(QString::number(size)));
        for (std::int16_t v : rawframe)
            FUZZ_CHECK(v == kBefore);
        return 0;
    }
    FUZZ_CHECK(rawframe[0] == kBefore);
    for (int j = 1; j <= kWaveformLastOffset; ++j)
        FUZZ_CHECK(rawframe[j] == data[j]);
    for (int j = kWaveformLastOffset + 1; j < kRawFrameSize; ++j)
        FUZZ_CHECK(rawframe[j] == kBefore);

    Record record;
    record.fill(kBefore);
    get_data(rawframe, record);
    int written = 0;
    for (int p = 0; p < kRecbufSize; ++p) {
        if (record[p] == kBefore)
            continue;
        FUZZ_CHECK(record[p] >= 0 && record[p] <= 255);
        FUZZ_CHECK(p <= 250 || (p >= 260 && p <= 802));
        ++written;
    }
    FUZZ_CHECK(written == 794);
    for (int p = 0; p <= 250; ++p)
        FUZZ_CHECK(record[p] == data[p + 1]);
    for (int p = 540; p <= 802; ++p)
        FUZZ_CHECK(record[p] == data[p + 335]);

    // Written back and read again: the same record.
    const QByteArray again = writeWaveform(record, int(size));
    FUZZ_CHECK(again.size() == qsizetype(size));
    RawFrame rawAgain;
    rawAgain.fill(kBefore);
    FUZZ_CHECK(readWaveform(again, rawAgain, nullptr));
    Record recordAgain;
    recordAgain.fill(kBefore);
    get_data(rawAgain, recordAgain);
    FUZZ_CHECK(recordAgain == record);
    return 0;
}
