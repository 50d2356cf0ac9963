// Frames as the instrument sends them: decoding in any chunking, the frame-to-record tables,
// and the encoder used by the simulated instrument.
#include "core/FrameDecoder.h"
#include "core/FrameEncoder.h"
#include "support/Records.h"

#include <QTest>

using namespace quillon;
using test::frameBytes;
using test::FrameOptions;

namespace
{
constexpr std::int16_t kUntouched = 99; // what the record held before the frame

// A record with 255 among the samples, in the menu text and in the notes.
Record sampleRecord()
{
    Record r = test::randomRecord(7);
    r[0] = 255;
    r[17] = 255;
    r[250] = 255;
    r[300] = 255;
    r[700] = 255;
    r[801] = 255;
    return r;
}

// What a record holds after a frame of `sent` arrived into a record that held kUntouched
// everywhere: the frame's positions, position 802 from the raw buffer's position 1136.
Record expectedAfterFrame(const Record& sent, std::int16_t raw1136 = 0)
{
    Record r = test::filledRecord(kUntouched);
    for (int p = 0; p <= 250; ++p)
        r[p] = sent[p];
    for (const test::Group& g : test::kGroups)
        for (int k = 0; k < g.count; ++k)
            r[g.record + k] = sent[g.record + k];
    for (int p = 540; p <= 801; ++p)
        r[p] = sent[p];
    r[802] = raw1136;
    return r;
}

// Feeds `bytes` in pieces that end at the given offsets; returns the decoded records, in order.
QList<Record> decodeAll(const QByteArray& bytes, const QList<int>& cuts)
{
    QList<Record> records;
    FrameDecoder decoder;
    int from = 0;
    QList<int> ends = cuts;
    ends.append(int(bytes.size()));
    for (int end : ends) {
        QByteArrayView piece(bytes.constData() + from, end - from);
        while (!piece.isEmpty()) {
            bool complete = false;
            const qsizetype used = decoder.feed(piece, &complete);
            piece = piece.sliced(used);
            if (complete) {
                Record r = test::filledRecord(kUntouched);
                applyFrame(decoder.frame(), r);
                records.append(r);
            }
        }
        from = end;
    }
    return records;
}
} // namespace

class FrameDecoderTest : public QObject
{
    Q_OBJECT

private slots:
    void wholeFrameFillsTheRecordByTheTables()
    {
        const Record sent = sampleRecord();
        const QByteArray frame = frameBytes(sent);
        QCOMPARE(frame.size(), 1 + 253 + 1 + 1 + 876);
        FrameDecoder decoder;
        bool complete = false;
        QCOMPARE(decoder.feed(frame, &complete), frame.size());
        QVERIFY(complete);
        Record r = test::filledRecord(kUntouched);
        applyFrame(decoder.frame(), r);
        const Record expected = expectedAfterFrame(sent);
        for (int p = 0; p <= 1000; ++p)
            QCOMPARE(int(r[p]), int(expected[p]));
    }

    void frameSplitAnywhere_data()
    {
        QTest::addColumn<int>("cut");
        const int size = int(frameBytes(Record{}).size());
        for (int cut = 1; cut < size; ++cut)
            QTest::addRow("cut after byte %d", cut) << cut;
    }

    void frameSplitAnywhere()
    {
        QFETCH(int, cut);
        const Record sent = sampleRecord();
        const QList<Record> got = decodeAll(frameBytes(sent), {cut});
        QCOMPARE(got.size(), 1);
        QVERIFY(got[0] == expectedAfterFrame(sent));
    }

    void oneByteAtATime()
    {
        const Record sent = sampleRecord();
        const QByteArray frame = QByteArray("\x00\x10\xfe", 3) + frameBytes(sent);
        FrameDecoder decoder;
        for (qsizetype i = 0; i < frame.size(); ++i) {
            bool complete = false;
            QCOMPARE(decoder.feed(QByteArrayView(frame.constData() + i, 1), &complete),
                     qsizetype(1));
            QCOMPARE(complete, i == frame.size() - 1);
        }
        Record r = test::filledRecord(kUntouched);
        applyFrame(decoder.frame(), r);
        QVERIFY(r == expectedAfterFrame(sent));
    }

    void framesWithDifferentFraming_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("gap");
        QTest::addColumn<char>("partALast");
        QTest::newRow("nothing before, one gap byte")
            << QByteArray() << QByteArray(1, '\0') << char(0);
        QTest::newRow("noise before the start byte")
            << QByteArray("\x01\x02\xfe noise \x7f", 11) << QByteArray(1, '\0') << char(0);
        QTest::newRow("no gap: the second 255 follows byte 253")
            << QByteArray() << QByteArray() << char(0);
        QTest::newRow("byte 253 is 255 and is not the marker")
            << QByteArray() << QByteArray(3, 'g') << char(255);
        QTest::newRow("byte 253 is 255, no gap") << QByteArray() << QByteArray() << char(255);
        QTest::newRow("long gap") << QByteArray() << QByteArray(5000, '\x7f') << char(1);
        QTest::newRow("gap of every other value") << QByteArray() << [] {
            QByteArray g;
            for (int v = 0; v < 255; ++v)
                g += char(v);
            return g;
        }() << char(0);
    }

    void framesWithDifferentFraming()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, gap);
        QFETCH(char, partALast);
        const Record sent = sampleRecord();
        // Labels of 255 in part B are data too.
        const FrameOptions options{
            .gap = gap, .partAFirst = char(255), .partALast = partALast, .filler = char(255)};
        const QByteArray stream = before + frameBytes(sent, options);
        for (const QList<int>& cuts :
             {QList<int>{}, QList<int>{1}, QList<int>{int(stream.size()) / 2}}) {
            const QList<Record> got = decodeAll(stream, cuts);
            QCOMPARE(got.size(), 1);
            QVERIFY(got[0] == expectedAfterFrame(sent));
        }
    }

    void stopsAfterTheLastByteOfPartB()
    {
        const QByteArray frame = frameBytes(sampleRecord());
        const QByteArray stream = frame + QByteArray("\xff\x01\x02", 3);
        FrameDecoder decoder;
        bool complete = false;
        QCOMPARE(decoder.feed(stream, &complete), frame.size());
        QVERIFY(complete);
        QVERIFY(!decoder.inFrame());
    }

    void twoFramesInOneStream()
    {
        const Record first = sampleRecord();
        const Record second = test::randomRecord(99);
        const QByteArray stream =
            QByteArray("zz") + frameBytes(first) + QByteArray("\x00\x01", 2) + frameBytes(second);
        const QList<Record> got = decodeAll(stream, {700, 1500});
        QCOMPARE(got.size(), 2);
        QVERIFY(got[0] == expectedAfterFrame(first));
        QVERIFY(got[1] == expectedAfterFrame(second));
    }

    void resetAbandonsAPartFrame()
    {
        const Record sent = sampleRecord();
        const QByteArray frame = frameBytes(test::randomRecord(1));
        FrameDecoder decoder;
        bool complete = false;
        decoder.feed(frame.left(600), &complete); // stops midway through part B
        QVERIFY(!complete);
        QVERIFY(decoder.inFrame());
        decoder.reset();
        QVERIFY(!decoder.inFrame());
        const QByteArray next = frameBytes(sent);
        QCOMPARE(decoder.feed(next, &complete), next.size());
        QVERIFY(complete);
        Record r = test::filledRecord(kUntouched);
        applyFrame(decoder.frame(), r);
        QVERIFY(r == expectedAfterFrame(sent));
    }

    void statesFollowTheFrame()
    {
        using S = FrameDecoder::State;
        const QByteArray frame = frameBytes(sampleRecord(), {.gap = QByteArray(2, 'g')});
        FrameDecoder decoder;
        bool complete = false;
        const auto feedTo = [&](int end, int from) {
            decoder.feed(QByteArrayView(frame.constData() + from, end - from), &complete);
        };
        QCOMPARE(decoder.state(), S::Searching);
        feedTo(1, 0); // the start byte
        QCOMPARE(decoder.state(), S::PartA);
        feedTo(253, 1); // part A bytes 1..252
        QCOMPARE(decoder.state(), S::SkipByte);
        feedTo(254, 253); // byte 253
        QCOMPARE(decoder.state(), S::Gap);
        feedTo(256, 254); // the gap
        QCOMPARE(decoder.state(), S::Gap);
        feedTo(257, 256); // the second 255
        QCOMPARE(decoder.state(), S::PartB);
        feedTo(int(frame.size()), 257);
        QVERIFY(complete);
        QCOMPARE(decoder.state(), S::Searching);
    }

    void rawPositionsOfAFrame()
    {
        Record sent{};
        for (int p = 0; p <= 250; ++p)
            sent[p] = std::int16_t(p);
        const QByteArray frame =
            frameBytes(sent, {.partAFirst = 'F', .partALast = 'L', .filler = '.'});
        FrameDecoder decoder;
        bool complete = false;
        decoder.feed(frame, &complete);
        QVERIFY(complete);
        const RawFrame& raw = decoder.frame();
        QCOMPARE(int(raw[0]), int('F'));
        for (int i = 1; i <= 251; ++i)
            QCOMPARE(int(raw[i]), i - 1);
        for (int i = 252; i <= 259; ++i) // byte 253 and the gap are not kept
            QCOMPARE(int(raw[i]), 0);
        QCOMPARE(int(raw[260]), int('.')); // part B offset 0
        QCOMPARE(int(raw[1135]), 0);       // part B offset 875 (record position 801)
        for (int i = 1136; i <= 1200; ++i)
            QCOMPARE(int(raw[i]), 0);

        // copyFrameInto writes only the positions a frame carries.
        RawFrame rawframe;
        rawframe.fill(7);
        copyFrameInto(raw, rawframe);
        QCOMPARE(int(rawframe[0]), int('F'));
        QCOMPARE(int(rawframe[255]), 7);
        QCOMPARE(int(rawframe[260]), int('.'));
        QCOMPARE(int(rawframe[1136]), 7);
    }

    void position802TakesRawframe1136()
    {
        const Record sent = sampleRecord();
        FrameDecoder decoder;
        bool complete = false;
        decoder.feed(frameBytes(sent), &complete);
        RawFrame rawframe{};
        rawframe[1136] = 42; // left by an earlier waveform import
        copyFrameInto(decoder.frame(), rawframe);
        Record r = test::filledRecord(kUntouched);
        applyFrame(rawframe, r);
        QVERIFY(r == expectedAfterFrame(sent, 42));
    }

    void memoryNumberCarriedByTheFrame()
    {
        Record sent = test::spaceRecord();
        putText(sent, 358, "007    ");
        const QList<Record> got = decodeAll(frameBytes(sent), {});
        QCOMPARE(got.size(), 1);
        QCOMPARE(memoryNumberOf(got[0]), 7);
    }

    void encoderWritesTheInstrumentsLayout()
    {
        const Record sent = sampleRecord();
        const FrameExtras extras{.partAFirst = 3, .partALast = 255, .gap = "gap", .filler = '-'};
        const FrameOptions options{
            .gap = "gap", .partAFirst = 3, .partALast = char(255), .filler = '-'};
        QCOMPARE(encodeFrame(sent, extras), frameBytes(sent, options));
        QCOMPARE(encodeFrame(sent), frameBytes(sent, FrameOptions{QByteArray(1, '\0'), 0, 0, ' '}));
    }

    void recordFrameRecordRoundTrip()
    {
        for (quint32 seed : {1u, 2u, 3u, 4u}) {
            const Record sent = test::randomRecord(seed);
            const QList<Record> got = decodeAll(encodeFrame(sent), {});
            QCOMPARE(got.size(), 1);
            QVERIFY(got[0] == expectedAfterFrame(sent));
        }
    }
};

QTEST_GUILESS_MAIN(FrameDecoderTest)
#include "tst_frame_decoder.moc"
