// The record model: memory numbers, list texts, start-up values and the whole-record copies.
#include "core/BankFile.h"
#include "core/Module1.h"
#include "core/NoteLines.h"
#include "core/Record.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace quillon;

// Records each call with what the bank held at that moment.
class JournalLog : public BankJournal
{
public:
    explicit JournalLog(const Module1& module) : m_module(module) {}
    QStringList calls;

    void recordStored(int row, const Record& record, const StoreOrigin& origin) override
    {
        calls << QStringLiteral("%1 row %2 kind %3 from %4 new %5")
                     .arg(m_module.membank[row] == record ? "same" : "changed")
                     .arg(row)
                     .arg(int(origin.kind))
                     .arg(origin.source)
                     .arg(int(record[561]));
    }
    void bankLoaded(const BankFileContents& contents, const QString& path) override
    {
        calls << QStringLiteral("load %1 %2 marked %3")
                     .arg(path)
                     .arg(m_module.membank[0] == contents.bank[0] ? "same" : "changed")
                     .arg(m_module.marked[0]);
    }
    void bankSaved(const QString& path) override { calls << QStringLiteral("save ") + path; }

private:
    const Module1& m_module;
};

class RecordModelTest : public QObject
{
    Q_OBJECT

private slots:
    void memoryNumberReadsThreeCharacters_data()
    {
        QTest::addColumn<QByteArray>("chars");
        QTest::addColumn<int>("memory");
        QTest::newRow("1 2 space") << QByteArray("12 ") << 12;
        QTest::newRow("space 7 space") << QByteArray(" 7 ") << 7;
        QTest::newRow("0 0 0") << QByteArray("000") << 0;
        QTest::newRow("0 0 7") << QByteArray("007") << 7;
        QTest::newRow("1 2 5") << QByteArray("125") << 125;
        QTest::newRow("2 0 1") << QByteArray("201") << 201;
        QTest::newRow("9 9 9") << QByteArray("999") << 999;
        QTest::newRow("three spaces") << QByteArray("   ") << 0;
        QTest::newRow("space inside") << QByteArray("1 2") << 12;
        QTest::newRow("letter first") << QByteArray("A12") << 0;
        QTest::newRow("letter stops") << QByteArray("1A2") << 1;
        QTest::newRow("point stops") << QByteArray("1.5") << 1;
        QTest::newRow("sign stops") << QByteArray("-1 ") << 0;
        QTest::newRow("code 0 stops") << QByteArray("1") + '\0' + '2' << 1;
        QTest::newRow("Latin-1 digit-like stops") << QByteArray("4\xb2") + '1' << 4;
    }

    void memoryNumberReadsThreeCharacters()
    {
        QFETCH(QByteArray, chars);
        QFETCH(int, memory);
        const auto code = [&](int i) { return std::int16_t(static_cast<unsigned char>(chars[i])); };
        QCOMPARE(readMemoryNumber(code(0), code(1), code(2)), memory);
    }

    void memoryNumberComesFromPositions358To360()
    {
        Record r{};
        const QByteArray field = "1234567"; // the seven characters of the memory-number group
        for (int i = 0; i < 7; ++i)
            r[358 + i] = field[i];
        r[357] = '9';
        QCOMPARE(memoryNumberOf(r), 123);
        r[360] = ' ';
        QCOMPARE(memoryNumberOf(r), 12);
    }

    void onlyMemories1To200AreStored_data()
    {
        QTest::addColumn<int>("memory");
        QTest::addColumn<bool>("storable");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("7") << 7 << true;
        QTest::newRow("200") << 200 << true;
        QTest::newRow("201") << 201 << false;
        QTest::newRow("999") << 999 << false;
    }

    void onlyMemories1To200AreStored()
    {
        QFETCH(int, memory);
        QFETCH(bool, storable);
        QCOMPARE(isStorableMemory(memory), storable);
        // The caller is told why a record is not stored, and only then.
        QCOMPARE(memoryNumberProblem(memory).isEmpty(), storable);
        if (memory > 200)
            QVERIFY(memoryNumberProblem(memory).contains(QString::number(memory)));
    }

    void listItemTexts()
    {
        QCOMPARE(memoryItemText(1, false), QStringLiteral("Mem 1"));
        QCOMPARE(memoryItemText(7, true), QStringLiteral("Mem 7 *"));
        QCOMPARE(memoryItemText(200, true), QStringLiteral("Mem 200 *"));
    }

    void startUpInitialisesRows0To199Only()
    {
        auto m = std::make_unique<Module1>();
        m->reqmemno = 5;
        m->capbusy = true;
        m->startUp();
        for (int row = 0; row < 200; ++row)
            for (int p = 0; p <= 1000; ++p) {
                const int expected = p <= 260 ? 0 : p <= 599 ? 32 : 0;
                QCOMPARE(int(m->membank[row][p]), expected);
            }
        for (int p = 0; p <= 1000; ++p)
            QCOMPARE(int(m->membank[200][p]), 0);
        QCOMPARE(m->reqmemno, 0);
        QCOMPARE(m->capbusy, false);
        QCOMPARE(m->curmem, 0);
        for (bool mark : m->marked)
            QVERIFY(!mark);
    }

    void startUpWritesTheSampleEcho()
    {
        auto m = std::make_unique<Module1>();
        m->recbuf.fill(9);
        // Start-up leaves the working record alone: the window writes the sample echo once the port
        // is open, into positions 1..260 only.
        m->startUp();
        QVERIFY(std::all_of(m->recbuf.begin(), m->recbuf.end(), [](auto v) { return v == 9; }));
        writeSampleEcho(m->recbuf);
        struct Echo {
            int first;
            std::vector<int> values;
        };
        const std::vector<Echo> echoes = {
            {10, {10, 32, 59, 100, 100, 100, 100, 100, 100, 100, 80, 58, 32, 12, 0}},
            {50, {6, 46, 57, 59, 75, 72, 67, 56, 32, 13, 2}},
            {90, {3, 31, 45, 65, 60, 52, 47, 32, 21, 3}},
            {130, {5, 27, 39, 57, 50, 42, 35, 22, 14}},
            {170, {3, 23, 31, 48, 41, 35, 25, 13, 7}},
            {210, {2, 20, 27, 35, 29, 17, 7}},
            {245, {5, 13, 27, 22, 18, 7, 2}},
        };
        std::array<int, 1001> expected;
        expected.fill(9);
        for (int p = 1; p <= 260; ++p)
            expected[p] = 0;
        for (const Echo& e : echoes)
            for (size_t i = 0; i < e.values.size(); ++i)
                expected[e.first + int(i)] = e.values[i];
        for (int p = 0; p <= 1000; ++p)
            QCOMPARE(int(m->recbuf[p]), expected[p]);
    }

    void neverReceivedMemoryOpensFlatAndBlank()
    {
        auto m = std::make_unique<Module1>();
        m->startUp();
        m->openFromBank(41);
        for (int p = 0; p <= 249; ++p)
            QCOMPARE(int(m->recbuf[p]), 0);
        QCOMPARE(int(m->recbuf[260]), 0);
        for (int p = 261; p <= 539; ++p)
            QCOMPARE(int(m->recbuf[p]), 32);
    }

    void storeCopiesPositions0To840AndMarks()
    {
        auto m = std::make_unique<Module1>();
        m->startUp();
        for (int p = 0; p <= 1000; ++p)
            m->recbuf[p] = std::int16_t(p % 256);
        QSignalSpy stored(m.get(), &Module1::rowChanged);
        m->store(6, m->recbuf, {StoreKind::Received, {}});
        QCOMPARE(stored.count(), 1);
        QCOMPARE(stored.first().first().toInt(), 6);
        for (int p = 0; p <= 840; ++p)
            QCOMPARE(int(m->membank[6][p]), p % 256);
        QCOMPARE(int(m->membank[6][841]), 0); // beyond the record: not copied
        QVERIFY(m->marked[6]);
        QVERIFY(!m->marked[5] && !m->marked[7]);
        QCOMPARE(int(m->membank[5][300]), 32);
    }

    void openCopiesPositions0To840()
    {
        auto m = std::make_unique<Module1>();
        Record r;
        for (int p = 0; p <= 1000; ++p)
            r[p] = std::int16_t(1000 - p);
        m->store(3, r, {StoreKind::Restored, {}, false});
        m->recbuf.fill(-1);
        m->openFromBank(3);
        for (int p = 0; p <= 840; ++p)
            QCOMPARE(int(m->recbuf[p]), 1000 - p);
        QCOMPARE(int(m->recbuf[841]), -1);
    }

    void savedNotesGoToTheBankRowOnly()
    {
        auto m = std::make_unique<Module1>();
        m->startUp();
        const Record before = m->recbuf;
        NoteTexts lines;
        lines[0] = QStringLiteral("J. Doe");
        QSignalSpy saved(m.get(), &Module1::rowChanged);
        m->saveNotes(1, everyLine(lines));
        QCOMPARE(saved.count(), 1);
        QVERIFY(m->recbuf == before);
        QCOMPARE(int(m->membank[1][561]), int('J'));
        QCOMPARE(int(m->membank[1][566]), int('e'));
        QCOMPARE(int(m->membank[1][567]), 32);
        QCOMPARE(int(m->membank[1][800]), 32);
        QCOMPARE(int(m->membank[1][801]), 0);
        QCOMPARE(int(m->membank[0][561]), 32);
    }

    void replacedBankKeepsPosition840AndRow200()
    {
        auto m = std::make_unique<Module1>();
        m->startUp();
        for (int row = 0; row < 200; ++row) {
            Record r = m->membank[row];
            r[840] = 77;
            m->store(row, r, {StoreKind::Restored, {}, false});
        }
        auto contents = std::make_unique<BankFileContents>();
        for (auto& row : contents->bank)
            row.fill(3);
        contents->marks[4] = true;
        QSignalSpy replaced(m.get(), &Module1::bankReplaced);
        m->loadBank(*contents, QStringLiteral("/tmp/bank.dat"));
        QVERIFY(!m->hasUnsavedChanges());
        QCOMPARE(replaced.count(), 1);
        for (int row = 0; row < 200; ++row) {
            for (int p = 0; p <= 839; ++p)
                QCOMPARE(int(m->membank[row][p]), 3);
            QCOMPARE(int(m->membank[row][840]), 77);
        }
        QCOMPARE(int(m->membank[200][0]), 0);
        QCOMPARE(int(m->membank[200][840]), 0);
        QVERIFY(m->marked[4]);
        QVERIFY(!m->marked[3]);
    }

    void blankRowIsTheBankLoadsRow()
    {
        Record row;
        row.fill(7);
        blankBankRow(row);
        for (int p = 0; p <= 255; ++p)
            QCOMPARE(int(row[p]), 0);
        for (int p = 256; p <= 839; ++p)
            QCOMPARE(int(row[p]), 32);
        QCOMPARE(int(row[840]), 7);
    }

    void unsavedChangesFollowStoresAndSaves()
    {
        auto m = std::make_unique<Module1>();
        m->startUp();
        QSignalSpy unsaved(m.get(), &Module1::unsavedChanged);
        QVERIFY(!m->hasUnsavedChanges());
        m->store(0, m->recbuf, {StoreKind::Received, {}});
        QVERIFY(m->hasUnsavedChanges());
        m->saveNotes(0, everyLine(NoteTexts{}));
        m->markSaved(QStringLiteral("/tmp/saved.dat"));
        QVERIFY(!m->hasUnsavedChanges());
        QCOMPARE(unsaved.count(), 2);
        QCOMPARE(unsaved.at(0).first().toBool(), true);
        QCOMPARE(unsaved.at(1).first().toBool(), false);
    }

    void journalHearsOfEveryChangeBeforeTheRows()
    {
        auto m = std::make_unique<Module1>();
        m->startUp();
        JournalLog log(*m);
        m->setJournal(&log);
        m->recbuf[561] = 'R';
        m->store(2, m->recbuf, {StoreKind::Received, QStringLiteral("/dev/ttyUSB0")});
        NoteEdits notes;
        notes[0] = QStringLiteral("N");
        QVERIFY(m->saveNotes(2, notes));
        QVERIFY(!m->saveNotes(2, notes)); // nothing changes: nothing to tell
        auto contents = std::make_unique<BankFileContents>();
        contents->bank[0][0] = 5;
        m->loadBank(*contents, QStringLiteral("/data/a.dat"));
        m->markSaved(QStringLiteral("/data/b.dat"));
        QCOMPARE(log.calls, (QStringList{
                                QStringLiteral("changed row 2 kind 0 from /dev/ttyUSB0 new 82"),
                                QStringLiteral("changed row 2 kind 3 from  new 78"),
                                QStringLiteral("load /data/a.dat changed marked 0"),
                                QStringLiteral("save /data/b.dat"),
                            }));
        m->setJournal(nullptr);
    }
};

QTEST_GUILESS_MAIN(RecordModelTest)
#include "tst_record_model.moc"
