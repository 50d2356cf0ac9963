// The save form and the open form, driven through their controls.

#include "core/Module1.h"
#include "files/DriveList.h"
#include "files/FileList.h"
#include "files/FileOpener.h"
#include "files/FolderList.h"
#include "files/OpenWindow.h"
#include "files/PathRule.h"
#include "files/SaveWindow.h"
#include "FilesTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

using namespace quillon;
using namespace quillon::test;

// The save form shown over a bank with one memory received and not saved yet, and a spy on
// its saves.
struct ShownSaveForm {
    struct Unsaved : StartedModule {
        Unsaved() { store(0, recbuf, {StoreKind::Received, {}}); }
    } module;
    SaveWindow form{module};
    QSignalSpy saved{&form, &SaveWindow::saved};
    ShownSaveForm() { form.show(); }
};

class FileWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        while (!takeMessage().isEmpty()) {
        }
    }

    void saveFormStartsAtCurrentDirectoryEveryShowing()
    {
        WorkingFolder first;
        QVERIFY(QDir(first.path()).mkdir("sub"));
        StartedModule module;
        SaveWindow form(module);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("File Save"));
        QCOMPARE(form.Label1->text(), QStringLiteral("File Name"));
        QCOMPARE(form.cmdsaveok->text(), QStringLiteral("Ok"));
        // Cancel leaves the form without saving.
        QCOMPARE(form.findChildren<QPushButton*>().size(), 2);
        QSignalSpy left(&form, &SaveWindow::closedWithoutSaving);
        form.cmdsavecancel->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(left.size(), 1);
        form.show();
        QCOMPARE(form.Dir1->path(), first.path());
        QCOMPARE(form.txtfilename->text(), QStringLiteral("temp.dat"));
        QCOMPARE(form.Text1->text(), first.path() + "/temp.dat");

        form.Dir1->openEntry("sub");
        typeInto(form.txtfilename, "other.dat");
        form.close();

        WorkingFolder second;
        form.show();
        QCOMPARE(form.Dir1->path(), second.path());
        QCOMPARE(form.txtfilename->text(), QStringLiteral("temp.dat"));
        QCOMPARE(form.Text1->text(), second.path() + "/temp.dat");
    }

    void saveFormPathBoxFollowsFolderAndName()
    {
        WorkingFolder work;
        QVERIFY(QDir(work.path()).mkpath("rail/km12"));
        StartedModule module;
        SaveWindow form(module);
        form.show();

        QVERIFY(items(form.Dir1->list()).contains("rail"));
        clickItem(form.Dir1->list(), "rail");
        QTest::keyClick(form.Dir1->list(), Qt::Key_Return); // opens the entry
        QCOMPARE(form.Dir1->path(), work.path() + "/rail");
        QCOMPARE(form.Text1->text(), work.path() + "/rail/temp.dat");
        QCOMPARE(items(form.Dir1->list()), (QStringList{"..", "km12"}));

        typeInto(form.txtfilename, "day 3");
        QCOMPARE(form.Text1->text(), work.path() + "/rail/day 3");
        form.Dir1->openEntry("..");
        QCOMPARE(form.Text1->text(), work.path() + "/day 3");
    }

    void saveFormAtRootShowsTwoSeparatorsButWritesOne()
    {
        WorkingFolder work;
        StartedModule module;
        SaveWindow form(module);
        form.show();
        form.Dir1->setPath("/");
        QCOMPARE(form.Dir1->path(), QStringLiteral("/"));
        QCOMPARE(form.Text1->text(), QStringLiteral("/temp.dat"));
        QVERIFY(!items(form.Dir1->list()).contains(".."));

        // A name typed with its own folders reaches the working folder from the root.
        const QString relative = work.path().mid(1) + "/root.dat";
        typeInto(form.txtfilename, relative);
        QCOMPARE(form.Text1->text(), "//" + relative);

        QSignalSpy saved(&form, &SaveWindow::saved);
        QTest::mouseClick(form.cmdsaveok, Qt::LeftButton);
        QCOMPARE(takeMessage(), QString());
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.first().first().toString(), "/" + relative);
        QCOMPARE(QFileInfo(work.file("root.dat")).size(), 672000);
    }

    void saveFormDriveChangeMovesFolder()
    {
        WorkingFolder work;
        StartedModule module;
        SaveWindow form(module);
        form.show();
        QVERIFY(form.Drive1->count() >= 1);
        QVERIFY(form.Drive1->findText("/") >= 0);
        const QString home = form.Drive1->drive(); // the drive of the working folder
        QVERIFY(work.path().startsWith(home));

        // The drive already shown is no change.
        form.Dir1->openEntry("..");
        const QString parent = form.Dir1->path();
        form.Drive1->choose(home);
        QCOMPARE(form.Dir1->path(), parent);

        QString other;
        for (int i = 0; i < form.Drive1->count() && other.isEmpty(); ++i)
            if (form.Drive1->itemText(i) != home && QDir(form.Drive1->itemText(i)).isReadable())
                other = form.Drive1->itemText(i);
        if (other.isEmpty())
            QSKIP("this machine shows a single drive");
        // A drive not visited yet: its root. Back on the first drive: the folder shown there last.
        form.Drive1->choose(other);
        QCOMPARE(form.Dir1->path(), other);
        QCOMPARE(form.Text1->text(), buildPath(other, "temp.dat"));
        form.Drive1->choose(home);
        QCOMPARE(form.Dir1->path(), parent);
        QCOMPARE(form.Text1->text(), parent + "/temp.dat");
    }

    void saveFormOkWritesBankAndCloses()
    {
        WorkingFolder work;
        ShownSaveForm shown;
        auto& [module, form, saved] = shown;
        QTest::mouseClick(form.cmdsaveok, Qt::LeftButton);
        QCOMPARE(takeMessage(), QString());
        QVERIFY(!form.isVisible());
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.first().first().toString(), work.file("temp.dat"));
        QCOMPARE(QFileInfo(work.file("temp.dat")).size(), 672000);
        QVERIFY(!module.hasUnsavedChanges());
    }

    void saveFormFailureIsReportedAndFormStays()
    {
        WorkingFolder work;
        QVERIFY(QDir(work.path()).mkdir("sub"));
        ShownSaveForm shown;
        auto& [module, form, saved] = shown;

        typeInto(form.txtfilename, "sub");
        QTest::mouseClick(form.cmdsaveok, Qt::LeftButton);
        const QString text = takeMessage();
        QVERIFY2(text.contains(work.file("sub")), qPrintable(text));
        QVERIFY2(text.contains("folder"), qPrintable(text));
        QVERIFY(form.isVisible());
        QCOMPARE(saved.count(), 0);
        QVERIFY(module.hasUnsavedChanges());

        typeInto(form.txtfilename, "");
        QTest::mouseClick(form.cmdsaveok, Qt::LeftButton);
        QVERIFY(takeMessage().contains("no file name"));
        QVERIFY(form.isVisible());
        QCOMPARE(QDir(work.path()).entryList(QDir::Files), QStringList());
    }

    void saveFormAsksBeforeReplacingAFile()
    {
        WorkingFolder work;
        QVERIFY(writeBytes(work.file("temp.dat"), "an older bank"));
        ShownSaveForm shown;
        auto& [module, form, saved] = shown;

        // Cancel: nothing is written, the form stays open for another name.
        QTest::mouseClick(form.cmdsaveok, Qt::LeftButton);
        QString question;
        QVERIFY(answerQuestion("Cancel", &question));
        QVERIFY2(question.contains(work.file("temp.dat")), qPrintable(question));
        QCOMPARE(question, SaveWindow::replaceQuestion(work.file("temp.dat")));
        QCOMPARE(contentsOf(work.file("temp.dat")), QByteArray("an older bank"));
        QVERIFY(form.isVisible());
        QCOMPARE(saved.count(), 0);
        QVERIFY(module.hasUnsavedChanges());

        // Replace: the bank is written over the old file and the form closes.
        QTest::mouseClick(form.cmdsaveok, Qt::LeftButton);
        QTest::mouseClick(form.cmdsaveok, Qt::LeftButton); // the form waits for the answer
        QCOMPARE(openBoxes(QStringLiteral("quillonQuestion")).size(), 1);
        QVERIFY(answerQuestion("Replace"));
        QCOMPARE(takeMessage(), QString());
        QCOMPARE(saved.count(), 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(QFileInfo(work.file("temp.dat")).size(), 672000);
        QVERIFY(!module.hasUnsavedChanges());

        // A new name asks nothing.
        form.show();
        typeInto(form.txtfilename, "new.dat");
        QTest::mouseClick(form.cmdsaveok, Qt::LeftButton);
        QVERIFY(openBoxes(QStringLiteral("quillonQuestion")).isEmpty());
        QCOMPARE(saved.count(), 2);
    }

    void openFormFirstShowing()
    {
        WorkingFolder work;
        OpenWindow form(Edition::quillon());
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("File Open"));
        QCOMPARE(form.cmbext->count(), 3);
        QCOMPARE(form.cmbext->itemText(0), QStringLiteral("*.dat"));
        QCOMPARE(form.cmbext->itemText(1), QStringLiteral("*.awv"));
        QCOMPARE(form.cmbext->itemText(2), QStringLiteral("All Files(*.*)"));
        QCOMPARE(form.cmbext->currentText(), QStringLiteral("*.dat"));
        QCOMPARE(form.File1->pattern(), QStringLiteral("*.dat"));
        QCOMPARE(form.Dir1->path(), work.path());
        QCOMPARE(form.Text1->text(), work.file("temp.dat"));
        QCOMPARE(form.cmdok->text(), QStringLiteral("Ok"));
        QVERIFY(form.cmdcancel);
        QCOMPARE(form.cmdcancel->text(), QStringLiteral("Cancel"));
    }

    void openFormPatternsFilterTheList()
    {
        WorkingFolder work;
        for (const char* name : {"a.dat", "B.DAT", "m1.awv", "notes.txt", "README"})
            QVERIFY(writeBytes(work.file(name), "x"));
        QVERIFY(QDir(work.path()).mkdir("folder.dat"));
        OpenWindow form(Edition::quillon());
        form.show();
        QCOMPARE(items(form.File1), (QStringList{"a.dat", "B.DAT"}));

        choose(form.cmbext, 2);
        QCOMPARE(form.File1->pattern(), QStringLiteral("*.*"));
        QCOMPARE(items(form.File1),
                 (QStringList{"a.dat", "B.DAT", "m1.awv", "notes.txt", "README"}));
        choose(form.cmbext, 1);
        QCOMPARE(items(form.File1), QStringList{"m1.awv"});

        typeInto(form.cmbext->lineEdit(), "*.awv;*.txt");
        QCOMPARE(form.File1->pattern(), QStringLiteral("*.awv;*.txt"));
        QCOMPARE(items(form.File1), (QStringList{"m1.awv", "notes.txt"}));
        typeInto(form.cmbext->lineEdit(), "READ*");
        QCOMPARE(items(form.File1), QStringList{"README"});
    }

    void openFormClickFillsPathBox()
    {
        WorkingFolder work;
        QVERIFY(QDir(work.path()).mkdir("km12"));
        QVERIFY(writeBytes(work.file("km12/a.dat"), "x"));
        OpenWindow form(Edition::quillon());
        form.show();
        form.Dir1->openEntry("km12");
        QCOMPARE(form.Text1->text(), work.file("km12/temp.dat"));
        clickItem(form.File1, "a.dat");
        QCOMPARE(form.Text1->text(), work.file("km12/a.dat"));

        // At a drive root the name follows the root directly.
        form.Dir1->setPath("/");
        QCOMPARE(form.Text1->text(), QStringLiteral("/temp.dat"));
        emit form.File1->filePicked("a.dat");
        QCOMPARE(form.Text1->text(), QStringLiteral("/a.dat"));
    }

    void openFormRemembersFolder()
    {
        auto first = std::make_unique<WorkingFolder>();
        QVERIFY(QDir(first->path()).mkdir("km12"));
        const QString km12 = first->file("km12");
        OpenWindow form(Edition::quillon());
        QCOMPARE(form.rememberedFolder(), QString());
        form.show();
        form.Dir1->openEntry("km12");
        QCOMPARE(form.rememberedFolder(), km12);
        form.close();

        WorkingFolder second; // another current directory: the form goes back to km12 all the same
        form.show();
        QCOMPARE(form.Dir1->path(), km12);
        QCOMPARE(form.File1->folder(), km12);
        QCOMPARE(form.Text1->text(), km12 + "/temp.dat");
        form.close();

        // A remembered folder that has gone gives way to the current directory.
        QVERIFY(QDir(km12).removeRecursively());
        form.show();
        QCOMPARE(form.Dir1->path(), second.path());
        QCOMPARE(form.Text1->text(), second.file("temp.dat"));
    }

    void openFormOkAndDoubleClickRunDirect()
    {
        WorkingFolder work;
        QVERIFY(writeBytes(work.file("b.dat"), "x"));
        OpenWindow form(Edition::quillon());
        QStringList chosen;
        QList<bool> visibleWhenChosen;
        connect(&form, &OpenWindow::fileChosen, this, [&](const QString& path) {
            chosen << path;
            visibleWhenChosen << form.isVisible();
        });

        form.show();
        QTest::mouseClick(form.cmdok, Qt::LeftButton); // no file clicked: temp.dat of the folder
        QCOMPARE(chosen, QStringList{work.file("temp.dat")});
        QCOMPARE(form.chosenPath(), work.file("temp.dat"));
        QVERIFY(!form.isVisible());

        form.show();
        clickItem(form.File1, "b.dat", true);
        QCOMPARE(chosen, (QStringList{work.file("temp.dat"), work.file("b.dat")}));
        QCOMPARE(visibleWhenChosen, (QList<bool>{false, false})); // the form closes first
        QVERIFY(!form.isVisible());

        form.show();
        typeInto(form.Text1, "/typed/path.dat");
        QTest::mouseClick(form.cmdok, Qt::LeftButton);
        QCOMPARE(chosen.last(), QStringLiteral("/typed/path.dat"));
    }

    void openFormPathBoxFollowsTheKeyboard()
    {
        WorkingFolder work;
        for (const char* name : {"a.dat", "b.dat", "c.dat", "d.dat"})
            QVERIFY(writeBytes(work.file(name), "x"));
        OpenWindow form(Edition::quillon());
        QStringList chosen;
        connect(&form, &OpenWindow::fileChosen, this, [&](const QString& path) { chosen << path; });
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        // Taking the focus names no file yet.
        form.File1->setFocus();
        QCOMPARE(form.Text1->text(), work.file("temp.dat"));
        const struct {
            Qt::Key key;
            const char* file;
        } moves[] = {{Qt::Key_Down, "b.dat"},
                     {Qt::Key_End, "d.dat"},
                     {Qt::Key_Up, "c.dat"},
                     {Qt::Key_Home, "a.dat"},
                     {Qt::Key_Down, "b.dat"}};
        for (const auto& move : moves) {
            QTest::keyClick(form.File1, move.key);
            QCOMPARE(form.Text1->text(), work.file(move.file));
        }
        QCOMPARE(chosen, QStringList());

        // Enter on a file opens it, as a double-click does.
        QTest::keyClick(form.File1, Qt::Key_Return);
        QCOMPARE(chosen, QStringList{work.file("b.dat")});
        QVERIFY(!form.isVisible());
    }

    void openFormCancelLoadsNothing()
    {
        WorkingFolder work;
        OpenWindow form(Edition::quillon());
        QSignalSpy chosen(&form, &OpenWindow::fileChosen);
        form.show();
        QTest::mouseClick(form.cmdcancel, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(chosen.count(), 0);
    }

    void pellisorOpenForm()
    {
        WorkingFolder work;
        for (const char* name : {"a.dat", "notes.txt", "m1.awv"})
            QVERIFY(writeBytes(work.file(name), "x"));
        OpenWindow form(Edition::pellisor());
        form.show();
        QVERIFY(!form.cmdcancel);
        QVERIFY(!form.findChild<QPushButton*>("cmdcancel"));
        for (QPushButton* button : form.findChildren<QPushButton*>())
            QVERIFY(button->text() != QStringLiteral("Cancel"));
        QCOMPARE(form.cmbext->count(), 3);
        QCOMPARE(form.cmbext->itemText(0), QStringLiteral("*.dat"));
        QCOMPARE(form.cmbext->itemText(1), QStringLiteral("*.txt"));
        QCOMPARE(form.cmbext->itemText(2), QStringLiteral("All Files(*.*)"));
        QCOMPARE(items(form.File1), QStringList{"a.dat"});
        choose(form.cmbext, 1);
        QCOMPARE(form.File1->pattern(), QStringLiteral("*.txt"));
        QCOMPARE(items(form.File1), QStringList{"notes.txt"});

        // Closing the window is the way out without loading.
        QSignalSpy chosen(&form, &OpenWindow::fileChosen);
        form.close();
        QCOMPARE(chosen.count(), 0);
    }

private:
    static QStringList items(QListWidget* list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
};

QTEST_MAIN(FileWindowsTest)
#include "tst_file_windows.moc"
