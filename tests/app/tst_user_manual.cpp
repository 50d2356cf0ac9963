// "Help Topic": which manual is found beside the program, and what the window does with it.
#include "app/MainWindow.h"
#include "app/StartedApplication.h"
#include "app/UserManual.h"
#include "ProgramFolder.h"
#include "support/FileBytes.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace quillon;

// Takes the URLs the program hands to the system's browser.
class Browser : public QObject
{
    Q_OBJECT
public:
    Browser() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "show"); }
    ~Browser() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> shown;
public slots:
    void show(const QUrl& url) { shown.append(url); }
};

namespace
{

void makeFile(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(test::writeBytes(path, "<html></html>"));
}

} // namespace

class UserManualTest : public QObject
{
    Q_OBJECT
private slots:
    // Files made below a scratch root; the program lives in `program`; `found` is the manual
    // expected (empty: none).
    void theManualBesideTheProgramIsFound_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("found");
        const QString installed = QStringLiteral("usr/share/doc/quillon/manual.html");
        const QString built = QStringLiteral("build/docs/manual.html");
        QTest::newRow("installed") << QStringList{installed} << "usr/bin" << installed;
        QTest::newRow("build tree") << QStringList{built} << "build/src/app" << built;
        QTest::newRow("installed comes first")
            << QStringList{installed, "docs/manual.html"} << "usr/bin" << installed;
        QTest::newRow("none") << QStringList{} << "usr/bin" << QString();
        QTest::newRow("another program's documents")
            << QStringList{"usr/share/doc/other/manual.html"} << "usr/bin" << QString();
        QTest::newRow("a folder of that name")
            << QStringList{"usr/share/doc/quillon/manual.html/index.html"} << "usr/bin"
            << QString();
    }

    void theManualBesideTheProgramIsFound()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, program);
        QFETCH(QString, found);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(QDir(root.path()).mkpath(program));
        for (const QString& file : files)
            makeFile(root.filePath(file));
        const QString expected =
            found.isEmpty() ? QString() : QFileInfo(root.filePath(found)).canonicalFilePath();
        QCOMPARE(findUserManual(root.filePath(program)), expected);
    }

    // This test program lies two levels below the build folder, as the programs do.
    void helpTopicOpensTheBuiltManual()
    {
        test::ProgramFolder folder;
        folder.enter();
        test::StartedApplication app;
        Browser browser;
        app.window().mnuhelpt->trigger();
        const QString built = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("../../docs/manual.html"));
        QVERIFY2(QFileInfo(built).isFile(), qPrintable(built));
        QCOMPARE(browser.shown,
                 QList<QUrl>{QUrl::fromLocalFile(QFileInfo(built).canonicalFilePath())});
        QVERIFY(
            !app.window().statusBar()->currentMessage().contains(QStringLiteral("user manual")));
    }

    void withoutAManualTheStatusBarSaysSo()
    {
        QTemporaryDir empty;
        Browser browser;
        QStatusBar bar;
        QVERIFY(!openUserManual(&bar, empty.path()));
        QVERIFY(browser.shown.isEmpty());
        QCOMPARE(bar.currentMessage(), QStringLiteral("The user manual is not installed."));
    }

    // The offscreen platform has no browser.
    void withoutABrowserTheStatusBarSaysSo()
    {
        QTemporaryDir root;
        makeFile(root.filePath(QStringLiteral("share/doc/quillon/manual.html")));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin")));
        QStatusBar bar;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("openUrl|openDocument")));
        QVERIFY(!openUserManual(&bar, root.filePath(QStringLiteral("bin"))));
        QVERIFY(bar.currentMessage().startsWith(
            QStringLiteral("No browser could show the user manual: ")));
    }
};

QTEST_MAIN(UserManualTest)
#include "tst_user_manual.moc"
