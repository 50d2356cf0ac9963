// The Archive window in the whole program: its list (paged, grouped by day, newest first), its
// filters, and what choosing, restoring and exporting entries do.

#include "app/ArchiveController.h"
#include "app/MainWindow.h"
#include "app/StartedApplication.h"
#include "archive/ArchiveJournal.h"
#include "core/BankFile.h"
#include "core/NoteLines.h"
#include "files/FilesTestSupport.h"
#include "ProgramFolder.h"
#include "support/DataRows.h"
#include "support/FileBytes.h"
#include "support/MessageBoxes.h"
#include "support/Records.h"
#include "view/ArchiveListModel.h"
#include "view/MemoryList.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTreeView>

#include <sqlite3.h>

using namespace quillon;

namespace
{
// Entries put straight into an archive file, `perDay` on each of `days` days ending yesterday.
void fillDays(const QString& path, int days, int perDay)
{
    SqliteArchive archive;
    QVERIFY(!archive.open(path));
    archive.close();
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    sqlite3_exec(db, "BEGIN; INSERT INTO sessions(started, settled_up_to) VALUES(0, 1000000000)",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO entries(time, kind, memory, source, session, record) "
                       "VALUES(?, 'received', ?, '/dev/ttyS0', 1, zeroblob(1682))",
                       -1, &s, nullptr);
    const QDateTime noon(QDate::currentDate().addDays(-days), QTime(12, 0));
    for (int d = 0; d < days; ++d)
        for (int n = 0; n < perDay; ++n) {
            sqlite3_bind_int64(s, 1, noon.addDays(d).addSecs(n).toMSecsSinceEpoch());
            sqlite3_bind_int(s, 2, 1 + n % 200);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
    sqlite3_finalize(s);
    QCOMPARE(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}
} // namespace

class ArchiveWindowTest : public QObject
{
    Q_OBJECT
    test::ProgramFolder m_work;

private slots:
    void init() { m_work.enter(); }
    void cleanup() { m_work.remove(); }

    void listPagesAndGroupsByDay()
    {
        fillDays(m_work.archivePath(), 3, 150);
        SqliteArchive archive;
        QVERIFY(!archive.open(m_work.archivePath()));
        ArchiveListModel model(&archive);
        model.setQuery({});
        QCOMPARE(model.rowCount(), ArchiveListModel::kPageSize + 2); // 150 + 50 and two headings
        while (model.canFetchMore({}))
            model.fetchMore({});
        QCOMPARE(model.rowCount(), 450 + 3);
        qint64 previous = std::numeric_limits<qint64>::max();
        int headings = 0;
        for (int row = 0; row < model.rowCount(); ++row) {
            if (model.isDayHeading(row)) {
                ++headings;
                QCOMPARE(row % 151, 0);
                continue;
            }
            QVERIFY(model.entryId(row) < previous);
            previous = model.entryId(row);
        }
        QCOMPARE(headings, 3);
        QCOMPARE(model.index(0, 0).data().toString(),
                 QLocale().toString(QDate::currentDate().addDays(-1), QLocale::LongFormat));
    }

    void filtersNarrowTheList()
    {
        fillDays(m_work.archivePath(), 3, 10);
        test::StartedApplication app;
        MainWindow& w = app.window();
        auto* archive = w.findChild<ArchiveController*>(QStringLiteral("archiveController"));
        QVERIFY(archive);
        // The menu item is in the menu after the existing ones.
        QVERIFY(w.mnutools->actions().contains(archive->mnuarchive));
        Record r = test::realisticRecord(8);
        test::setNote(r, 0, QStringLiteral("Crack at weld km 4/5"));
        app.module().store(7, r, {StoreKind::Received, QStringLiteral("/dev/ttyS0")});

        archive->mnuarchive->trigger();
        ArchiveWindow* form = archive->archiveWindow();
        QVERIFY(form && form->isVisible());
        ArchiveListModel& model = archive->model();
        auto entries = [&model] {
            while (model.canFetchMore({}))
                model.fetchMore({});
            int n = 0;
            for (int row = 0; row < model.rowCount(); ++row)
                n += model.isDayHeading(row) ? 0 : 1;
            return n;
        };
        QCOMPARE(entries(), 31);
        QCOMPARE(model.index(1, ArchiveListModel::MemoryColumn).data().toInt(), 8);
        QVERIFY(model.index(1, ArchiveListModel::NotesColumn)
                    .data()
                    .toString()
                    .startsWith(QStringLiteral("Crack at weld km 4/5 / ")));

        form->txtsearch->setText(QStringLiteral("WELD \"km 4/5\" (*"));
        QTRY_COMPARE(entries(), 1);
        form->txtsearch->setText(QStringLiteral("weld AND"));
        QTRY_COMPARE(entries(), 0);
        QCOMPARE(form->lblnote->text(), QStringLiteral("No entries."));
        form->txtsearch->clear();
        form->spnmemory->setValue(3);
        QCOMPARE(entries(), 3);
        form->spnmemory->setValue(0);
        form->dtpfrom->setDate(QDate::currentDate().addDays(-2));
        form->dtpto->setDate(QDate::currentDate().addDays(-2));
        form->chkfrom->setChecked(true);
        form->chkto->setChecked(true);
        QCOMPARE(entries(), 10);
        form->chkto->setChecked(false);
        QCOMPARE(entries(), 21);
    }

    void chosenEntryIsShownApartFromTheBank()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        auto* archive = w.findChild<ArchiveController*>(QStringLiteral("archiveController"));
        Record first = test::realisticRecord(5);
        test::setNote(first, 0, QStringLiteral("first"));
        Record second = test::realisticRecord(5);
        test::setNote(second, 0, QStringLiteral("second"));
        app.module().store(4, first, {StoreKind::Received, {}});
        app.module().store(4, second, {StoreKind::Received, {}});
        const Bank bank = app.module().membank;

        archive->showArchive();
        ArchiveWindow* form = archive->archiveWindow();
        // Newest first: row 0 is the day, row 1 the second record, row 2 the first.
        form->lstentries->setCurrentIndex(archive->model().index(2, 0));
        QCOMPARE(w.shownRow(), MainWindow::kNoRow);
        QVERIFY(test::sameRecord(app.module().recbuf, first));
        QCOMPARE(w.txtnoteLn[0]->text(), QStringLiteral("first"));
        QVERIFY2(w.windowTitle().startsWith(QStringLiteral("Quillon — archive entry of 20")) &&
                     w.windowTitle().endsWith(QStringLiteral(" (Mem 5)")),
                 qPrintable(w.windowTitle()));
        QVERIFY(app.module().membank == bank);
    }

    void restoreAndExport()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        Module1& module = app.module();
        auto* archive = w.findChild<ArchiveController*>(QStringLiteral("archiveController"));
        const Record older = test::realisticRecord(3), newer = test::realisticRecord(33);
        Record notes = test::realisticRecord(9);
        test::setNote(notes, 1, QStringLiteral("noted"));
        module.store(2, older, {StoreKind::Received, {}});
        module.store(2, newer, {StoreKind::Captured, {}});
        QVERIFY(module.saveNotes(9, everyLine(noteTexts(notes))));
        const QList<qint64> ids{3, 1, 2};

        // Another bank load clears the rows; the entries bring them back, the later one winning.
        module.startUp();
        BankFileContents blank;
        for (int row = 0; row < kMemoryCount; ++row)
            std::copy_n(module.membank[row].begin(), kBankFilePositions, blank.bank[row].begin());
        module.loadBank(blank, m_work.filePath("blank.dat"));
        QCOMPARE(archive->restoreEntries(ids), 3);
        QVERIFY(test::sameRecord(module.membank[2], newer));
        QVERIFY(module.marked[2]);
        QVERIFY(!module.marked[9]); // notes alone do not make a received memory
        QCOMPARE(noteTexts(module.membank[9])[1], QStringLiteral("noted               "));
        QVERIFY(module.hasUnsavedChanges());

        const QString bankPath = m_work.filePath("export.dat");
        QVERIFY(archive->exportBank({1}, bankPath));
        BankFileContents written;
        QVERIFY(readBank(test::contentsOf(bankPath), written, nullptr));
        for (int p = 0; p < kBankFilePositions; ++p)
            QCOMPARE(written.bank[2][p], older[p]);
        QVERIFY(written.marks[2]);
        QVERIFY(!written.marks[9]);

        const QString pdf = m_work.filePath("export.pdf");
        QVERIFY(archive->exportPdf({1, 2}, pdf));
        QVERIFY(test::contentsOf(pdf).startsWith("%PDF"));

        // Restoring an entry over a later one in the bank asks first.
        archive->requestRestore({1});
        QString question;
        QVERIFY(test::answerQuestion(QStringLiteral("Cancel"), &question));
        QVERIFY2(question.contains(QStringLiteral("Mem 3 ")), qPrintable(question));
        QVERIFY(test::sameRecord(module.membank[2], newer));
        archive->requestRestore({1});
        QVERIFY(test::answerQuestion(QStringLiteral("Replace")));
        QVERIFY(test::sameRecord(module.membank[2], older));
        archive->requestRestore({2}); // the latest entry: nothing later to lose
        QVERIFY(test::openBoxes(QStringLiteral("quillonQuestion")).isEmpty());
        QVERIFY(test::sameRecord(module.membank[2], newer));
    }

    void archiveFaultsAreToldOnce_data()
    {
        test::addBoolRows("damaged", "damaged file", "folder cannot be written");
    }

    void archiveFaultsAreToldOnce()
    {
        QFETCH(bool, damaged);
        if (damaged) {
            QVERIFY(test::writeBytes(m_work.archivePath(), QByteArray(8192, '?')));
        } else {
            QVERIFY(test::writeBytes(m_work.filePath("plain"), "x"));
            qputenv("QUILLON_ARCHIVE", QFile::encodeName(m_work.filePath("plain/archive.sqlite")));
        }
        test::StartedApplication app;
        QTRY_VERIFY(!test::openBoxes(QStringLiteral("quillonMessage")).isEmpty());
        const QString text = test::takeMessage();
        QVERIFY2(text.contains(damaged ? "was moved to" : "not being written"), qPrintable(text));
        for (int memory : {4, 5})
            app.module().store(memory - 1, test::realisticRecord(memory),
                               {StoreKind::Received, {}});
        QTest::qWait(50);
        QVERIFY(test::openBoxes(QStringLiteral("quillonMessage")).isEmpty());
        QVERIFY(test::sameRecord(app.module().membank[4], test::realisticRecord(5)));
        QCOMPARE(app.window().lstmem->itemText(4), QStringLiteral("Mem 5 *"));
        if (damaged) {
            SqliteArchive archive;
            QVERIFY(!archive.open(m_work.archivePath(), SqliteArchive::Open::ExistingOnly));
            std::vector<ArchiveEntry> entries;
            ArchiveQuery all;
            QVERIFY(!archive.query(all, entries));
            QCOMPARE(entries.size(), size_t(2));
        }
    }
};

QTEST_MAIN(ArchiveWindowTest)
#include "tst_archive_window.moc"
