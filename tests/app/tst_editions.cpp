// What differs between the two programs, and how each one ends: closing, "Exit", the close
// guard; files handed over by the command line or dropped on the window.
#include "ProgramFolder.h"
#include "support/DataRows.h"

#include "app/MainWindow.h"
#include "app/StartedApplication.h"
#include "view/MemoryList.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace quillon;

namespace
{

// A window of a feature that is open beside the main window (a port selection, a save form).
struct OtherWindow {
    QWidget widget;
    OtherWindow()
    {
        widget.setWindowTitle(QStringLiteral("other"));
        widget.show();
    }
};

} // namespace

class EditionsTest : public QObject
{
    Q_OBJECT

    // Each case starts in an empty working directory whose "dfd.cfg" names a port that opens.
    test::ProgramFolder m_workDir;

private slots:
    void init() { m_workDir.enter(); }

    void captionsAndMenus_data()
    {
        QTest::addColumn<bool>("pellisor");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("fileMenu");
        QTest::newRow("Quillon") << false << "Quillon"
                                 << QStringList{
                                        "New",        "Open",  "Save",          "Save as Word Doc",
                                        "PrintSetup", "Print", "Print Preview", "Export PDF",
                                        "Exit"};
        QTest::newRow("Pellisor") << true << "Pellisor"
                                  << QStringList{"New",        "Open",  "Save",
                                                 "PrintSetup", "Print", "Print Preview",
                                                 "Export PDF", "Exit"};
    }

    void captionsAndMenus()
    {
        QFETCH(bool, pellisor);
        QFETCH(QString, title);
        QFETCH(QStringList, fileMenu);
        test::StartedApplication app(pellisor);
        MainWindow& w = app.window();
        QCOMPARE(w.windowTitle(), title + QStringLiteral(" — sample echo"));
        QCOMPARE(test::itemTexts(w.fileMenu), fileMenu);
        QCOMPARE(w.mnuSave_word_doc == nullptr, pellisor);

        w.mnuabout->trigger();
        auto* about = w.findChild<QWidget*>(QStringLiteral("frmAbout"));
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About ") + title);
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), title);
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version 1.0.1"));
        about->close();

        // Everything else is the same program: the sample echo, the list.
        QCOMPARE(w.lstmem->count(), 200);
        QVERIFY(!w.ascanDrawing().items.empty());
    }

    void closingTheWindow_data()
    {
        test::addBoolRows("pellisor", "Pellisor unloads the window only",
                          "Quillon ends the program");
    }

    void closingTheWindow()
    {
        QFETCH(bool, pellisor);
        test::StartedApplication app(pellisor);
        OtherWindow other;
        QVERIFY(app.window().close());
        QVERIFY(!app.window().isVisible());
        QCOMPARE(other.widget.isVisible(), pellisor); // only Pellisor leaves the others open
    }

    // The close guard is asked once, and it decides: Exit ends either program once the guard
    // agrees.
    void closeGuardDecides_data()
    {
        QTest::addColumn<bool>("pellisor");
        QTest::addColumn<bool>("byExit");
        QTest::addColumn<bool>("agrees");
        for (const char* edition : {"Quillon", "Pellisor"}) {
            const bool pellisor = qstrcmp(edition, "Pellisor") == 0;
            QTest::addRow("%s, close", edition) << pellisor << false << false;
            QTest::addRow("%s, Exit", edition) << pellisor << true << false;
            QTest::addRow("%s, Exit, agreed", edition) << pellisor << true << true;
        }
    }

    void closeGuardDecides()
    {
        QFETCH(bool, pellisor);
        QFETCH(bool, byExit);
        QFETCH(bool, agrees);
        test::StartedApplication app(pellisor);
        OtherWindow other;
        int asked = 0;
        app.window().setCloseGuard([&asked, agrees] {
            ++asked;
            return agrees;
        });
        if (byExit)
            app.window().mnuexit->trigger();
        else
            QVERIFY(!app.window().close());
        QCOMPARE(app.window().isVisible(), !agrees);
        QCOMPARE(other.widget.isVisible(), !agrees);
        QCOMPARE(asked, 1);
    }

    void commandLineFilesAreHandedOn()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString bank = dir.filePath(QStringLiteral("temp.dat"));
        Application app(Edition::quillon());
        QSignalSpy dropped(&app.window(), &MainWindow::filesDropped);
        app.start({bank, QStringLiteral("relative.awv")});
        // Handed on from the event loop, once every feature has attached to the window.
        QCOMPARE(dropped.size(), 0);
        QVERIFY(dropped.wait(1000));
        const QStringList paths = dropped.first().first().toStringList();
        QCOMPARE(paths.size(), 2);
        QCOMPARE(paths[0], bank);
        QVERIFY(QDir::isAbsolutePath(paths[1]));
        QVERIFY(paths[1].endsWith(QStringLiteral("/relative.awv")));

        Application plain(Edition::quillon());
        QSignalSpy none(&plain.window(), &MainWindow::filesDropped);
        plain.start();
        QVERIFY(!none.wait(100));
    }

    void droppedFilesAreHandedOn()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        QVERIFY(w.acceptDrops());
        QSignalSpy dropped(&w, &MainWindow::filesDropped);

        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.dat")),
                       QUrl(QStringLiteral("https://example.org/b.dat")),
                       QUrl::fromLocalFile(QStringLiteral("/tmp/c.awv"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(&w, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &drop);
        QCOMPARE(dropped.size(), 1);
        QCOMPARE(dropped.first().first().toStringList(), (QStringList{"/tmp/a.dat", "/tmp/c.awv"}));

        // Text without files is refused.
        QMimeData text;
        text.setText(QStringLiteral("not a file"));
        QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton,
                                Qt::NoModifier);
        refused.setAccepted(false);
        QApplication::sendEvent(&w, &refused);
        QVERIFY(!refused.isAccepted());
    }
};

QTEST_MAIN(EditionsTest)
#include "tst_editions.moc"
