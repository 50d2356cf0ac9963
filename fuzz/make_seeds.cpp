// Writes the generated seed inputs of the fuzz targets: frame streams, bank files and waveform
// files as the program and the instrument produce them. Bank files are large (672,000 bytes),
// so they are made at build time rather than kept in the source tree.
//
// make_seeds <folder>: writes <folder>/frame_decoder, <folder>/bank_reader and
// <folder>/waveform_reader.
#include "core/BankFile.h"
#include "core/FrameEncoder.h"
#include "core/Module1.h"
#include "core/WaveformFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>

using namespace quillon;

namespace
{

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_seeds: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A plausible record: the sample echo, menu values as the instrument writes them, a memory
// number, a DAC table and a few note lines; 255 among the samples and in the notes.
Record instrumentRecord(int memory, quint32 seed)
{
    QRandomGenerator random(seed);
    Record r{};
    writeSampleEcho(r);
    for (int p = 0; p <= 250; p += 1 + int(random.bounded(9)))
        r[p] = std::int16_t(random.bounded(256));
    r[40] = 255;
    for (int p = 260; p <= 840; ++p)
        r[p] = ' ';
    putText(r, 260, "0.00   ");
    putText(r, 267, "125    ");
    putText(r, 274, "3250   ");
    putText(r, 288, "46.0   ");
    putText(r, 295, "ON     ");
    putText(r, 302, "20.5   ");
    putText(r, 309, "30     ");
    putText(r, 316, "40     ");
    char number[8];
    std::snprintf(number, sizeof number, "%-3d", memory);
    putText(r, kMemoryNumberPos, number);
    putText(r, 431, "ON 6/14");
    putText(r, 515, "12:30 01/02/26 ");
    putText(r, 525, "123.4");
    for (int k = 0; k < kDacPoints; ++k) {
        r[kDacFirst + 2 * k] = std::int16_t(25 * k);
        r[kDacFirst + 2 * k + 1] = std::int16_t(200 - 20 * k);
    }
    putText(r, kNoteFirst, "RAIL 60E1 KM 12.5");
    putText(r, kNoteFirst + 20, "WELD 7 CRACK?");
    r[kNoteFirst + 60] = 255;
    return r;
}

// Two bytes that choose how the frame fuzz target cuts the stream, then the stream.
QByteArray frameInput(quint16 pieces, const QByteArray& stream)
{
    QByteArray input;
    input.append(char(pieces & 0xff));
    input.append(char(pieces >> 8));
    return input + stream;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <folder>\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const char* target : {"frame_decoder", "bank_reader", "waveform_reader"})
        if (!out.mkpath(QString::fromLatin1(target)))
            return 1;
    bool ok = true;
    const auto put = [&](const char* name, const QByteArray& bytes) {
        ok = writeFile(out.filePath(QString::fromLatin1(name)), bytes) && ok;
    };

    // Frame streams.
    FrameExtras plain;
    FrameExtras awkward;
    awkward.partAFirst = 255;
    awkward.partALast = 255; // skipped, not the second marker
    awkward.gap = QByteArray("\x00\x10\x20\xfe", 4);
    awkward.filler = char(255);
    const QByteArray one = encodeFrame(instrumentRecord(7, 1), plain);
    put("frame_decoder/one_frame", frameInput(0x0000, one));
    put("frame_decoder/noise_then_frame", frameInput(0x1234, QByteArray("\x01\x02\xfe", 3) + one));
    put("frame_decoder/three_frames",
        frameInput(0xbeef, encodeFrame(instrumentRecord(12, 2), awkward) +
                               encodeFrame(instrumentRecord(200, 3), plain) +
                               QByteArray(5, '\x00') +
                               encodeFrame(instrumentRecord(201, 4), awkward)));
    put("frame_decoder/cut_short", frameInput(0x0101, one + one.left(700)));

    // Bank files.
    Module1 module;
    module.startUp();
    put("bank_reader/startup.dat", writeBank(module.membank));
    Bank bank = module.membank;
    for (int memory : {1, 7, 12, 125, 200})
        bank[memory - 1] = instrumentRecord(memory, quint32(memory));
    bank[2] = instrumentRecord(30, 30); // memory 3 holding a record that reads 30: no mark
    const QByteArray file = writeBank(bank);
    put("bank_reader/received.dat", file);
    put("bank_reader/longer_tail.dat", file + QByteArray("17  0   255 ", 12));
    QByteArray cut = file.left(100000 * kBankFileFieldWidth);
    put("bank_reader/cut_short.dat", cut);

    // Waveform files.
    put("waveform_reader/smallest.awv", writeWaveform(instrumentRecord(7, 7)));
    put("waveform_reader/largest.awv", writeWaveform(instrumentRecord(150, 8), kWaveformMaxSize));
    put("waveform_reader/typical.awv", writeWaveform(instrumentRecord(33, 9), 1400));
    return ok ? 0 : 1;
}
