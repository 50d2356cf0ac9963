// Recovery: records received (and notes saved) since the last save survive a killed program in
// the archive and are offered back at the next start; a recovery file of an older version is
// taken into the archive once.

#include "archive/ArchiveJournal.h"
#include "core/BankFile.h"
#include "core/Module1.h"
#include "core/NoteLines.h"
#include "core/RecoveryFormat.h"
#include "files/BankLoader.h"
#include "files/BankSaver.h"
#include "files/RecoveryImport.h"
#include "FilesTestSupport.h"

#include <QProcess>
#include <QSignalSpy>

using namespace quillon;
using namespace quillon::test;

namespace
{
// A recovery file as older versions wrote it.
QByteArray legacyFile(const std::vector<RecoveryEntry>& entries)
{
    QByteArray text = "Quillon recovery 1\n";
    for (const RecoveryEntry& e : entries) {
        text += QByteArray::number(e.row) + (e.marked ? " 1" : " 0");
        for (int p = 0; p < kRecordLength; ++p)
            text += ' ' + QByteArray::number(e.record[p]);
        text += '\n';
    }
    return text;
}

// The rows a program starting now is offered from the archive at `path`; {-1} when it cannot
// open the archive.
QList<int> offeredAtStart(const QString& path)
{
    StartedModule other;
    ArchiveJournal probe(other, path);
    return probe.open() ? probe.pendingRows() : QList<int>{-1};
}

// A program that received the memory of each row into the archive at `path` and ended without
// saving the bank; false when it could not open the archive.
bool leaveUnsaved(const QString& path, const QList<int>& rows)
{
    StartedModule killed;
    ArchiveJournal journal(killed, path);
    if (!journal.open())
        return false;
    for (int row : rows)
        killed.store(row,
                     patternRecord(row, QByteArray::number(row + 1).leftJustified(3).constData()),
                     {StoreKind::Received, {}});
    return true;
}
} // namespace

class RecoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void olderRecoveryFileIsTakenIntoTheArchive()
    {
        WorkingFolder work;
        const QString path = recoveryFilePath(QDir(work.path()));
        QCOMPARE(path, work.file("dfd.recovery"));
        std::vector<RecoveryEntry> entries{{3, true, patternRecord(3, "4  ")},
                                           {199, false, patternRecord(9)}};
        entries[1].record[840] = -300; // any 16-bit value survives
        QVERIFY(writeBytes(path, legacyFile(entries)));

        StartedModule module;
        ArchiveJournal journal(module, work.file("archive.sqlite"));
        QVERIFY(journal.open());
        QCOMPARE(importRecoveryFile(path, journal), QString());
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(importRecoveryFile(path, journal), QString()); // once
        QCOMPARE(journal.pendingRows(), (QList<int>{3, 199}));
        QCOMPARE(journal.restorePending(), (QList<int>{3, 199}));
        QVERIFY(sameRecord(module.membank[3], entries[0].record));
        QVERIFY(sameRecord(module.membank[199], entries[1].record));
        QVERIFY(module.marked[3]);
        QVERIFY(!module.marked[199]);

        // One that cannot be read is moved aside and reported.
        QVERIFY(writeBytes(path, "Quillon recovery 1\n3 1 7\n"));
        const QString said = importRecoveryFile(path, journal);
        QVERIFY2(said.contains("dfd.recovery") && said.contains("moved"), qPrintable(said));
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(QDir(work.path()).entryList({"dfd.recovery.damaged-*"}).size(), 1);
    }

    void unusableFileIsRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray good = legacyFile({{3, true, patternRecord(3)}});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("another file") << QByteArray(good).replace("Quillon recovery", "bank file");
        QTest::newRow("line cut short") << good.left(good.size() - 10);
        QTest::newRow("row 200") << QByteArray(good).replace("\n3 1 ", "\n200 1 ");
        QTest::newRow("mark 2") << QByteArray(good).replace("\n3 1 ", "\n3 2 ");
        QTest::newRow("not a value") << QByteArray(good).replace("\n3 1 ", "\n3 1 z");
    }

    void unusableFileIsRefused()
    {
        QFETCH(QByteArray, text);
        std::vector<RecoveryEntry> back(1);
        QString error;
        QVERIFY(!readRecovery(text, back, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(back.size(), size_t(1)); // untouched
    }

    void killedProgramsRecordsComeBack()
    {
        WorkingFolder work;
        const QString path = work.file("archive.sqlite");
        QProcess writer;
        QString why; // it kills itself once the records are in
        QVERIFY2(runUntilKilled(writer, QStringLiteral(JOURNAL_WRITER),
                                {path, QStringLiteral("die")}, {}, &why),
                 qPrintable(why));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        QVERIFY(QFileInfo::exists(path));

        StartedModule module;
        module.recbuf = patternRecord(40, "41 ");
        module.curmem = 2;
        const Record shown = module.recbuf;
        ArchiveJournal journal(module, path);
        QVERIFY(journal.open());
        QCOMPARE(journal.pendingRows(), (QList<int>{6, 11, 20}));
        QVERIFY(!module.hasUnsavedChanges());

        QSignalSpy stored(&module, &Module1::rowChanged);
        QCOMPARE(journal.restorePending(), (QList<int>{6, 11, 20}));
        QVERIFY(!journal.hasPending());
        QCOMPARE(stored.count(), 3);
        QVERIFY(sameRecord(module.membank[6], patternRecord(6, "7  ")));
        QVERIFY(sameRecord(module.membank[11], patternRecord(11, "12 ")));
        QVERIFY(module.marked[6]);
        QVERIFY(module.marked[11]);
        QVERIFY(!module.marked[20]); // notes alone do not make a received memory
        const NoteTexts notes = noteTexts(module.membank[20]);
        QCOMPARE(notes[0], QStringLiteral("Operator 17         "));
        QCOMPARE(notes[11], QStringLiteral("peak at 40 mm       "));
        QVERIFY(module.recbuf == shown);
        QCOMPARE(module.curmem, 2);
        // They are unsaved work again: offered again until a save.
        QVERIFY(module.hasUnsavedChanges());
        QCOMPARE(offeredAtStart(path), (QList<int>{6, 11, 20}));

        QVERIFY(!BankSaver(module).save(work.path(), QStringLiteral("temp.dat")));
        QCOMPARE(offeredAtStart(path), QList<int>());
    }

    void loadedBankEndsRecovery()
    {
        WorkingFolder work;
        const QString path = work.file("archive.sqlite");
        {
            StartedModule module;
            QVERIFY(writeBytes(work.file("old.dat"), writeBank(module.membank)));
            ArchiveJournal journal(module, path);
            QVERIFY(journal.open());
            module.store(3, module.recbuf, {StoreKind::Received, {}});
            QVERIFY(!BankLoader(module, Edition::quillon()).load(work.file("old.dat")));
        }
        QCOMPARE(offeredAtStart(path), QList<int>());
    }

    void leftoversStayUntilAnswered()
    {
        WorkingFolder work;
        const QString path = work.file("archive.sqlite");
        QVERIFY(leaveUnsaved(path, {3, 5}));
        StartedModule module;
        ArchiveJournal journal(module, path);
        QVERIFY(journal.open());
        QCOMPARE(journal.pendingRows(), (QList<int>{3, 5}));

        // Before the operator answers, memory 6 arrives anew and the bank is saved once.
        module.store(5, patternRecord(50, "6  "), {StoreKind::Received, {}});
        module.store(9, patternRecord(60, "10 "), {StoreKind::Received, {}});
        QVERIFY(!BankSaver(module).save(work.path(), QStringLiteral("temp.dat")));
        QCOMPARE(journal.pendingRows(), QList<int>{3});
        // Another program starting now: memory 6 has a later record, memory 10 is this run's.
        QCOMPARE(offeredAtStart(path), QList<int>{3});

        // Memory 6 arrived after the crash and is newer: the restore leaves it.
        QCOMPARE(journal.restorePending(), QList<int>{3});
        QCOMPARE(module.membank[3][0], patternRecord(3)[0]);
        QCOMPARE(module.membank[5][0], patternRecord(50)[0]);
        std::vector<ArchiveEntry> all;
        ArchiveQuery everything;
        everything.limit = 0;
        QVERIFY(!journal.archive().query(everything, all));
        QCOMPARE(all.size(), size_t(4)); // a restore appends nothing
    }

    void discardingForgetsOnlyWhatWasAsked()
    {
        WorkingFolder work;
        const QString path = work.file("archive.sqlite");
        QVERIFY(leaveUnsaved(path, {3}));
        {
            StartedModule module;
            ArchiveJournal journal(module, path);
            QVERIFY(journal.open());
            module.store(8, patternRecord(8), {StoreKind::Received, {}});
            journal.discardSession(); // "Discard" at the exit prompt: this run's rows
            QCOMPARE(journal.pendingRows(), QList<int>{3});
        }
        StartedModule module;
        ArchiveJournal journal(module, path);
        QVERIFY(journal.open());
        QCOMPARE(journal.pendingRows(), QList<int>{3});
        journal.discardPending(); // "Discard" at the start-up offer
        QVERIFY(!journal.hasPending());
        QCOMPARE(module.membank[3][0], 0);
        ArchiveJournal next(module, path);
        QVERIFY(next.open());
        QVERIFY(!next.hasPending());
    }

    void unwritableArchiveIsReportedOnce()
    {
        WorkingFolder work;
        QVERIFY(writeBytes(work.file("plain"), "x"));
        const QString path = work.file("plain/archive.sqlite");
        StartedModule module;
        ArchiveJournal journal(module, path);
        QSignalSpy failed(&journal, &ArchiveJournal::archiveFailed);
        QVERIFY(!journal.open());
        module.store(1, patternRecord(1), {StoreKind::Received, {}});
        module.store(2, patternRecord(2), {StoreKind::Received, {}});
        QCOMPARE(failed.count(), 1);
        QVERIFY2(failed.first().first().toString().contains(path),
                 qPrintable(failed.first().first().toString()));
        QVERIFY(sameRecord(module.membank[2], patternRecord(2)));
    }
};

QTEST_GUILESS_MAIN(RecoveryTest)
#include "tst_recovery.moc"
