// The recovery file: records received (and notes saved) since the last save survive a killed
// program and come back at the next start.

#include "core/BankFile.h"
#include "core/Module1.h"
#include "core/NoteLines.h"
#include "files/BankLoader.h"
#include "files/BankSaver.h"
#include "files/RecoveryFile.h"
#include "FilesTestSupport.h"

#include <QProcess>
#include <QSignalSpy>

using namespace quillon;
using namespace quillon::test;

class RecoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void formatRoundTrip();
    void unusableFileIsRefused_data();
    void unusableFileIsRefused();

    void killedProgramsRecordsComeBack();
    void fileFollowsUnsavedRows();
    void loadedBankEndsRecovery();
    void leftoversStayUntilAnswered();
    void discardingForgetsOnlyWhatWasAsked();
    void unwritableFileIsReportedOnce();
};

void RecoveryTest::formatRoundTrip()
{
    std::vector<RecoveryEntry> entries(2);
    entries[0] = {3, true, patternRecord(3, "4  ")};
    entries[1] = {199, false, patternRecord(9)};
    entries[1].record[840] = -300; // any 16-bit value survives
    std::vector<RecoveryEntry> back;
    QString error;
    QVERIFY2(readRecovery(writeRecovery(entries), back, &error), qPrintable(error));
    QCOMPARE(back.size(), size_t(2));
    for (size_t i = 0; i < back.size(); ++i) {
        QCOMPARE(back[i].row, entries[i].row);
        QCOMPARE(back[i].marked, entries[i].marked);
        for (int p = 0; p < kRecordLength; ++p)
            QCOMPARE(back[i].record[p], entries[i].record[p]);
    }
}

void RecoveryTest::unusableFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray good = writeRecovery({{3, true, patternRecord(3)}});
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("another file") << QByteArray(good).replace("Quillon recovery", "bank file");
    QTest::newRow("line cut short") << good.left(good.size() - 10);
    QTest::newRow("row 200") << QByteArray(good).replace("\n3 1 ", "\n200 1 ");
    QTest::newRow("mark 2") << QByteArray(good).replace("\n3 1 ", "\n3 2 ");
    QTest::newRow("not a value") << QByteArray(good).replace("\n3 1 ", "\n3 1 z");
}

void RecoveryTest::unusableFileIsRefused()
{
    QFETCH(QByteArray, text);
    std::vector<RecoveryEntry> back(1);
    QString error;
    QVERIFY(!readRecovery(text, back, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(back.size(), size_t(1)); // untouched
}

void RecoveryTest::killedProgramsRecordsComeBack()
{
    WorkingFolder work;
    const QString path = RecoveryFile::pathIn(QDir(work.path()));
    QCOMPARE(path, work.file("dfd.recovery"));
    QProcess writer;
    QString why; // it kills itself once the records are in
    QVERIFY2(runUntilKilled(writer, QStringLiteral(RECOVERY_WRITER), {path}, {}, &why),
             qPrintable(why));
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
    QVERIFY(QFileInfo::exists(path));

    Module1 module;
    module.startUp();
    module.recbuf = patternRecord(40, "41 ");
    module.curmem = 2;
    const Record shown = module.recbuf;
    RecoveryFile recovery(module, path);
    QCOMPARE(recovery.readProblem(), QString());
    QVERIFY(recovery.hasPending());
    QCOMPARE(recovery.pendingRows(), (QList<int>{6, 11, 20}));
    QVERIFY(!module.hasUnsavedChanges());

    QSignalSpy stored(&module, &Module1::rowChanged);
    QCOMPARE(recovery.restorePending(), (QList<int>{6, 11, 20}));
    QVERIFY(!recovery.hasPending());
    QCOMPARE(stored.count(), 3);
    for (int p = 0; p < kRecordLength; ++p) {
        QCOMPARE(module.membank[6][p], patternRecord(6, "7  ")[p]);
        QCOMPARE(module.membank[11][p], patternRecord(11, "12 ")[p]);
    }
    QVERIFY(module.marked[6]);
    QVERIFY(module.marked[11]);
    QVERIFY(!module.marked[20]); // notes alone do not make a received memory
    const NoteTexts notes = noteTexts(module.membank[20]);
    QCOMPARE(notes[0], QStringLiteral("Operator 17         "));
    QCOMPARE(notes[11], QStringLiteral("peak at 40 mm       "));
    QVERIFY(module.recbuf == shown);
    QCOMPARE(module.curmem, 2);
    // They are unsaved work again: still in the recovery file until a save.
    QVERIFY(module.hasUnsavedChanges());
    QVERIFY(QFileInfo::exists(path));
    {
        RecoveryFile again(module, path);
        QCOMPARE(again.pendingRows(), (QList<int>{6, 11, 20}));
    }

    QVERIFY(!BankSaver(module).save(work.path(), QStringLiteral("temp.dat")));
    QVERIFY(!QFileInfo::exists(path));
}

void RecoveryTest::fileFollowsUnsavedRows()
{
    WorkingFolder work;
    const QString path = work.file("dfd.recovery");
    Module1 module;
    module.startUp();
    RecoveryFile recovery(module, path);
    QVERIFY(!QFileInfo::exists(path));

    module.recbuf = patternRecord(1, "2  ");
    module.store(1, module.recbuf, {StoreKind::Received, {}});
    std::vector<RecoveryEntry> kept;
    QVERIFY(readRecovery(contentsOf(path), kept, nullptr));
    QCOMPARE(kept.size(), size_t(1));
    QCOMPARE(kept[0].row, 1);
    QVERIFY(kept[0].marked);

    // The same memory again, then notes for it: one entry, the latest row.
    module.recbuf = patternRecord(2, "2  ");
    module.store(1, module.recbuf, {StoreKind::Received, {}});
    NoteTexts notes;
    notes[3] = QStringLiteral("Km 12");
    module.saveNotes(1, everyLine(notes));
    QVERIFY(readRecovery(contentsOf(path), kept, nullptr));
    QCOMPARE(kept.size(), size_t(1));
    QVERIFY(kept[0].record == [&] {
        Record r{};
        std::copy_n(module.membank[1].begin(), kRecordLength, r.begin());
        return r;
    }());

    QVERIFY(!BankSaver(module).save(work.path(), QStringLiteral("temp.dat")));
    QVERIFY(!QFileInfo::exists(path));
    module.store(7, module.recbuf, {StoreKind::Received, {}});
    QVERIFY(readRecovery(contentsOf(path), kept, nullptr));
    QCOMPARE(kept.size(), size_t(1));
    QCOMPARE(kept[0].row, 7);
}

void RecoveryTest::loadedBankEndsRecovery()
{
    WorkingFolder work;
    const QString path = work.file("dfd.recovery");
    Module1 module;
    module.startUp();
    QVERIFY(writeBytes(work.file("old.dat"), writeBank(module.membank)));
    RecoveryFile recovery(module, path);
    module.store(3, module.recbuf, {StoreKind::Received, {}});
    QVERIFY(QFileInfo::exists(path));
    const Edition edition = Edition::quillon();
    QVERIFY(!BankLoader(module, edition).load(work.file("old.dat")));
    QVERIFY(!QFileInfo::exists(path));
}

void RecoveryTest::leftoversStayUntilAnswered()
{
    WorkingFolder work;
    const QString path = work.file("dfd.recovery");
    QVERIFY(writeBytes(path, writeRecovery({{3, true, patternRecord(3, "4  ")},
                                            {5, true, patternRecord(5, "6  ")}})));
    Module1 module;
    module.startUp();
    RecoveryFile recovery(module, path);
    QCOMPARE(recovery.pendingRows(), (QList<int>{3, 5}));

    // Before the operator answers, memory 6 arrives anew and the bank is saved once.
    module.recbuf = patternRecord(50, "6  ");
    module.store(5, module.recbuf, {StoreKind::Received, {}});
    module.recbuf = patternRecord(60, "10 ");
    module.store(9, module.recbuf, {StoreKind::Received, {}});
    std::vector<RecoveryEntry> kept;
    QVERIFY(readRecovery(contentsOf(path), kept, nullptr));
    QCOMPARE(kept.size(), size_t(3));
    QVERIFY(!BankSaver(module).save(work.path(), QStringLiteral("temp.dat")));
    QVERIFY(readRecovery(contentsOf(path), kept, nullptr));
    QCOMPARE(kept.size(), size_t(1)); // the saved rows went; the unanswered leftover stays
    QCOMPARE(kept[0].row, 3);

    // Memory 6 arrived after the crash and is newer: the restore leaves it.
    QCOMPARE(recovery.restorePending(), QList<int>{3});
    QCOMPARE(module.membank[3][0], patternRecord(3)[0]);
    QCOMPARE(module.membank[5][0], patternRecord(50)[0]);
}

void RecoveryTest::discardingForgetsOnlyWhatWasAsked()
{
    WorkingFolder work;
    const QString path = work.file("dfd.recovery");
    QVERIFY(writeBytes(path, writeRecovery({{3, true, patternRecord(3, "4  ")}})));
    Module1 module;
    module.startUp();
    RecoveryFile recovery(module, path);
    module.store(8, module.recbuf, {StoreKind::Received, {}});

    recovery.discardSession(); // "Discard" at the exit prompt: this run's rows
    std::vector<RecoveryEntry> kept;
    QVERIFY(readRecovery(contentsOf(path), kept, nullptr));
    QCOMPARE(kept.size(), size_t(1));
    QCOMPARE(kept[0].row, 3);

    recovery.discardPending(); // "Discard" at the start-up offer
    QVERIFY(!recovery.hasPending());
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(module.membank[3][0], 0);
}

void RecoveryTest::unwritableFileIsReportedOnce()
{
    WorkingFolder work;
    QVERIFY(writeBytes(work.file("plain"), "x"));
    const QString path = work.file("plain/dfd.recovery");
    Module1 module;
    module.startUp();
    RecoveryFile recovery(module, path);
    QSignalSpy failed(&recovery, &RecoveryFile::writeFailed);
    module.store(1, module.recbuf, {StoreKind::Received, {}});
    module.store(2, module.recbuf, {StoreKind::Received, {}});
    QCOMPARE(failed.count(), 1);
    QVERIFY2(failed.first().first().toString().contains(path),
             qPrintable(failed.first().first().toString()));
}

QTEST_GUILESS_MAIN(RecoveryTest)
#include "tst_recovery.moc"
