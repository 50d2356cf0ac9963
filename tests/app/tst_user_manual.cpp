// "Help Topic": which manual is found beside the program, and what the window does with it.
#include "app/MainWindow.h"
#include "app/ManualWindow.h"
#include "app/StartedApplication.h"
#include "app/UserManual.h"
#include "ProgramFolder.h"
#include "support/FileBytes.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

using namespace quillon;

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

    // This test program lies two levels below the build folder, as the programs do. The manual
    // is shown inside the program, searchable, with no browser asked.
    void helpTopicShowsTheBuiltManual()
    {
        test::ProgramFolder folder;
        folder.enter();
        test::StartedApplication app;
        app.window().mnuhelpt->trigger();
        auto* manual = app.window().findChild<ManualWindow*>(QStringLiteral("frmmanual"));
        QVERIFY(manual);
        QVERIFY(manual->isVisible());
        const QString built = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("../../docs/manual.html"));
        QCOMPARE(manual->browser()->source(),
                 QUrl::fromLocalFile(QFileInfo(built).canonicalFilePath()));
        QVERIFY(manual->browser()->toPlainText().contains(QStringLiteral("Quillon")));

        QTest::keySequence(manual, QKeySequence::Find);
        QVERIFY(manual->findBox()->hasFocus() || !manual->isActiveWindow());
        QVERIFY(manual->find(QStringLiteral("archive")));
        QCOMPARE(manual->browser()->textCursor().selectedText().toLower(),
                 QStringLiteral("archive"));
        QVERIFY(!manual->find(QStringLiteral("no such words in the manual")));
    }
};

QTEST_MAIN(UserManualTest)
#include "tst_user_manual.moc"
