// What a user expects to find again at the next start, kept in the program's settings: the main
// window's size and place, the bank overview's column widths, the folders the open and save
// forms used last. Each "run" is a new window object reading the settings the last one left; the
// settings live in Qt's test location, never the user's.
#include "app/MainWindow.h"
#include "core/Module1.h"
#include "files/FolderList.h"
#include "files/OpenWindow.h"
#include "files/SaveWindow.h"
#include "view/BankOverviewWindow.h"
#include "view/BankTableModel.h"
#include "view/WindowSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

class WindowSettingsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString folder(const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(path);
        return QDir(path).canonicalPath();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(!WindowSettings::enabled()); // until the program asks for them, nothing is kept
        WindowSettings::enable(QStringLiteral("QuillonTest"));
        QVERIFY(WindowSettings::enabled());
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(folder(QStringLiteral("work"))));
    }

    void init()
    {
        QSettings(QStringLiteral("QuillonTest"), QCoreApplication::applicationName()).clear();
    }

    void mainWindowComesBackAtItsSizeAndPlace()
    {
        Module1 module;
        QRect left;
        {
            MainWindow first(module, Edition::quillon());
            first.show();
            QVERIFY(QTest::qWaitForWindowExposed(&first));
            first.setGeometry(first.geometry().x() + 40, first.geometry().y() + 30,
                              first.width() + 70, first.height() + 50);
            left = first.geometry();
            first.close();
        }
        MainWindow second(module, Edition::quillon());
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(second.size(), left.size());
        QCOMPARE(second.geometry().topLeft(), left.topLeft());
    }

    void overviewColumnsKeepTheirWidths()
    {
        Module1 module;
        BankTableModel model(module);
        int width = 0;
        {
            BankOverviewWindow first(model);
            first.show();
            width = first.grdbank->columnWidth(BankTableModel::Memory) + 37;
            first.grdbank->setColumnWidth(BankTableModel::Memory, width);
            first.close();
        }
        BankOverviewWindow second(model);
        second.show();
        QCOMPARE(second.grdbank->columnWidth(BankTableModel::Memory), width);
    }

    // The open form remembers its folder for the run; the next run starts there too, unless it
    // has gone since.
    void openFormStartsInTheFolderOfTheLastRun()
    {
        const QString data = folder(QStringLiteral("data"));
        {
            OpenWindow first(Edition::quillon());
            first.show();
            QCOMPARE(first.Dir1->path(), QDir::currentPath());
            first.Dir1->setPath(data);
            first.close();
        }
        OpenWindow second(Edition::quillon());
        second.show();
        QCOMPARE(second.Dir1->path(), data);
        second.close();

        QVERIFY(QDir(data).removeRecursively());
        OpenWindow third(Edition::quillon());
        third.show();
        QCOMPARE(third.Dir1->path(), QDir::currentPath());
    }

    // The save form starts where the last save wrote; a folder only looked at is not kept.
    void saveFormStartsWhereTheLastSaveWrote()
    {
        Module1 module;
        const QString jobs = folder(QStringLiteral("jobs"));
        const QString other = folder(QStringLiteral("other"));
        {
            SaveWindow first(module);
            first.show();
            QCOMPARE(first.Dir1->path(), QDir::currentPath());
            first.Dir1->setPath(jobs);
            first.cmdsaveok_Click();
            QVERIFY(QFileInfo::exists(jobs + QStringLiteral("/temp.dat")));
            QVERIFY(!first.isVisible());
        }
        SaveWindow second(module);
        second.show();
        QCOMPARE(second.Dir1->path(), jobs);
        second.Dir1->setPath(other);
        second.close(); // nothing written
        second.show();
        QCOMPARE(second.Dir1->path(), jobs);
    }
};

QTEST_MAIN(WindowSettingsTest)
#include "tst_window_settings.moc"
