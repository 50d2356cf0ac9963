// Bank files: the bytes the writer produces, the validating reader and the list marks.
#include "core/BankFile.h"
#include "core/BankReader.h"
#include "core/Module1.h"
#include "support/Records.h"

#include <QTest>

#include <memory>

using namespace quillon;

namespace
{
// Byte offset of the field of memory N, position p.
qsizetype offsetOf(int memory, int position)
{
    return 4 * (qsizetype(memory - 1) * 840 + position);
}

std::unique_ptr<Bank> startUpBank()
{
    auto m = std::make_unique<Module1>();
    m->startUp();
    return std::make_unique<Bank>(m->membank);
}

std::unique_ptr<Bank> randomBank(quint32 seed)
{
    auto bank = std::make_unique<Bank>();
    for (int row = 0; row < 201; ++row)
        (*bank)[row] = test::randomRecord(seed + quint32(row));
    return bank;
}

// Fields of the given values as the format writes them, one after another.
QByteArray fields(const QList<int>& values)
{
    QByteArray out;
    for (int v : values)
        out += QByteArray::number(v).leftJustified(4, ' ', true);
    return out;
}

// A bank file whose every value is `value`, written field by field from the format's rules.
QByteArray uniformFile(int value, int fieldCount = 168000)
{
    const QByteArray field = QByteArray::number(value).leftJustified(4, ' ');
    QByteArray out;
    out.reserve(4 * fieldCount);
    for (int i = 0; i < fieldCount; ++i)
        out += field;
    return out;
}
} // namespace

class BankFileTest : public QObject
{
    Q_OBJECT

private slots:
    void workedExampleBytes()
    {
        auto bank = startUpBank();
        (*bank)[0][0] = 0;
        (*bank)[0][1] = 32;
        (*bank)[0][2] = 255;
        const QByteArray file = writeBank(*bank);
        QCOMPARE(file.size(), 672000);
        QCOMPARE(file.left(12), QByteArray::fromHex("302020203332202032353520"));
    }

    void fieldsOfOddValues_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("255") << 255 << QByteArray::fromHex("32353520");
        QTest::newRow("0") << 0 << QByteArray::fromHex("30202020");
        QTest::newRow("17") << 17 << QByteArray::fromHex("31372020");
        QTest::newRow("negative") << -5 << QByteArray("-5  ");
        QTest::newRow("four characters") << 1000 << QByteArray("1000");
        QTest::newRow("minus and three digits") << -100 << QByteArray("-100");
        QTest::newRow("longer texts are cut to four") << 12345 << QByteArray("1234");
        QTest::newRow("negative, cut") << -1234 << QByteArray("-123");
    }

    void fieldsOfOddValues()
    {
        QFETCH(int, value);
        QFETCH(QByteArray, field);
        auto bank = startUpBank();
        (*bank)[36][500] = std::int16_t(value);
        QCOMPARE(writeBank(*bank).mid(offsetOf(37, 500), 4), field);
    }

    void fieldOffsetsOfTheWorkedExample()
    {
        auto bank = startUpBank();
        (*bank)[1][0] = 123;
        (*bank)[199][839] = 201;
        (*bank)[0][839] = 77;
        const QByteArray file = writeBank(*bank);
        QCOMPARE(offsetOf(2, 0), qsizetype(3360));
        QCOMPARE(offsetOf(200, 839), qsizetype(671996));
        QCOMPARE(file.mid(3360, 4), QByteArray("123 "));
        QCOMPARE(file.mid(3356, 4), QByteArray("77  "));
        QCOMPARE(file.mid(671996), QByteArray("201 "));
    }

    void startUpBankFile()
    {
        const QByteArray file = writeBank(*startUpBank());
        QCOMPARE(file.size(), 672000);
        QByteArray memory;
        for (int p = 0; p <= 839; ++p)
            memory += p <= 260 ? "0   " : p <= 599 ? "32  " : "0   ";
        for (int m = 1; m <= 200; ++m)
            QCOMPARE(file.mid(offsetOf(m, 0), 3360), memory);
    }

    void position840AndRow200NeverReachTheFile()
    {
        auto bank = randomBank(5);
        const QByteArray before = writeBank(*bank);
        for (auto& row : *bank)
            row[840] = 1;
        (*bank)[200].fill(3);
        QCOMPARE(writeBank(*bank), before);
    }

    void savingTwiceGivesIdenticalFiles()
    {
        auto bank = randomBank(8);
        QCOMPARE(writeBank(*bank), writeBank(*bank));
    }

    void bankFileBankRoundTrip()
    {
        auto bank = randomBank(21);
        auto contents = std::make_unique<BankFileContents>();
        BankFileError error;
        QVERIFY(readBank(writeBank(*bank), *contents, &error));
        for (int row = 0; row < 200; ++row)
            for (int p = 0; p <= 839; ++p)
                QCOMPARE(int(contents->bank[row][p]), int((*bank)[row][p]));
    }

    void separatorsAndSigns_data()
    {
        QTest::addColumn<QByteArray>("start"); // the file's first numbers
        QTest::addColumn<QList<int>>("values");
        QTest::newRow("fields") << fields({0, 32, 255}) << QList<int>{0, 32, 255};
        QTest::newRow("commas") << QByteArray("1,2,3 ") << QList<int>{1, 2, 3};
        QTest::newRow("line ends") << QByteArray("4\r\n5\n6 ") << QList<int>{4, 5, 6};
        QTest::newRow("runs of spaces") << QByteArray("   7      8 9 ") << QList<int>{7, 8, 9};
        QTest::newRow("leading zeros") << QByteArray("007 010 000 ") << QList<int>{7, 10, 0};
        QTest::newRow("plus sign") << QByteArray("+5 ") << QList<int>{5};
        QTest::newRow("minus zero") << QByteArray("-0 ") << QList<int>{0};
    }

    void separatorsAndSigns()
    {
        QFETCH(QByteArray, start);
        QFETCH(QList<int>, values);
        const QByteArray file = start + uniformFile(9, 168000 - int(values.size()));
        auto contents = std::make_unique<BankFileContents>();
        BankFileError error;
        QVERIFY2(readBank(file, *contents, &error), qPrintable(error.message("x")));
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(int(contents->bank[0][i]), values[i]);
        QCOMPARE(int(contents->bank[0][values.size()]), 9);
        QCOMPARE(int(contents->bank[199][839]), 9);
    }

    void tailAfterTheLastNumberIsIgnored()
    {
        // A file written over a longer one keeps the longer one's tail.
        for (const QByteArray& tail :
             {QByteArray("12  34  "), QByteArray("garbage 999 -1 x"), QByteArray(1000, '\0')}) {
            const QByteArray file = uniformFile(17) + tail;
            auto contents = std::make_unique<BankFileContents>();
            BankFileError error;
            QVERIFY(readBank(file, *contents, &error));
            QCOMPARE(int(contents->bank[199][839]), 17);
        }
    }

    void unusableFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("memory");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("says");
        const auto row = [](const char* name, const QByteArray& file, int memory, int position,
                            const char* says) {
            QTest::newRow(name) << file << memory << position << QString::fromLatin1(says);
        };
        row("empty", QByteArray(), 1, 0, "ends");
        // A file that stops after 100,000 fields: memories 1..119 whole, memory 120 has 40 values.
        row("stops after 100,000 fields", uniformFile(5, 100000), 120, 40, "ends");
        row("one field short", uniformFile(5, 167999), 200, 839, "ends");
        row("spaces only at the end", uniformFile(5, 167999) + QByteArray(40, ' '), 200, 839,
            "ends");
        row("a word", uniformFile(5, 4 * 840 + 7) + "abc " + uniformFile(5), 5, 7, "not a number");
        row("digits then letters", uniformFile(5, 12) + "12x " + uniformFile(5), 1, 12,
            "not a number");
        row("decimal point", uniformFile(5, 840) + "1.5 " + uniformFile(5), 2, 0, "not a number");
        row("sign alone", uniformFile(5, 3) + "- " + uniformFile(5), 1, 3, "not a number");
        row("tab is no separator", uniformFile(5, 3) + "1\t2 " + uniformFile(5), 1, 3,
            "not a number");
        row("256 in the last field", uniformFile(5, 167999) + "256 ", 200, 839, "0 to 255");
        row("negative", uniformFile(5, 2 * 840 + 358) + "-1  " + uniformFile(5), 3, 358,
            "0 to 255");
        row("1000 runs into the next field", uniformFile(5, 10) + "10005   " + uniformFile(5), 1,
            10, "0 to 255");
        row("huge", uniformFile(5, 1) + "99999999999999999999 " + uniformFile(5), 1, 1, "0 to 255");
    }

    void unusableFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, memory);
        QFETCH(int, position);
        QFETCH(QString, says);
        auto contents = std::make_unique<BankFileContents>();
        BankFileError error;
        QVERIFY(!readBank(file, *contents, &error));
        QCOMPARE(error.memory, memory);
        QCOMPARE(error.position, position);
        QVERIFY2(error.problem.contains(says), qPrintable(error.problem));
    }

    void errorMessageNamesFileMemoryAndPosition()
    {
        auto contents = std::make_unique<BankFileContents>();
        BankFileError error;
        QVERIFY(!readBank(uniformFile(5, 2 * 840 + 358) + "-1  ", *contents, &error));
        const QString message = error.message(QStringLiteral("/tmp/bank.dat"));
        QVERIFY2(message.startsWith(QStringLiteral("/tmp/bank.dat")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("memory 3")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("position 358")), qPrintable(message));
        QVERIFY(!message.contains(u'\n'));
    }

    void piecesReadAsTheWholeFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("piece");
        auto bank = randomBank(34);
        (*bank)[4][358] = '5';
        const QByteArray good = writeBank(*bank);
        QByteArray spread = good;
        spread.replace("  ", " \r\n,");
        const QList<QPair<const char*, QByteArray>> files{
            {"a bank and a tail", good + "12 x"},
            {"separators of every kind", spread},
            {"cut short", good.left(400001)},
            {"256 in the last field", uniformFile(5, 167999) + "256"},
            {"a long word", uniformFile(5, 700) + QByteArray(100, 'x') + ' ' + uniformFile(5)},
            {"a long number", uniformFile(5, 900) + QByteArray(50, '9') + ' ' + uniformFile(5)},
            {"a long number with a letter at its end",
             uniformFile(5, 900) + QByteArray(50, '9') + "x " + uniformFile(5)},
            {"a sign alone at the end", uniformFile(5, 167999) + "-"},
        };
        for (const auto& [name, file] : files)
            for (int piece : {1, 3, 4, 13, 4093, 65536})
                QTest::addRow("%s, pieces of %d", name, piece) << file << piece;
    }

    void piecesReadAsTheWholeFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, piece);
        auto whole = std::make_unique<BankFileContents>();
        BankFileError wholeError;
        const bool ok = readBank(file, *whole, &wholeError);

        auto pieces = std::make_unique<BankFileContents>();
        BankReader reader(*pieces);
        for (qsizetype at = 0; at < file.size() && reader.state() == BankReader::State::Reading;
             at += piece)
            reader.feed(QByteArrayView(file).sliced(at, qMin<qsizetype>(piece, file.size() - at)));
        QCOMPARE(reader.finish() == BankReader::State::Done, ok);
        if (!ok) {
            QCOMPARE(reader.error().memory, wholeError.memory);
            QCOMPARE(reader.error().position, wholeError.position);
            QCOMPARE(reader.error().problem, wholeError.problem);
        }
        QVERIFY(pieces->bank == whole->bank);
        QVERIFY(pieces->marks == whole->marks);
    }

    void doneAtTheSeparatorAfterTheLastNumber()
    {
        // What follows the 168,000th number need never be read.
        auto bank = randomBank(3);
        (*bank)[199][839] = 201;
        const QByteArray file = writeBank(*bank) + "garbage";
        auto contents = std::make_unique<BankFileContents>();
        BankReader reader(*contents);
        QCOMPARE(reader.feed(file.left(671999)), qsizetype(671999));
        QCOMPARE(reader.state(), BankReader::State::Reading); // "201" may go on
        QCOMPARE(reader.feed(QByteArrayView(file).sliced(671999)), qsizetype(1));
        QCOMPARE(reader.state(), BankReader::State::Done);
        QCOMPARE(reader.feed("more"), qsizetype(0));
        QCOMPARE(reader.finish(), BankReader::State::Done);
        QCOMPARE(int(contents->bank[199][839]), 201);
    }

    void failsOnceTheBadNumberIsKnown()
    {
        // Whatever follows cannot change the message: 12 characters quoted and the dots.
        const QByteArray file = uniformFile(5, 10) + QByteArray(20, '\0');
        auto contents = std::make_unique<BankFileContents>();
        BankReader reader(*contents);
        QCOMPARE(reader.feed(file), qsizetype(40 + 13));
        QCOMPARE(reader.state(), BankReader::State::Failed);
        QCOMPARE(reader.error().memory, 1);
        QCOMPARE(reader.error().position, 10);
        QCOMPARE(reader.error().problem,
                 QStringLiteral("\"%1...\" is not a number").arg(QString(12, QChar(0))));
    }

    void marksAfterALoad_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("number"); // record positions 358..360
        QTest::addColumn<bool>("marked");
        // The list is marked while the row is read: after the first, two or three characters.
        QTest::newRow("1,2,5 in row 0 (first character)") << 0 << QByteArray("125") << true;
        QTest::newRow("1,2,5 in row 11 (two characters)") << 11 << QByteArray("125") << true;
        QTest::newRow("1,2,5 in row 124 (three)") << 124 << QByteArray("125") << true;
        QTest::newRow("1,2,5 in row 1") << 1 << QByteArray("125") << false;
        QTest::newRow("1,2,5 in row 12") << 12 << QByteArray("125") << false;
        QTest::newRow("0,0,7 in row 6") << 6 << QByteArray("007") << true;
        QTest::newRow("space,7,space in row 6") << 6 << QByteArray(" 7 ") << true;
        QTest::newRow("1,2,space in row 11") << 11 << QByteArray("12 ") << true;
        QTest::newRow("2,0,1 in row 1 (first character)") << 1 << QByteArray("201") << true;
        QTest::newRow("2,0,1 in row 19 (two characters)") << 19 << QByteArray("201") << true;
        QTest::newRow("2,0,0 in row 199") << 199 << QByteArray("200") << true;
        QTest::newRow("1,A,2 in row 0") << 0 << QByteArray("1A2") << true;
        QTest::newRow("A,1,2 in row 0") << 0 << QByteArray("A12") << false;
        QTest::newRow("three spaces in row 0") << 0 << QByteArray("   ") << false;
        QTest::newRow("0,0,0 in row 0") << 0 << QByteArray("000") << false;
        QTest::newRow("9,9,9 in row 8") << 8 << QByteArray("999") << true;
    }

    void marksAfterALoad()
    {
        QFETCH(int, row);
        QFETCH(QByteArray, number);
        QFETCH(bool, marked);
        auto bank = startUpBank();
        putText((*bank)[row], 358, number);
        auto contents = std::make_unique<BankFileContents>();
        BankFileError error;
        QVERIFY(readBank(writeBank(*bank), *contents, &error));
        for (int r = 0; r < 200; ++r)
            QCOMPARE(contents->marks[r], r == row && marked);
        QCOMPARE(loadMarksRow(contents->bank[row], row + 1), marked);
    }

    void marksOfAWrittenBank()
    {
        auto m = std::make_unique<Module1>();
        m->startUp();
        for (int memory : {1, 7, 42, 200}) {
            putText(m->recbuf, 358, QByteArray::number(memory).rightJustified(3, '0'));
            m->store(memory - 1, m->recbuf, {StoreKind::Received, {}});
        }
        auto contents = std::make_unique<BankFileContents>();
        BankFileError error;
        QVERIFY(readBank(writeBank(m->membank), *contents, &error));
        for (int row = 0; row < 200; ++row)
            QCOMPARE(contents->marks[row], m->marked[row]);
    }
};

QTEST_GUILESS_MAIN(BankFileTest)
#include "tst_bank_file.moc"
