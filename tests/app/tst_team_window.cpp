// The team archive in the whole program, against a throwaway PostgreSQL cluster: "Team archive"
// in the Tools menu tests and saves the connection off the GUI thread, records reach the server
// in the background, the status bar says where the uploads stand, and the Archive window's
// "Team" view lists, shows and restores every PC's entries.
#include "app/ArchiveController.h"
#include "app/MainWindow.h"
#include "app/RegisterController.h"
#include "app/StartedApplication.h"
#include "app/TeamController.h"
#include "archive/TeamSync.h"
#include "archive/ThisPc.h"
#include "core/NoteLines.h"
#include "files/FilesTestSupport.h"
#include "ProgramFolder.h"
#include "support/PgCluster.h"
#include "support/Records.h"
#include "view/ArchiveListModel.h"
#include "view/RegisterWindow.h"
#include "view/TeamSettingsWindow.h"
#include "view/WindowSettings.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTreeView>
#include <QTreeWidget>

using namespace quillon;

class TeamWindowTest : public QObject
{
    Q_OBJECT
    test::ProgramFolder m_work;
    test::PgCluster m_cluster;

    // Another PC's archive sent to the team archive.
    static bool uploaded(SqliteArchive& pc, const QString& conninfo)
    {
        ServerArchive server;
        TeamSync::Count count;
        return !server.open(conninfo) && !TeamSync(pc, server).run(count);
    }

private slots:
    void initTestCase()
    {
        WindowSettings::enable(QStringLiteral("QuillonTest")); // the team server is kept there
        QSettings(QStringLiteral("QuillonTest"), QCoreApplication::applicationName()).clear();
        QString why;
        QVERIFY2(m_cluster.create(&why), qPrintable(why));
        for (const QString& name : {QStringLiteral("team"), QStringLiteral("view")}) {
            QVERIFY(m_cluster.freshDatabase(name, &why));
            ServerArchive server;
            QVERIFY(!server.connect(m_cluster.conninfo(name)));
            QVERIFY(!server.init());
        }
    }
    void init() { m_work.enter(); }
    void cleanup() { m_work.remove(); }

    void recordsGoUpWhileTheWindowGoesOn()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        auto* team = w.findChild<TeamController*>(QStringLiteral("teamController"));
        QVERIFY(team);
        QVERIFY(w.mnutools->actions().contains(team->mnuteam));
        team->mnuteam->trigger();
        TeamSettingsWindow* form = team->settingsWindow();
        QVERIFY(form && form->isVisible());

        // An unroutable server: the test and the uploads wait for it, the window does not.
        form->txtserver->setText(QStringLiteral("host=192.0.2.1 dbname=team connect_timeout=5"));
        QElapsedTimer clock;
        clock.start();
        form->cmdtest->click();
        form->cmdsave->click();
        app.module().store(3, test::realisticRecord(4), {StoreKind::Received, {}});
        QVERIFY(clock.elapsed() < 2500); // well inside the five seconds a connection may take
        QVERIFY(!form->cmdtest->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(form->cmdtest->isEnabled(), 15000);
        QVERIFY(form->lbltest->text().startsWith(QStringLiteral("the team archive cannot")));
        auto* status = w.findChild<QLabel*>(QStringLiteral("lblteam"));
        QTRY_COMPARE_WITH_TIMEOUT(status->text(),
                                  QStringLiteral("Team archive: offline, 1 waiting"), 15000);

        // The cluster over its socket: not encrypted, and the waiting record goes up.
        team->showSettings();
        form->txtserver->setText(m_cluster.conninfo(QStringLiteral("team")));
        form->cmdtest->click();
        QTRY_COMPARE_WITH_TIMEOUT(form->lbltest->text(),
                                  QStringLiteral("Connected; the connection is NOT encrypted."),
                                  15000);
        form->cmdsave->click();
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Team archive: up to date"),
                                  15000);
        app.module().store(5, test::realisticRecord(6), {StoreKind::Received, {}});
        ServerArchive server;
        QVERIFY(!server.open(m_cluster.conninfo(QStringLiteral("team"))));
        std::vector<ArchiveEntry> entries;
        QTRY_VERIFY_WITH_TIMEOUT(!server.query({}, entries) && entries.size() == 2, 15000);
        QCOMPARE(entries.front().memory, 6);
    }

    void teamViewShowsEveryPc()
    {
        const QString conninfo = m_cluster.conninfo(QStringLiteral("view"));
        SqliteArchive south; // another PC's archive, already uploaded
        QVERIFY(!south.open(m_work.filePath(QStringLiteral("south.sqlite"))));
        south.setMaker(QStringLiteral("pc-south"), QStringLiteral("bob"));
        ArchiveEntry e;
        e.memory = 9;
        e.record = test::realisticRecord(9);
        test::setNote(e.record, 0, QStringLiteral("south weld"));
        QVERIFY(!south.append(e));
        QVERIFY(uploaded(south, conninfo));

        test::StartedApplication app;
        MainWindow& w = app.window();
        w.findChild<TeamController*>(QStringLiteral("teamController"))->setServer(conninfo);
        app.module().store(2, test::realisticRecord(3), {StoreKind::Received, {}});
        // "Up to date" may be said before the record is stored: wait for the record itself.
        ServerArchive server;
        QVERIFY(!server.open(conninfo));
        std::vector<ArchiveEntry> entries;
        QTRY_VERIFY_WITH_TIMEOUT(!server.query({}, entries) && entries.size() == 2, 15000);
        auto* archive = w.findChild<ArchiveController*>(QStringLiteral("archiveController"));
        archive->showArchive();
        ArchiveWindow* form = archive->archiveWindow();
        ArchiveListModel& model = archive->model();
        QCOMPARE(model.rowCount(), 2); // this PC: a day and its entry
        form->radteam->setChecked(true);
        QVERIFY(form->prgbusy->isVisible()); // read in the background
        QTRY_VERIFY(!form->prgbusy->isVisible());
        QCOMPARE(model.rowCount(), 3); // one day, both PCs
        QStringList pcs;
        for (int row = 1; row < 3; ++row)
            pcs << model.index(row, ArchiveListModel::HostColumn).data().toString();
        QCOMPARE(pcs, (QStringList{thisHost(), QStringLiteral("pc-south")}));
        QVERIFY(!form->lstentries->isColumnHidden(ArchiveListModel::UserColumn));

        form->txtsearch->setText(QStringLiteral("SOUTH"));
        QTRY_COMPARE(model.rowCount(), 2);
        QCOMPARE(model.entryRef(1), e.ref());
        form->lstentries->setCurrentIndex(model.index(1, 0));
        QTRY_VERIFY(test::sameRecord(app.module().recbuf, e.record));
        form->cmdrestore->click();
        QTRY_VERIFY(test::sameRecord(app.module().membank[8], e.record));
    }

    void teamRegisterReadsTestsWhenChosen()
    {
        const QString conninfo = m_cluster.conninfo(QStringLiteral("view"));
        SqliteArchive south;
        QVERIFY(!south.open(m_work.filePath(QStringLiteral("south.sqlite"))));
        std::vector<ArchiveEntry> tests(2); // one defect tested twice
        for (size_t n = 0; n < tests.size(); ++n) {
            tests[n].memory = 4;
            tests[n].record = test::realisticRecord(4);
            tests[n].record[40] = std::int16_t(tests[n].record[40] + n);
            test::setNote(tests[n].record, KmPostLine, QStringLiteral("77/1"));
            test::setNote(tests[n].record, ClassLine, n ? QStringLiteral("IMR") : u"OBS"_qs);
        }
        QVERIFY(!south.appendAll(tests));
        QVERIFY(uploaded(south, conninfo));

        test::StartedApplication app;
        MainWindow& w = app.window();
        w.findChild<TeamController*>(QStringLiteral("teamController"))->setServer(conninfo);
        auto* reg = w.findChild<RegisterController*>(QStringLiteral("registerController"));
        QSignalSpy read(reg, &RegisterController::registerRead);
        reg->showRegister();
        QVERIFY(read.wait(30000));
        RegisterWindow* form = reg->registerWindow();
        form->radteam->setChecked(true);
        QVERIFY(read.wait(30000));
        QAbstractItemModel* listed = form->lstlocations->model();
        const QModelIndexList km = listed->match(listed->index(0, RegisterModel::KmColumn),
                                                 Qt::DisplayRole, QStringLiteral("77/1"));
        QCOMPARE(km.size(), 1);
        form->lstlocations->setCurrentIndex(km.first());
        QTRY_COMPARE(form->lsttests->topLevelItemCount(), 2);

        const QString xlsx = m_work.filePath(QStringLiteral("team.xlsx"));
        QSignalSpy exported(reg, &RegisterController::exported);
        QVERIFY(reg->exportTo(xlsx));
        QVERIFY(exported.wait(30000));
        QCOMPARE(exported.first().at(1).toString(), QString());
        QVERIFY(QFileInfo(xlsx).size() > 0);
    }
};

QTEST_MAIN(TeamWindowTest)
#include "tst_team_window.moc"
