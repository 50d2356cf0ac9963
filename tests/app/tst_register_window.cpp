// The Defect register window in the whole program, over a season of rounds in the archive: the
// menu item in both editions, the filters and sorting, following what is stored, and comparing
// two tests of a defect.

#include "app/AscanToolsController.h"
#include "app/Language.h"
#include "app/MainWindow.h"
#include "app/RegisterController.h"
#include "app/StartedApplication.h"
#include "archive/RegisterReading.h"
#include "core/AscanMeasure.h"
#include "ProgramFolder.h"
#include "support/DataRows.h"
#include "support/FileBytes.h"
#include "support/Records.h"
#include "support/SeasonArchive.h"
#include "view/AscanOverlay.h"
#include "view/RegisterFilter.h"
#include "view/RegisterWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeView>
#include <QTreeWidget>

using namespace quillon;

namespace
{
// The register of the archive as the core makes it.
std::vector<DefectLocation> registerOf(const QString& path)
{
    SqliteArchive archive;
    DefectRegister reg;
    if (archive.open(path) || readRegister(archive, reg))
        qWarning() << "archive not read" << path;
    return reg.locations();
}

int countOf(const std::vector<DefectLocation>& locations,
            const std::function<bool(const DefectLocation&)>& holds)
{
    return int(std::count_if(locations.begin(), locations.end(), holds));
}

RegisterWindow* openedRegister(MainWindow& w)
{
    auto* controller = w.findChild<RegisterController*>(QStringLiteral("registerController"));
    if (!controller)
        return nullptr;
    QSignalSpy read(controller, &RegisterController::registerRead);
    controller->mnuregister->trigger();
    if (!read.wait(30000))
        return nullptr;
    return controller->registerWindow();
}
} // namespace

class RegisterWindowTest : public QObject
{
    Q_OBJECT
    test::ProgramFolder m_work;

private slots:
    void init()
    {
        m_work.enter();
        QVERIFY(test::writeSeason(m_work.archivePath(), test::Season(30, 8)) > 0);
    }
    void cleanup() { m_work.remove(); }

    void filtersSortingAndFollowing_data() { test::addEditionRows(); }
    void filtersSortingAndFollowing()
    {
        QFETCH(bool, pellisor);
        const std::vector<DefectLocation> expected = registerOf(m_work.archivePath());
        QVERIFY(countOf(expected, [](auto& l) { return l.worsened; }) > 0);
        QVERIFY(countOf(expected, [](auto& l) { return l.prevMismatch; }) > 0);
        test::StartedApplication app(pellisor);
        MainWindow& w = app.window();
        auto* controller = w.findChild<RegisterController*>(QStringLiteral("registerController"));
        QVERIFY(controller);
        QVERIFY(w.mnutools->actions().contains(controller->mnuregister));
        RegisterWindow* form = openedRegister(w);
        QVERIFY(form && form->isVisible());
        QAbstractItemModel* listed = form->lstlocations->model();
        QCOMPARE(listed->rowCount(), int(expected.size()));
        QCOMPARE(listed->index(0, RegisterModel::KmColumn).data().toString(), expected[0].km);

        form->chkworsened->setChecked(true);
        QCOMPARE(listed->rowCount(), countOf(expected, [](auto& l) { return l.worsened; }));
        form->chkmismatch->setChecked(true);
        QCOMPARE(listed->rowCount(),
                 countOf(expected, [](auto& l) { return l.worsened && l.prevMismatch; }));
        form->chkworsened->setChecked(false);
        form->chkmismatch->setChecked(false);
        form->cbodivision->setCurrentIndex(form->cbodivision->findText("NORTH"));
        form->cboclass->setCurrentIndex(form->cboclass->findText("IMR"));
        QCOMPARE(listed->rowCount(), countOf(expected, [](auto& l) {
                     return l.division == u"NORTH" && l.latest().defectClass == u"IMR";
                 }));
        // Export writes what is listed.
        const QString csv = m_work.filePath("north-imr.csv");
        QSignalSpy exported(controller, &RegisterController::exported);
        QVERIFY(controller->exportTo(csv));
        QVERIFY(exported.wait(30000));
        QCOMPARE(exported.first().at(1).toString(), QString());
        QCOMPARE(test::contentsOf(csv).count('\n'), listed->rowCount() + 1);
        form->cboclass->setCurrentIndex(0);

        // A heading sorts by its column's value; the class column by severity.
        form->lstlocations->sortByColumn(RegisterModel::ClassColumn, Qt::AscendingOrder);
        QCOMPARE(listed->index(0, RegisterModel::ClassColumn).data().toString(),
                 QStringLiteral("OBS"));

        // A record stored now joins the register as a location of its own; the location chosen
        // stays chosen.
        form->lstlocations->setCurrentIndex(listed->index(1, 0));
        const QString chosen = form->chosenLocation();
        QVERIFY(!chosen.isEmpty());
        Record r = test::realisticRecord(9);
        test::setNote(r, 1, "North");
        test::setNote(r, 3, "999/1");
        app.module().store(8, r, {StoreKind::Received, QStringLiteral("/dev/ttyS0")});
        QTRY_COMPARE_WITH_TIMEOUT(
            form->lstlocations->model()->rowCount(),
            countOf(expected, [](auto& l) { return l.division == u"NORTH"; }) + 1, 30000);
    }

    void compareTwoTests()
    {
        test::StartedApplication app;
        MainWindow& w = app.window();
        RegisterWindow* form = openedRegister(w);
        QVERIFY(form);
        auto* controller = w.findChild<RegisterController*>();
        // The first location that was tested more than twice.
        const auto& locations = controller->model().locations();
        const auto it = std::find_if(locations.begin(), locations.end(),
                                     [](const DefectLocation& l) { return l.inspections > 2; });
        QVERIFY(it != locations.end());
        const int row = int(it - locations.begin());
        form->lstlocations->setCurrentIndex(form->lstlocations->model()->index(row, 0));
        QCOMPARE(form->lsttests->topLevelItemCount(), it->inspections);
        QVERIFY(form->lsttests->topLevelItem(0)->text(6).endsWith(" %"));
        QVERIFY(!form->cmdcompare->isEnabled());
        form->lsttests->topLevelItem(0)->setSelected(true);
        form->lsttests->topLevelItem(2)->setSelected(true);
        QVERIFY(form->cmdcompare->isEnabled());
        form->cmdcompare->click();

        // The newer test is on display, the older one's trace behind it.
        const RegisterTest& older = it->tests[0];
        const RegisterTest& newer = it->tests[2];
        ArchiveEntry olderEntry, newerEntry;
        bool found = false;
        SqliteArchive archive;
        QVERIFY(!archive.open(m_work.archivePath()));
        QVERIFY(!archive.fetch(EntryRef{{}, older.entry}, olderEntry, found) && found);
        QVERIFY(!archive.fetch(EntryRef{{}, newer.entry}, newerEntry, found) && found);
        QVERIFY(std::equal(newerEntry.record.begin(), newerEntry.record.begin() + kSampleCount,
                           w.module().recbuf.begin()));
        AscanToolsController* tools = w.findChild<AscanToolsController*>();
        QVERIFY(tools->overlay().hasComparison());
        QVERIFY(tools->overlay().comparisonLegend().endsWith(older.defectClass));
        const int from = *gateOnePeak(olderEntry.record);
        const int to = *gateOnePeak(newerEntry.record);
        const QString dB = QLocale().toString(*decibels(to, from), 'f', 1);
        QVERIFY2(form->lblnote->text().contains(QStringLiteral("%1 %").arg(from)) &&
                     form->lblnote->text().contains(QStringLiteral("%1 %").arg(to)) &&
                     form->lblnote->text().endsWith(dB + " dB"),
                 qPrintable(form->lblnote->text()));
    }

    // Last: the German translation stays installed.
    void columnHeadersShowTheirWholeLabelInGerman()
    {
        QVERIFY(Language::install(QStringLiteral("de")));
        RegisterModel model;
        RegisterWindow window(&model);
        const QHeaderView* header = window.lstlocations->header();
        for (int c = 0; c < RegisterModel::ColumnCount; ++c) {
            const QString label = model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
            QVERIFY2(header->sectionSize(c) > header->fontMetrics().horizontalAdvance(label),
                     qPrintable(label));
        }
    }
};

QTEST_MAIN(RegisterWindowTest)
#include "tst_register_window.moc"
