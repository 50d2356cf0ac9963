// "Bank overview": the bank as a table that follows the bank, sorts, filters, shares the memory
// list's selection, opens memories and exports what it shows.
#include "ProgramFolder.h"
#include "support/Records.h"

#include "app/MainWindow.h"
#include "app/OverviewController.h"
#include "app/StartedApplication.h"
#include "core/BankFile.h"
#include "support/BankRows.h"
#include "support/FileBytes.h"
#include "view/BankOverviewProxy.h"
#include "view/BankOverviewWindow.h"
#include "view/BankTableModel.h"
#include "view/MemoryList.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

using namespace quillon;

class OverviewTest : public QObject
{
    Q_OBJECT
    test::ProgramFolder m_workDir;

    std::unique_ptr<test::StartedApplication> m_app;
    BankOverviewWindow* m_overview = nullptr;

    MainWindow& window() { return m_app->window(); }
    Module1& module() { return m_app->module(); }
    QAbstractItemModel* shown() { return m_overview->grdbank->model(); }
    // The texts of one column, top to bottom.
    QStringList column(int c)
    {
        QStringList texts;
        for (int r = 0; r < shown()->rowCount(); ++r)
            texts << shown()->index(r, c).data().toString();
        return texts;
    }

    // A memory received with a range, a gate 1 state and a note line 4.
    void receive(int memory, const QString& range, const QString& gate, const QString& km)
    {
        Record r = test::realisticRecord(memory);
        test::setField(r, "txtrange", range);
        test::setField(r, "txtgate", gate);
        test::setNote(r, 3, km);
        module().store(memory - 1, r, {StoreKind::Received, {}});
    }

    static int columnNamed(const QString& heading)
    {
        BankTableModel probe(Module1{});
        for (int c = 0; c < probe.columnCount(); ++c)
            if (probe.headerData(c, Qt::Horizontal).toString() == heading)
                return c;
        return -1;
    }

private slots:
    void init()
    {
        m_workDir.enter();
        m_app = std::make_unique<test::StartedApplication>();
        auto* controller = window().findChild<OverviewController*>();
        QVERIFY(controller);
        QCOMPARE(controller->mnuoverview->text(), QStringLiteral("Bank overview"));
        QCOMPARE(controller->mnuoverview->shortcut(), QKeySequence(QStringLiteral("Ctrl+B")));
        controller->mnuoverview->trigger();
        m_overview = window().findChild<BankOverviewWindow*>();
        QVERIFY(m_overview && m_overview->isVisible());
    }

    void cleanup()
    {
        m_app.reset();
        m_workDir.remove();
    }

    void rowsFollowTheBank()
    {
        QCOMPARE(shown()->rowCount(), 0); // the marked memories: none yet
        receive(7, "100", "ON", "KM 120");
        receive(3, "50", "OFF", "KM 121");
        QCOMPARE(column(BankTableModel::Memory), (QStringList{"3", "7"}));
        QCOMPARE(shown()->index(1, BankTableModel::Marked).data().toString(),
                 QStringLiteral("yes"));
        QVERIFY(!shown()
                     ->index(0, BankTableModel::Thumbnail)
                     .data(Qt::DecorationRole)
                     .value<QImage>()
                     .isNull());
        // Notes saved into memory 7 show in its row.
        window().openMemory(6);
        window().txtnoteLn[3]->setText(QStringLiteral("KM 999"));
        window().cmdtxtsav_Click();
        const int km = columnNamed(QStringLiteral("Km. Post"));
        QCOMPARE(shown()->index(1, km).data().toString(), QStringLiteral("KM 999              "));
        // The switch shows all 200; a loaded bank replaces every row.
        m_overview->chkall->setChecked(true);
        QCOMPARE(shown()->rowCount(), 200);
        m_overview->chkall->setChecked(false);
        BankFileContents loaded;
        loaded.marks[199] = true;
        module().loadBank(loaded, QStringLiteral("/tmp/loaded.dat"));
        QCOMPARE(column(BankTableModel::Memory), (QStringList{"200"}));
    }

    void sortsByNumberOrText()
    {
        receive(1, "1000", "ON", "b");
        receive(2, "50", "OFF", "a");
        receive(3, "250", "ON 6/14", "C");
        const int range = columnNamed(QStringLiteral("RANGE"));
        m_overview->grdbank->sortByColumn(range, Qt::AscendingOrder);
        // By number, not as text ("1000" < "250" < "50").
        QCOMPARE(column(BankTableModel::Memory), (QStringList{"2", "3", "1"}));
        m_overview->grdbank->sortByColumn(columnNamed(QStringLiteral("GATE 1")),
                                          Qt::AscendingOrder);
        QCOMPARE(column(BankTableModel::Memory), (QStringList{"2", "1", "3"})); // OFF, ON, ON 6/14
        m_overview->grdbank->sortByColumn(columnNamed(QStringLiteral("Km. Post")),
                                          Qt::DescendingOrder);
        QCOMPARE(column(BankTableModel::Memory), (QStringList{"3", "1", "2"})); // case-insensitive
    }

    void sortsByTestedInTheOrderOfTesting()
    {
        // hhmmddmmyy: 21 September before 10 October whatever the time of day; no date: last.
        const std::pair<int, const char*> clocks[] = {
            {1, "0803101024"}, {2, "1020210924"}, {3, "          "}, {4, "0755210924"}};
        for (const auto& [memory, clock] : clocks) {
            Record r = test::realisticRecord(memory);
            test::setTimeDate(r, QString::fromLatin1(clock));
            module().store(memory - 1, r, {StoreKind::Received, {}});
        }
        const int tested = BankTableModel::Tested;
        QCOMPARE(shown()->headerData(tested, Qt::Horizontal).toString(), QStringLiteral("Tested"));
        m_overview->grdbank->sortByColumn(tested, Qt::AscendingOrder);
        QCOMPARE(column(BankTableModel::Memory), (QStringList{"4", "2", "1", "3"}));
        QCOMPARE(column(tested),
                 (QStringList{"2024-09-21 07:55", "2024-09-21 10:20", "2024-10-10 08:03", ""}));
        m_overview->grdbank->sortByColumn(tested, Qt::DescendingOrder);
        QCOMPARE(column(BankTableModel::Memory), (QStringList{"1", "2", "4", "3"}));
        // The filter finds the date as it is shown.
        QTest::keyClicks(m_overview->txtfilter, QStringLiteral("2024-09-21 10"));
        QCOMPARE(column(BankTableModel::Memory), (QStringList{"2"}));
    }

    void memoryAndThumbnailStayInViewScrolledRight()
    {
        receive(3, "100", "ON", "KM 121");
        FrozenColumnsView* grid = m_overview->grdbank;
        m_overview->resize(500, 400);
        QScrollBar* across = grid->horizontalScrollBar();
        across->setValue(across->maximum());
        QVERIFY(across->value() > 0);
        // Over the table's left edge the frozen view shows the thumbnail and the memory.
        QTableView* frozen = grid->frozenView();
        QVERIFY(frozen->isVisible());
        QCOMPARE(frozen->geometry().left(), grid->viewport()->geometry().left());
        const int memoryX = grid->columnWidth(BankTableModel::Thumbnail) + 5;
        const QModelIndex there = frozen->indexAt(QPoint(memoryX, 5));
        QCOMPARE(there.column(), int(BankTableModel::Memory));
        QCOMPARE(there.data().toString(), QStringLiteral("3"));
        QCOMPARE(frozen->width(), grid->columnWidth(BankTableModel::Thumbnail) +
                                      grid->columnWidth(BankTableModel::Memory));
        // Its heading sorts the table as the table's own does.
        QTest::mouseClick(frozen->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(memoryX, 5));
        QCOMPARE(grid->horizontalHeader()->sortIndicatorSection(), int(BankTableModel::Memory));
        QCOMPARE(grid->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    void filterMatchesAnyColumn()
    {
        receive(4, "100", "ON", "KM 121 left");
        receive(5, "100", "ON", "KM 120");
        receive(6, "121", "OFF", "");
        QTest::keyClicks(m_overview->txtfilter, QStringLiteral("km 121"));
        QCOMPARE(column(BankTableModel::Memory), (QStringList{"4"}));
        m_overview->txtfilter->clear();
        QTest::keyClicks(m_overview->txtfilter, QStringLiteral("121"));
        QCOMPARE(column(BankTableModel::Memory), (QStringList{"4", "6"}));
        QCOMPARE(m_overview->lblcount->text(), QStringLiteral("2 marked memories shown"));
    }

    void selectionIsTheListsAndOpensAsTheListDoes()
    {
        for (int memory : {2, 5, 9})
            receive(memory, "100", "ON", QString());
        // Picked in the overview: the list has the same selection, which Print and Capture take.
        QTableView* grid = m_overview->grdbank;
        for (int row : {0, 2})
            grid->selectionModel()->select(shown()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(window().selectedRows(), (QList<int>{1, 8}));
        // Picked in the list: the overview follows.
        window().lstmem->setRowSelected(4, true);
        QVERIFY(grid->selectionModel()->isRowSelected(1, {}));
        // A row hidden by the filter keeps its selection in the list.
        QTest::keyClicks(m_overview->txtfilter, QStringLiteral("Mem no that matches nothing"));
        QCOMPARE(shown()->rowCount(), 0);
        QCOMPARE(window().selectedRows(), (QList<int>{1, 4, 8}));
        m_overview->txtfilter->clear();
        QTRY_COMPARE(grid->selectionModel()->selectedRows().size(), 3);

        // A double-click opens the memory as the list's double-click does (the first selected).
        grid->clearSelection();
        const QRect cell = grid->visualRect(shown()->index(1, BankTableModel::Memory));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(window().shownRow(), 4);
        // Enter on the current row too.
        grid->clearSelection();
        grid->setCurrentIndex(shown()->index(2, BankTableModel::Memory));
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(window().shownRow(), 8);
    }

    void exportsTheRowsShown()
    {
        receive(3, "100", "ON", "QX 1");
        receive(8, "100", "ON", "QX 2");
        receive(5, "100", "ON", "other");
        m_overview->grdbank->sortByColumn(BankTableModel::Memory, Qt::DescendingOrder);
        QTest::keyClicks(m_overview->txtfilter, QStringLiteral("qx"));
        auto* controller = window().findChild<OverviewController*>();
        const QString csv = m_workDir.filePath(QStringLiteral("shown.csv"));
        QVERIFY(controller->exportTo(csv));
        const QList<QByteArray> lines = test::contentsOf(csv).split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("\xEF\xBB\xBF"
                                    "Memory,Marked,Tested,Time and date,RANGE,"));
        QVERIFY2(lines[1].startsWith("8,yes,2024-06-15T14:32,Tm: 14:32 Dt:15/06/24,100,"),
                 lines[1]);
        QVERIFY(lines[2].startsWith("3,yes,"));
        // The window itself says where the rows went.
        QVERIFY(m_overview->lblexported->text().contains(QStringLiteral("shown.csv (2 memories)")));
        const QString xlsx = m_workDir.filePath(QStringLiteral("shown.xlsx"));
        QVERIFY(controller->exportTo(xlsx));
        QVERIFY(QFile(xlsx).size() > 0);
        QVERIFY(m_overview->lblexported->text().contains(QStringLiteral("shown.xlsx")));
    }
};

QTEST_MAIN(OverviewTest)
#include "tst_overview.moc"
