// Waveform files: sizes, the offsets that reach the record, and what stays untouched.
#include "core/WaveformFile.h"
#include "support/Records.h"

#include <QTest>

using namespace quillon;
using test::waveformBytes;

namespace
{
constexpr std::int16_t kBefore = 99; // what the record on display held before the import

// The record after importing a file made from `sent` into a record holding kBefore everywhere.
Record expectedAfterImport(const Record& sent)
{
    Record r = test::filledRecord(kBefore);
    for (int p = 0; p <= 250; ++p)
        r[p] = sent[p];
    for (int p = 260; p <= 802; ++p)
        r[p] = sent[p];
    return r;
}

bool import(const QByteArray& file, Record& record, QString* error = nullptr)
{
    RawFrame rawframe{};
    if (!readWaveform(file, rawframe, error))
        return false;
    get_data(rawframe, record);
    return true;
}
} // namespace

class WaveformFileTest : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("imported");
        QTest::addColumn<bool>("bankFile");
        QTest::newRow("empty") << 0 << false << false;
        QTest::newRow("1,140 bytes") << 1140 << false << false;
        QTest::newRow("1,141 bytes") << 1141 << true << false;
        QTest::newRow("5,000 bytes") << 5000 << true << false;
        QTest::newRow("9,999 bytes") << 9999 << true << false;
        QTest::newRow("10,000 bytes is a bank file") << 10000 << false << true;
        QTest::newRow("672,000 bytes") << 672000 << false << true;
    }

    void sizes()
    {
        QFETCH(int, size);
        QFETCH(bool, imported);
        QFETCH(bool, bankFile);
        QCOMPARE(isBankFileSize(size), bankFile);
        RawFrame rawframe{};
        QString error;
        QCOMPARE(readWaveform(QByteArray(size, 'x'), rawframe, &error), imported);
        QCOMPARE(error.isEmpty(), imported);
        if (!imported)
            QVERIFY2(error.contains(QString::number(size)), qPrintable(error));
    }

    void mappedOffsetsReachTheRecord_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("1,141 bytes") << 1141;
        QTest::newRow("9,999 bytes") << 9999;
    }

    void mappedOffsetsReachTheRecord()
    {
        QFETCH(int, size);
        const Record sent = test::randomRecord(31);
        Record r = test::filledRecord(kBefore);
        QVERIFY(import(waveformBytes(sent, size), r));
        const Record expected = expectedAfterImport(sent);
        for (int p = 0; p <= 1000; ++p)
            QCOMPARE(int(r[p]), int(expected[p]));
    }

    void offsets1138To1140ReachOnlyRawframe()
    {
        Record sent = test::randomRecord(2);
        QByteArray file = waveformBytes(sent, 1141);
        file[0] = 'Z';
        file.replace(1138, 3, "abc");
        RawFrame rawframe;
        rawframe.fill(5);
        QVERIFY(readWaveform(file, rawframe, nullptr));
        QCOMPARE(int(rawframe[0]), 5); // offset 0 is not used
        QCOMPARE(int(rawframe[1137]), int(sent[802]));
        QCOMPARE(int(rawframe[1138]), int('a'));
        QCOMPARE(int(rawframe[1140]), int('c'));
        QCOMPARE(int(rawframe[1141]), 5);
        Record r = test::filledRecord(kBefore);
        get_data(rawframe, r);
        QVERIFY(r == expectedAfterImport(sent));
    }

    void memoryNumberFromOffsets480To482()
    {
        QByteArray file(1141, ' ');
        file.replace(480, 3, "007");
        Record r{};
        QVERIFY(import(file, r));
        QCOMPARE(int(r[358]), int('0'));
        QCOMPARE(int(r[360]), int('7'));
        QCOMPARE(memoryNumberOf(r), 7);
    }

    void refusedFileLeavesRawframeUnchanged()
    {
        RawFrame rawframe;
        rawframe.fill(3);
        QVERIFY(!readWaveform(QByteArray(1140, 'x'), rawframe, nullptr));
        QVERIFY(!readWaveform(QByteArray(10000, 'x'), rawframe, nullptr));
        for (std::int16_t v : rawframe)
            QCOMPARE(int(v), 3);
    }

    void writerPutsTheRecordAtTheFilesOffsets()
    {
        const Record sent = test::randomRecord(77);
        const QByteArray written = writeWaveform(sent);
        QCOMPARE(written.size(), 1141);
        const QByteArray reference = waveformBytes(sent, 1141, ' ');
        // Offsets that carry the record are the reference's; offset 0 is not part of the record.
        QCOMPARE(written.mid(1), reference.mid(1));
        QCOMPARE(writeWaveform(sent, 4000).size(), 4000);
    }

    void recordWaveformRecordRoundTrip()
    {
        for (quint32 seed : {5u, 6u, 7u}) {
            const Record sent = test::randomRecord(seed);
            for (int size : {1141, 2000, 9999}) {
                Record r = test::filledRecord(kBefore);
                QVERIFY(import(writeWaveform(sent, size), r));
                QVERIFY(r == expectedAfterImport(sent));
            }
        }
    }
};

QTEST_GUILESS_MAIN(WaveformFileTest)
#include "tst_waveform_file.moc"
