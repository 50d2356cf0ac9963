#include "app/OverviewController.h"

#include "app/MainWindow.h"
#include "files/BankSaver.h"
#include "report/TableExport.h"
#include "view/BankOverviewProxy.h"
#include "view/BankOverviewWindow.h"
#include "view/BankTableModel.h"
#include "view/MemoryList.h"
#include "view/MessageBox.h"
#include "view/SaveDialog.h"
#include "view/Widgets.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTableView>

namespace quillon
{

namespace
{
// The rows the overview shows, filtered and sorted as shown.
class ShownRows : public TableRows
{
public:
    ShownRows(const BankOverviewWindow& window, const Module1& module)
        : m_window(window), m_module(module)
    {
    }
    QStringList header() const override { return m_window.shownHeader(); }
    // The texts start at the memory column.
    int keyColumns() const override { return 1; }
    int testedColumn() const override { return BankTableModel::Tested - BankTableModel::Memory; }
    void forEach(const Row& row) const override
    {
        for (int r : m_window.shownRows())
            row(m_window.rowTexts(r), m_module.membank[r]);
    }

private:
    const BankOverviewWindow& m_window;
    const Module1& m_module;
};
} // namespace

OverviewController::OverviewController(MainWindow& window)
    : QObject(&window), m_window(window), m_model(new BankTableModel(window.module(), this))
{
    setObjectName(QStringLiteral("overviewController"));
    mnuoverview = named(window.toolsMenu()->addAction(tr("Bank overview")), "mnuoverview");
    mnuoverview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(mnuoverview, &QAction::triggered, this, &OverviewController::showOverview);
    connect(window.lstmem->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &OverviewController::listSelectionChanged);
}

BankOverviewWindow* OverviewController::overviewWindow()
{
    if (!m_overview) {
        m_overview = new BankOverviewWindow(*m_model, &m_window);
        connect(m_overview->grdbank->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &OverviewController::overviewSelectionChanged);
        // Rows that come and go with the filter keep the shared selection.
        const BankOverviewProxy* proxy = &m_overview->proxy();
        const auto resync = [this] { listSelectionChanged(); };
        connect(proxy, &QAbstractItemModel::rowsInserted, this, resync, Qt::QueuedConnection);
        connect(proxy, &QAbstractItemModel::layoutChanged, this, resync, Qt::QueuedConnection);
        connect(proxy, &QAbstractItemModel::modelReset, this, resync, Qt::QueuedConnection);
        connect(m_overview, &BankOverviewWindow::rowActivated, &m_window,
                &MainWindow::lstmem_DblClick);
        connect(m_overview, &BankOverviewWindow::exportRequested, this,
                &OverviewController::exportTable);
        listSelectionChanged();
    }
    return m_overview;
}

void OverviewController::showOverview()
{
    showInFront(overviewWindow());
}

void OverviewController::listSelectionChanged()
{
    if (m_syncing || !m_overview)
        return;
    const QScopedValueRollback<bool> syncing(m_syncing, true);
    const BankOverviewProxy& proxy = m_overview->proxy();
    QItemSelection selection;
    for (int row : m_window.selectedRows()) {
        const QModelIndex index = proxy.mapFromSource(m_model->index(row, 0));
        if (index.isValid())
            selection.select(index, index);
    }
    m_overview->grdbank->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
}

void OverviewController::overviewSelectionChanged()
{
    // Rows the filter takes away leave the overview's selection, not the list's.
    if (m_syncing || !m_overview || m_overview->proxy().isChangingRows())
        return;
    const QScopedValueRollback<bool> syncing(m_syncing, true);
    const BankOverviewProxy& proxy = m_overview->proxy();
    QItemSelectionModel* shown = m_overview->grdbank->selectionModel();
    QItemSelection select, deselect;
    const QAbstractItemModel* list = m_window.lstmem->model();
    for (int row = 0; row < kMemoryCount; ++row) {
        const QModelIndex there = proxy.mapFromSource(m_model->index(row, 0));
        if (!there.isValid())
            continue;
        const QModelIndex item = list->index(row, 0);
        (shown->isRowSelected(there.row(), {}) ? select : deselect).select(item, item);
    }
    QItemSelectionModel* listSelection = m_window.lstmem->selectionModel();
    listSelection->select(deselect, QItemSelectionModel::Deselect);
    listSelection->select(select, QItemSelectionModel::Select);
}

void OverviewController::exportTable()
{
    QFileDialog* dialog = saveDialog(m_overview, "dlgexporttable", tr("Export table"),
                                     {tr("Excel workbooks (*.xlsx)"), tr("CSV files (*.csv)")});
    connect(dialog, &QFileDialog::fileSelected, this, &OverviewController::exportTo);
    dialog->open();
}

bool OverviewController::exportTo(const QString& path)
{
    BankOverviewWindow* w = overviewWindow();
    const ShownRows table(*w, m_window.module());
    QString problem;
    if (path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        if (auto failure = writeXlsx(path, table))
            problem = *failure;
    } else if (auto failure = BankSaver::writeFile(path, csvOf(table))) {
        problem = failure->detail.isEmpty() ? failureText(*failure) : failure->detail;
    }
    if (!problem.isEmpty()) {
        showMessage(w, tr("The table can't be written to \"%1\": %2")
                           .arg(QDir::toNativeSeparators(path), problem));
        return false;
    }
    const int rows = int(w->shownRows().size());
    w->showExported(path, rows);
    m_window.showStatus(
        tr("Table written: %1 (%n memories)", nullptr, rows).arg(QDir::toNativeSeparators(path)),
        5000);
    return true;
}

} // namespace quillon
