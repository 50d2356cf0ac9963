// Bank files and waveform files as the operator meets them: the whole program (Application and
// its main window) in an empty working folder, the save and open forms reached through the menu,
// files named on the command line and dropped on the window, the question before the program
// ends, and the records kept across a killed run.

#include "app/FilesController.h"
#include "app/MainWindow.h"
#include "app/ProgramFolder.h"
#include "app/StartedApplication.h"
#include "archive/ArchiveJournal.h"
#include "core/BankFile.h"
#include "core/NoteLines.h"
#include "core/WaveformFile.h"
#include "files/DriveList.h"
#include "files/FileList.h"
#include "files/FolderList.h"
#include "files/OpenWindow.h"
#include "files/SaveWindow.h"
#include "FilesTestSupport.h"
#include "support/BankRows.h"
#include "support/DataRows.h"
#include "support/Records.h"
#include "view/AscanView.h"
#include "view/MemoryList.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

using namespace quillon;
using namespace quillon::test;

namespace
{

// What the reception path does with a record: into recbuf, stored in its row, drawn.
void receive(Application& app, int memory, const Record& record)
{
    app.module().recbuf = record;
    app.module().store(memory - 1, app.module().recbuf, {StoreKind::Received, {}});
    app.window().showRecord(memory - 1);
}

QStringList listTexts(MainWindow& w)
{
    QStringList texts;
    for (int i = 0; i < w.lstmem->count(); ++i)
        texts << w.lstmem->itemText(i);
    return texts;
}

QStringList expectedList(const Marks& marks)
{
    QStringList texts;
    for (int row = 0; row < kMemoryCount; ++row)
        texts << QStringLiteral("Mem %1").arg(row + 1) + (marks[row] ? QStringLiteral(" *") : "");
    return texts;
}

// What the window shows: the picture of the A-scan, the panel and the note boxes.
struct Shown {
    QImage ascan;
    PanelTexts panel;
    NoteTexts notes;
    bool operator==(const Shown& o) const
    {
        return ascan == o.ascan && panel.boxes == o.panel.boxes &&
               panel.readouts == o.panel.readouts && panel.txttmdt == o.panel.txttmdt &&
               notes == o.notes;
    }
};

Shown shown(MainWindow& w)
{
    const DisplaySnapshot s = w.displayedSnapshot();
    return {w.picascan->grab().toImage(), s.panel, s.notes};
}

FilesController& controller(MainWindow& w)
{
    auto* c = w.findChild<FilesController*>(QStringLiteral("filesController"));
    Q_ASSERT(c);
    return *c;
}

SaveWindow* saveForm(MainWindow& w)
{
    w.mnusave->trigger();
    auto* form = w.findChild<SaveWindow*>(QStringLiteral("frmsave"));
    return form && form->isVisible() ? form : nullptr;
}

// The program left by "Exit" or by closing its window.
void leave(MainWindow& w, bool byMenu)
{
    if (byMenu)
        w.mnuexit->trigger();
    else
        w.close();
}

OpenWindow* openForm(MainWindow& w)
{
    w.mnuopen->trigger();
    auto* form = w.findChild<OpenWindow*>(QStringLiteral("frmopen"));
    return form && form->isVisible() ? form : nullptr;
}

QByteArray oldBank()
{
    return QByteArray(kBankFileSize, '7');
}

} // namespace

class FilesInWindowTest : public QObject
{
    Q_OBJECT

    test::ProgramFolder m_work;
    QString m_previous = QDir::currentPath();
    test::PrivateMounts m_mounts;

    QString file(const QString& name) const { return m_work.filePath(name); }
    // The memories the archive would offer back if the program ended now without a save.
    QList<int> offeredRows() const
    {
        SqliteArchive archive;
        std::vector<SqliteArchive::Unsettled> entries;
        if (archive.open(m_work.archivePath()) || archive.unsettled(0, entries))
            return {-1};
        QList<int> rows;
        for (const SqliteArchive::Unsettled& u : entries)
            if (!rows.contains(u.entry.memory - 1))
                rows << u.entry.memory - 1;
        return rows;
    }

private slots:
    void initTestCase() { m_mounts.enter(); }
    void init() { m_work.enter(); }
    void cleanup()
    {
        while (!takeMessage().isEmpty()) {
        }
        QDir::setCurrent(m_previous);
        m_work.remove();
    }

    void saveRightAfterStartUpWrites672000Bytes()
    {
        StartedApplication app;
        MainWindow& w = app.window();
        QVERIFY(w.mnusave->isEnabled());
        SaveWindow* form = saveForm(w);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("File Save"));
        QCOMPARE(form->Dir1->path(), m_work.path());
        QCOMPARE(form->txtfilename->text(), QStringLiteral("temp.dat"));
        QCOMPARE(form->Text1->text(), file("temp.dat"));

        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        QCOMPARE(takeMessage(), QString());
        QVERIFY(!form->isVisible());
        const QByteArray bank = contentsOf(file("temp.dat"));
        QCOMPARE(bank.size(), 672000);
        QCOMPARE(bank, startUpBankFile());
        QVERIFY(offeredRows().isEmpty());

        // Saving again without changes gives the same bytes, once the operator agrees to replace
        // the file.
        form = saveForm(w);
        QVERIFY(form);
        QFile::resize(file("temp.dat"), 10);
        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        QVERIFY(answerQuestion("Replace"));
        QVERIFY(!form->isVisible());
        QCOMPARE(contentsOf(file("temp.dat")), bank);
    }

    void pathRulesAtRootAndElsewhere()
    {
        QVERIFY(QDir(m_work.path()).mkpath("rail/km12"));
        StartedApplication app;
        receive(app, 3, test::realisticRecord(3));
        MainWindow& w = app.window();

        SaveWindow* form = saveForm(w);
        QVERIFY(form);
        form->Dir1->openEntry("rail");
        QCOMPARE(form->Text1->text(), file("rail/temp.dat"));
        typeInto(form->txtfilename, "day3"); // no extension is added
        QCOMPARE(form->Text1->text(), file("rail/day3"));
        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        QCOMPARE(takeMessage(), QString());
        QCOMPARE(QFileInfo(file("rail/day3")).size(), 672000);

        // The next showing proposes the bank file just saved. At the root the box shows two
        // separators after a name edit, the file gets one.
        form = saveForm(w);
        QVERIFY(form);
        QCOMPARE(form->Dir1->path(), file("rail"));
        QCOMPARE(form->txtfilename->text(), QStringLiteral("day3"));
        typeInto(form->txtfilename, "temp.dat");
        form->Dir1->setPath("/");
        QCOMPARE(form->Text1->text(), QStringLiteral("/temp.dat"));
        const QString relative = m_work.path().mid(1) + "/rail/km12/root.dat";
        typeInto(form->txtfilename, relative);
        QCOMPARE(form->Text1->text(), "//" + relative);
        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        QCOMPARE(takeMessage(), QString());
        QVERIFY(!form->isVisible());
        QCOMPARE(QFileInfo(file("rail/km12/root.dat")).size(), 672000);

        // The open form: the same rule when a file is clicked.
        OpenWindow* open = openForm(w);
        QVERIFY(open);
        open->Dir1->openEntry("rail");
        choose(open->cmbext, 2);
        clickItem(open->File1, "day3");
        QCOMPARE(open->Text1->text(), file("rail/day3"));
        open->Dir1->openEntry("km12");
        QCOMPARE(open->Text1->text(), file("rail/km12/temp.dat"));
        open->close();

        // The open form comes back in the folder it showed last; the save form proposes the bank
        // file saved last.
        open = openForm(w);
        QVERIFY(open);
        QCOMPARE(open->Dir1->path(), file("rail/km12"));
        QCOMPARE(open->cmbext->currentText(), QStringLiteral("*.dat"));
        QCOMPARE(open->File1->count(), 1);
        QCOMPARE(open->File1->item(0)->text(), QStringLiteral("root.dat"));
        open->Dir1->setPath("/");
        QCOMPARE(open->Text1->text(), QStringLiteral("/temp.dat"));
        open->close();
        form = saveForm(w);
        QVERIFY(form);
        QCOMPARE(form->Dir1->path(), file("rail/km12"));
        QCOMPARE(form->txtfilename->text(), QStringLiteral("root.dat"));
        form->close();
    }

    void savedBankReopensExactly()
    {
        StartedApplication app;
        MainWindow& w = app.window();
        Module1& module = app.module();

        // Every memory holds something; the memory-number characters decide the marks of a load:
        // "125" marks memory 1 (after one character), 12 (after two) and 125 (after all three).
        // (Most rows are filled directly, as a loaded bank would leave them.)
        for (int row = 0; row < kMemoryCount; ++row)
            test::putRow(module, row, patternRecord(row + 1, "   "));
        const struct {
            int memory;
            const char* number;
        } numbers[] = {{1, "125"}, {12, "125"}, {125, "125"}, {6, "125"},  {7, "7  "},
                       {8, "  7"}, {9, " 9 "},  {200, "200"}, {61, "6x1"}, {20, "20A"}};
        for (const auto& n : numbers)
            receive(app, n.memory, patternRecord(n.memory, n.number));
        receive(app, 40, test::realisticRecord(40));
        // Note lines typed for memory 40 and saved with the button.
        w.openMemory(39);
        w.txtnoteLn[3]->setText(QStringLiteral("km 12.400 left"));
        w.cmdtxtsav->click();
        QVERIFY(module.hasUnsavedChanges());
        // Memory 8 was received but its number reads 7, and memory 6 holds 125: no marks after a
        // load; the others are marked, from the first, the first two or all three characters.
        Marks expected{};
        for (int memory : {1, 12, 125, 7, 9, 200, 20, 40})
            expected[memory - 1] = true;
        const Bank saved = module.membank;

        SaveWindow* form = saveForm(w);
        QVERIFY(form);
        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        QCOMPARE(takeMessage(), QString());
        QVERIFY(!module.hasUnsavedChanges());
        QVERIFY(offeredRows().isEmpty());
        QCOMPARE(w.statusBar()->currentMessage(), "Bank saved to " + file("temp.dat"));

        // Change the bank, the parts a bank file does not hold included, and the record on display.
        receive(app, 3, test::realisticRecord(99));
        w.openMemory(5);
        w.txtnoteLn[0]->setText(QStringLiteral("changed"));
        w.cmdtxtsav->click();
        for (int row = 0; row < kMemoryCount; ++row)
            test::putValue(module, row, 840, row);
        w.openMemory(150);
        module.recbuf = test::realisticRecord(23);
        w.showRecord(MainWindow::kNoRow);
        QVERIFY(module.hasUnsavedChanges());
        const Bank changed = module.membank;
        const Record onDisplay = module.recbuf;
        const Shown before = shown(w);

        OpenWindow* open = openForm(w);
        QVERIFY(open);
        QCOMPARE(open->Text1->text(), file("temp.dat"));
        clickItem(open->File1, "temp.dat");
        QTest::mouseClick(open->cmdok, Qt::LeftButton);
        QVERIFY(!open->isVisible());
        // The unsaved change is not thrown away without asking.
        QString question;
        QVERIFY(answerQuestion(QStringLiteral("Load"), &question));
        QVERIFY2(question.contains(file("temp.dat")), qPrintable(question));
        QCOMPARE(takeMessage(), QString());

        for (int row = 0; row < kMemoryCount; ++row) {
            for (int p = 0; p < kBankFilePositions; ++p)
                QCOMPARE(module.membank[row][p], saved[row][p]);
            QCOMPARE(module.membank[row][840], changed[row][840]);
        }
        QVERIFY(module.membank[200] == changed[200]);
        QVERIFY(module.marked == expected);
        QCOMPARE(listTexts(w), expectedList(expected));
        QVERIFY(module.recbuf == onDisplay);
        QCOMPARE(module.curmem, 150);
        QVERIFY(shown(w) == before);
        QVERIFY(!module.hasUnsavedChanges());
        QCOMPARE(w.statusBar()->currentMessage(),
                 "Bank opened: " + file("temp.dat") + " (8 received memories).");
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Quillon — Mem 151 (shown before temp.dat was opened)"));

        // The loaded memory opens as it was saved.
        w.openMemory(39);
        QCOMPARE(w.txtnoteLn[3]->text(), QStringLiteral("km 12.400 left"));
        QCOMPARE(w.displayedSnapshot().notes[3], QStringLiteral("km 12.400 left      "));
    }

    // Which files are refused, and what the message says, is the opener's rule; here the message
    // reaches the screen and nothing in the window changes.
    void unusableBankFileChangesNothing()
    {
        const QByteArray bytes = startUpBankFile().left(400000); // stops after 100,000 fields
        const QString problem = QStringLiteral("memory 120, position 40");
        const QString path = file("broken.dat");
        QVERIFY(writeBytes(path, bytes));

        StartedApplication app;
        MainWindow& w = app.window();
        Module1& module = app.module();
        receive(app, 4, test::realisticRecord(4));
        receive(app, 9, test::realisticRecord(9));
        w.openMemory(3);
        const Bank bank = module.membank;
        const Marks marks = module.marked;
        const QStringList list = listTexts(w);
        const Record onDisplay = module.recbuf;
        const Shown before = shown(w);

        OpenWindow* open = openForm(w);
        QVERIFY(open);
        typeInto(open->Text1, path);
        QTest::keyClick(open->Text1, Qt::Key_Return);
        QVERIFY(!open->isVisible());

        const QString text = takeMessage();
        QVERIFY2(text.contains(path), qPrintable(text));
        QVERIFY2(text.contains(problem), qPrintable(text));
        QVERIFY(openBoxes(QStringLiteral("quillonQuestion")).isEmpty());
        QVERIFY(module.membank == bank);
        QVERIFY(module.marked == marks);
        QCOMPARE(listTexts(w), list);
        QVERIFY(module.recbuf == onDisplay);
        QCOMPARE(module.curmem, 3);
        QVERIFY(shown(w) == before);
        QVERIFY(module.hasUnsavedChanges()); // the received records are still waiting for a save
        QVERIFY(!offeredRows().isEmpty());
    }

    // That the size decides, not the name, is the opener's rule; here a 9,999-byte .dat chosen in
    // the open form is shown as the waveform it is.
    void sizeDecidesHowAFileIsRead()
    {
        const QString name = QStringLiteral("x.dat");
        const int size = 9999;
        Record wave = test::realisticRecord(8);
        test::setNote(wave, 2, QStringLiteral("from the file"));
        QByteArray bytes = writeWaveform(wave, kWaveformMinSize);
        bytes.resize(size, ' ');
        QVERIFY(writeBytes(file(name), bytes));

        StartedApplication app;
        MainWindow& w = app.window();
        Module1& module = app.module();
        receive(app, 2, test::realisticRecord(2));
        const Bank bank = module.membank;
        const QStringList list = listTexts(w);
        const Record onDisplay = module.recbuf;
        const Shown before = shown(w);

        OpenWindow* open = openForm(w);
        QVERIFY(open);
        choose(open->cmbext, 2);            // "All Files(*.*)"
        clickItem(open->File1, name, true); // a double-click runs direct
        QVERIFY(!open->isVisible());
        const QString message = takeMessage();

        QVERIFY(module.membank == bank);
        QCOMPARE(listTexts(w), list);
        QCOMPARE(message, QString());
        Record expected = onDisplay;
        RawFrame raw{};
        QVERIFY(readWaveform(bytes, raw, nullptr));
        get_data(raw, expected);
        QVERIFY(module.recbuf == expected);
        QCOMPARE(memoryNumberOf(module.recbuf), 8);
        QCOMPARE(w.txtnoteLn[2]->text(), QStringLiteral("from the file"));
        QVERIFY(!(shown(w) == before));
        const DisplaySnapshot wanted = snapshotOf(expected);
        QVERIFY(w.displayedSnapshot().panel.boxes == wanted.panel.boxes);
    }

    void waveformImportLeavesMemory1Intact()
    {
        QVERIFY(writeBytes(file("m5.awv"), writeWaveform(test::realisticRecord(5), 1200)));
        StartedApplication app;
        MainWindow& w = app.window();
        Module1& module = app.module();
        receive(app, 1, test::realisticRecord(1));
        w.openMemory(0);
        const Bank bank = module.membank;
        module.markSaved({}); // as if just saved: an import is no unsaved work

        OpenWindow* open = openForm(w);
        QVERIFY(open);
        choose(open->cmbext, 1); // "*.awv"
        QCOMPARE(open->File1->count(), 1);
        clickItem(open->File1, "m5.awv");
        QCOMPARE(open->Text1->text(), file("m5.awv"));
        QTest::mouseClick(open->cmdok, Qt::LeftButton);
        QCOMPARE(takeMessage(), QString());

        QCOMPARE(memoryNumberOf(module.recbuf), 5);
        QVERIFY(module.membank == bank);
        QCOMPARE(w.lstmem->itemText(0), QStringLiteral("Mem 1 *"));
        QCOMPARE(w.lstmem->itemText(4), QStringLiteral("Mem 5"));
        QVERIFY(!module.hasUnsavedChanges());
        // A waveform file is no memory of the bank: its notes are not saved anywhere.
        QCOMPARE(w.shownRow(), MainWindow::kNoRow);
        w.txtnoteLn[0]->setText(QStringLiteral("from the file"));
        w.cmdtxtsav_Click();
        QVERIFY(module.membank == bank);
        // Memory 1 opens as it was received.
        w.openMemory(0);
        QCOMPARE(memoryNumberOf(module.recbuf), 1);
        QVERIFY(sameRecord(module.recbuf, test::realisticRecord(1)));
    }

    void pellisorOpenForm()
    {
        Record wave = test::realisticRecord(8);
        QByteArray small = writeWaveform(wave, kWaveformMinSize);
        small.resize(9999, ' ');
        QVERIFY(writeBytes(file("small.dat"), small));
        StartedApplication app(Edition::pellisor());
        MainWindow& w = app.window();
        receive(app, 2, test::realisticRecord(2));
        const Bank bank = app.module().membank;
        const Record onDisplay = app.module().recbuf;

        // The form is the edition's (its buttons and patterns are the form's own test's); here the
        // program opens that one.
        OpenWindow* open = openForm(w);
        QVERIFY(open);
        QVERIFY(!open->cmdcancel);

        // Every file is read as a bank file: the small one is refused as one.
        typeInto(open->Text1, file("small.dat"));
        QTest::mouseClick(open->cmdok, Qt::LeftButton);
        const QString message = takeMessage();
        QVERIFY2(message.contains("bank file"), qPrintable(message));
        QVERIFY(app.module().membank == bank);
        QVERIFY(app.module().recbuf == onDisplay);
    }

    void unsavedWorkIsTracked()
    {
        StartedApplication app;
        MainWindow& w = app.window();
        Module1& module = app.module();
        auto* mark = w.findChild<QLabel*>(QStringLiteral("unsavedMark"));
        QVERIFY(mark);
        QVERIFY(!module.hasUnsavedChanges());
        QCOMPARE(mark->text(), QString());

        // A received record.
        receive(app, 7, test::realisticRecord(7));
        QVERIFY(module.hasUnsavedChanges());
        QVERIFY(!mark->text().isEmpty());
        // The caption names what is shown; unsaved work is the status bar's.
        QCOMPARE(w.windowTitle(), QStringLiteral("Quillon — Mem 7"));
        QVERIFY(!offeredRows().isEmpty());
        SaveWindow* form = saveForm(w);
        QVERIFY(form);
        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        QVERIFY(!module.hasUnsavedChanges());
        QCOMPARE(mark->text(), QString());
        QVERIFY(offeredRows().isEmpty());

        // Note lines saved unchanged are no change; edited ones are.
        w.openMemory(6);
        w.cmdtxtsav->click();
        QVERIFY(!module.hasUnsavedChanges());
        QVERIFY(offeredRows().isEmpty());
        w.txtnoteLn[5]->setText(QStringLiteral("recheck"));
        QVERIFY(!module.hasUnsavedChanges()); // typed, not yet saved into the bank
        w.cmdtxtsav->click();
        QVERIFY(module.hasUnsavedChanges());
        QVERIFY(!offeredRows().isEmpty());

        // A loaded bank file is saved work; importing a waveform changes nothing.
        form = saveForm(w);
        QVERIFY(form);
        typeInto(form->txtfilename, "other.dat");
        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        receive(app, 8, test::realisticRecord(8)); // captured: stored the same way
        QVERIFY(module.hasUnsavedChanges());
        controller(w).open(file("other.dat"));
        QVERIFY(answerQuestion(QStringLiteral("Load")));
        QVERIFY(!module.hasUnsavedChanges());
        QVERIFY(offeredRows().isEmpty());
        QVERIFY(writeBytes(file("w.awv"), writeWaveform(test::realisticRecord(9))));
        controller(w).open(file("w.awv"));
        QCOMPARE(takeMessage(), QString());
        QCOMPARE(memoryNumberOf(module.recbuf), 9);
        QVERIFY(!module.hasUnsavedChanges());
    }

    void readOnlyFolderKeepsOldFile()
    {
        const QString usb = file("usb");
        QVERIFY(QDir(m_work.path()).mkdir("usb"));
        const QString old = usb + "/temp.dat";
        QVERIFY(writeBytes(old, oldBank()));
        test::ReadOnlyFolder readOnly(usb, m_mounts);
        if (!readOnly.skipReason().isEmpty())
            QSKIP(qPrintable(readOnly.skipReason()));
        QVERIFY(readOnly.isReadOnly());

        StartedApplication app;
        receive(app, 3, test::realisticRecord(3));
        const Bank bank = app.module().membank;
        SaveWindow* form = saveForm(app.window());
        QVERIFY(form);
        form->Dir1->openEntry("usb");
        QCOMPARE(form->Text1->text(), old);
        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        QVERIFY(answerQuestion("Replace"));

        const QString text = takeMessage();
        QVERIFY2(text.contains(old), qPrintable(text));
        QVERIFY2(text.contains("read-only") || text.contains("Permission denied"),
                 qPrintable(text));
        QVERIFY(form->isVisible());
        QCOMPARE(contentsOf(old), oldBank());
        QCOMPARE(QDir(usb).entryList(QDir::Files | QDir::Hidden), QStringList{"temp.dat"});
        QVERIFY(app.module().membank == bank);
        QVERIFY(app.module().hasUnsavedChanges());
        QVERIFY(!offeredRows().isEmpty());

        // Another folder then takes the save.
        form->Dir1->openEntry("..");
        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        QCOMPARE(takeMessage(), QString());
        QVERIFY(!form->isVisible());
        QCOMPARE(contentsOf(file("temp.dat")), writeBank(bank));
    }

    void fullDeviceKeepsOldFile()
    {
        StartedApplication app;
        receive(app, 3, test::realisticRecord(3));
        const Bank bank = app.module().membank;

        const QString usb = file("usb");
        QVERIFY(QDir(m_work.path()).mkdir("usb"));
        const test::SmallVolume volume(usb, m_mounts);
        const bool mounted = volume.isMounted();
        SaveWindow* form = saveForm(app.window());
        QVERIFY(form);
        if (mounted) {
            // A 1 MB volume holds the old bank; the new one, written beside it, does not fit.
            const QString old = usb + "/temp.dat";
            QVERIFY(writeBytes(old, oldBank()));
            form->Dir1->openEntry("usb");
            QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
            QVERIFY(answerQuestion("Replace"));
            const QString text = takeMessage();
            QVERIFY2(text.contains(old), qPrintable(text));
            QVERIFY2(text.contains("No space left on device"), qPrintable(text));
            QCOMPARE(contentsOf(old), oldBank());
            QCOMPARE(QDir(usb).entryList(QDir::Files | QDir::Hidden), QStringList{"temp.dat"});
        } else if (QFileInfo(QStringLiteral("/dev/full")).exists()) {
            // No volume can be made full here; the device that is always full is refused as a file
            // and left as it is.
            form->Dir1->setPath(QStringLiteral("/dev"));
            typeInto(form->txtfilename, "full");
            QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
            const QString text = takeMessage();
            QVERIFY2(text.contains("/dev/full"), qPrintable(text));
            QVERIFY2(text.contains("device"), qPrintable(text));
            QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
        } else {
            QSKIP(qPrintable("no full device: " + m_mounts.problem() + ", and no /dev/full"));
        }
        QVERIFY(form->isVisible());
        QVERIFY(app.module().membank == bank);
        QVERIFY(app.module().hasUnsavedChanges());
        QVERIFY(!offeredRows().isEmpty());
    }

    void exitWithNothingUnsavedEndsAtOnce_data()
    {
        test::addBoolRows("byMenu", "Exit", "closing the window");
    }

    void exitWithNothingUnsavedEndsAtOnce()
    {
        QFETCH(bool, byMenu);
        StartedApplication app;
        MainWindow& w = app.window();
        receive(app, 3, test::realisticRecord(3));
        SaveWindow* form = saveForm(w);
        QVERIFY(form);
        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        QVERIFY(w.isVisible());
        leave(w, byMenu);
        QVERIFY(openBoxes(QStringLiteral("quillonQuestion")).isEmpty());
        QVERIFY(!w.isVisible());
    }

    void exitPrompt_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<QString>("answer");
        for (const char* answer : {"Save", "Discard", "Cancel"}) {
            QTest::addRow("Exit, %s", answer) << true << QString::fromLatin1(answer);
            QTest::addRow("closing the window, %s", answer) << false << QString::fromLatin1(answer);
        }
    }

    void exitPrompt()
    {
        QFETCH(bool, byMenu);
        QFETCH(QString, answer);
        StartedApplication app;
        MainWindow& w = app.window();
        receive(app, 3, test::realisticRecord(3));
        w.openMemory(2);
        w.txtnoteLn[0]->setText(QStringLiteral("rail 4"));
        w.cmdtxtsav->click();
        const Bank bank = app.module().membank;

        leave(w, byMenu);
        QVERIFY(w.isVisible());
        leave(w, byMenu); // asked once, however often the operator tries
        QCOMPARE(openBoxes(QStringLiteral("quillonQuestion")).size(), 1);
        QString question;
        QVERIFY(answerQuestion(answer, &question));
        QVERIFY2(question.contains("Save"), qPrintable(question));

        if (answer == "Save") {
            SaveWindow* form = w.findChild<SaveWindow*>(QStringLiteral("frmsave"));
            QVERIFY(form && form->isVisible());
            QVERIFY(w.isVisible()); // still running while the operator picks the file
            QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
            QCOMPARE(takeMessage(), QString());
            QCOMPARE(contentsOf(file("temp.dat")), writeBank(bank));
            QVERIFY(!w.isVisible());
            QVERIFY(offeredRows().isEmpty());
        } else if (answer == "Discard") {
            QVERIFY(!w.isVisible());
            QVERIFY(!QFileInfo::exists(file("temp.dat")));
            QVERIFY(offeredRows().isEmpty());
        } else {
            QVERIFY(w.isVisible());
            QVERIFY(app.module().hasUnsavedChanges());
            QVERIFY(app.module().membank == bank);
            QVERIFY(!offeredRows().isEmpty());
            // The question comes again at the next try.
            leave(w, byMenu);
            QVERIFY(answerQuestion(QStringLiteral("Cancel")));
            QVERIFY(w.isVisible());
        }
    }

    void saveFormClosedFromExitPromptKeepsRunning()
    {
        StartedApplication app;
        MainWindow& w = app.window();
        receive(app, 3, test::realisticRecord(3));
        w.mnuexit->trigger();
        QVERIFY(answerQuestion(QStringLiteral("Save")));
        auto* form = w.findChild<SaveWindow*>(QStringLiteral("frmsave"));
        QVERIFY(form && form->isVisible());
        // A failed save keeps the form and the program.
        typeInto(form->txtfilename, "");
        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        QVERIFY(takeMessage().contains("no file name"));
        QVERIFY(form->isVisible());
        QVERIFY(w.isVisible());
        form->close();
        QVERIFY(w.isVisible());

        // A later save from the menu is an ordinary save: the program goes on.
        form = saveForm(w);
        QVERIFY(form);
        QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
        QVERIFY(QFileInfo::exists(file("temp.dat")));
        QVERIFY(w.isVisible());
        w.mnuexit->trigger();
        QVERIFY(openBoxes(QStringLiteral("quillonQuestion")).isEmpty());
        QVERIFY(!w.isVisible());
    }

    void recoveryAfterKilledProcess_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("onBank"); // the killed run had opened the day's bank file
        QTest::newRow("Restore") << "Restore" << false;
        QTest::newRow("Restore onto the bank file") << "Restore" << true;
        QTest::newRow("Discard") << "Discard" << false;
        QTest::newRow("Later") << "Later" << false;
    }

    void recoveryAfterKilledProcess()
    {
        QFETCH(QString, answer);
        QFETCH(bool, onBank);
        Bank day{};
        for (Record& row : day)
            row = test::startUpRow();
        day[2] = test::realisticRecord(3);
        QVERIFY(writeBytes(file("line4.dat"), writeBank(day)));
        QProcess session;
        session.setWorkingDirectory(m_work.path());
        QString why; // killed once the records are stored: no chance to clean up
        const QStringList args = onBank ? QStringList{file("line4.dat")} : QStringList{};
        QVERIFY2(runUntilKilled(session, QStringLiteral(KILLED_SESSION), args, "stored", &why),
                 qPrintable(why));
        QCOMPARE(session.exitStatus(), QProcess::CrashExit);
        QVERIFY(!offeredRows().isEmpty());

        Record seven = test::realisticRecord(7);
        test::setNote(seven, 0, QStringLiteral("received 7"));
        Record twelve = test::realisticRecord(12);
        test::setNote(twelve, 0, QStringLiteral("received 12"));

        auto app = std::make_unique<StartedApplication>();
        MainWindow& w = app->window();
        Module1& module = app->module();
        const Record onDisplay = module.recbuf;
        QString question;
        QTRY_VERIFY(!openBoxes(QStringLiteral("quillonQuestion")).isEmpty());
        QVERIFY(answerQuestion(answer, &question));
        QVERIFY2(question.contains("7, 12, 21"), qPrintable(question));

        if (answer == "Restore") {
            // On top of the bank file the work was done on, when there was one.
            QCOMPARE(sameRecord(test::realisticRecord(3), module.membank[2]), onBank);
            QCOMPARE(question.contains(file("line4.dat")), onBank);
            QCOMPARE(w.statusBar()->currentMessage().contains(file("line4.dat")), onBank);
            QVERIFY(sameRecord(seven, module.membank[6]));
            QVERIFY(sameRecord(twelve, module.membank[11]));
            const NoteTexts notes = noteTexts(module.membank[20]);
            QCOMPARE(notes[0], QStringLiteral("Operator 17         "));
            QCOMPARE(notes[11], QStringLiteral("peak at 40 mm       "));
            QCOMPARE(w.lstmem->itemText(6), QStringLiteral("Mem 7 *"));
            QCOMPARE(w.lstmem->itemText(11), QStringLiteral("Mem 12 *"));
            QCOMPARE(w.lstmem->itemText(20), QStringLiteral("Mem 21")); // notes alone
            QVERIFY(module.recbuf == onDisplay);
            QVERIFY(module.hasUnsavedChanges());
            // Still offered until saved; then no more.
            QVERIFY(!offeredRows().isEmpty());
            // The save form proposes the bank file of this run.
            SaveWindow* form = saveForm(w);
            QVERIFY(form);
            const QString saved = file(onBank ? "line4.dat" : "temp.dat");
            QCOMPARE(form->Text1->text(), saved);
            QTest::mouseClick(form->cmdsaveok, Qt::LeftButton);
            if (onBank)
                QVERIFY(answerQuestion(QStringLiteral("Replace")));
            QVERIFY(offeredRows().isEmpty());
            QCOMPARE(contentsOf(saved), writeBank(module.membank));
        } else {
            QCOMPARE(w.lstmem->itemText(6), QStringLiteral("Mem 7"));
            QCOMPARE(module.membank[6][kMemoryNumberPos], ' ');
            QVERIFY(!module.hasUnsavedChanges());
            QCOMPARE(!offeredRows().isEmpty(), answer == "Later");
            // Ending now asks nothing, and the next start offers (or not) the same memories.
            w.mnuexit->trigger();
            QVERIFY(openBoxes(QStringLiteral("quillonQuestion")).isEmpty());
            app.reset();
            StartedApplication next;
            QCoreApplication::processEvents();
            if (answer == "Later") {
                QTRY_VERIFY(!openBoxes(QStringLiteral("quillonQuestion")).isEmpty());
                QVERIFY(answerQuestion(QStringLiteral("Restore"), &question));
                QVERIFY2(question.contains("7, 12, 21"), qPrintable(question));
                QCOMPARE(next.window().lstmem->itemText(11), QStringLiteral("Mem 12 *"));
            } else {
                QVERIFY(openBoxes(QStringLiteral("quillonQuestion")).isEmpty());
            }
        }
    }

    void fileOnCommandLineOpens_data() { test::addBoolRows("bank", "bank file", "waveform file"); }
    void fileOnCommandLineOpens()
    {
        QFETCH(bool, bank);
        Bank saved;
        saved.fill(test::startUpRow());
        saved[4] = test::realisticRecord(5);
        if (bank)
            QVERIFY(writeBytes(file("day.dat"), writeBank(saved)));
        else
            QVERIFY(writeBytes(file("m8.awv"), writeWaveform(test::realisticRecord(8))));

        // Relative names.
        StartedApplication app(Edition::quillon(),
                               {bank ? QStringLiteral("day.dat") : QStringLiteral("m8.awv")});
        MainWindow& w = app.window();
        if (bank) {
            QTRY_COMPARE(w.lstmem->itemText(4), QStringLiteral("Mem 5 *"));
            QVERIFY(std::equal(saved[4].begin(), saved[4].begin() + kBankFilePositions,
                               app.module().membank[4].begin()));
        } else {
            QTRY_COMPARE(memoryNumberOf(app.module().recbuf), 8);
            QCOMPARE(listTexts(w), expectedList(Marks{}));
        }
        QCOMPARE(takeMessage(), QString());
    }

    void droppedFileOpens()
    {
        Bank saved;
        saved.fill(test::startUpRow());
        saved[9] = test::realisticRecord(10);
        QVERIFY(writeBytes(file("day.dat"), writeBank(saved)));
        QVERIFY(writeBytes(file("short.awv"), QByteArray(300, 'x')));

        StartedApplication app;
        MainWindow& w = app.window();
        const auto drop = [&w](const QStringList& paths) {
            QMimeData mime;
            QList<QUrl> urls;
            for (const QString& path : paths)
                urls << QUrl::fromLocalFile(path);
            mime.setUrls(urls);
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(&w, &enter);
            if (!enter.isAccepted())
                return false;
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&w, &drop);
            return drop.isAccepted();
        };

        QVERIFY(drop({file("day.dat")}));
        QCOMPARE(takeMessage(), QString());
        QCOMPARE(w.lstmem->itemText(9), QStringLiteral("Mem 10 *"));
        QCOMPARE(memoryNumberOf(app.module().membank[9]), 10);

        // A file that cannot be used is reported like one chosen in the open form.
        const Bank bank = app.module().membank;
        const Record onDisplay = app.module().recbuf;
        QVERIFY(drop({file("short.awv"), file("day.dat")}));
        const QString text = takeMessage();
        QVERIFY2(text.contains(file("short.awv")), qPrintable(text));
        QVERIFY(app.module().membank == bank);
        QVERIFY(app.module().recbuf == onDisplay);
    }
};

QTEST_MAIN(FilesInWindowTest)
#include "tst_files_in_window.moc"
