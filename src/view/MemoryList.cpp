#include "view/MemoryList.h"

#include "view/BankListModel.h"

#include <QMenu>
#include <QScrollBar>

#include <algorithm>

namespace quillon
{

MemoryList::MemoryList(const Module1& module, const NoteDrafts* drafts, QWidget* parent)
    : QListView(parent), m_model(new BankListModel(module, drafts, this))
{
    setObjectName(QStringLiteral("lstmem"));
    setModel(m_model);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int text = fontMetrics().horizontalAdvance(BankListModel::itemLabel(kMemoryCount, true));
    setFixedWidth(text + verticalScrollBar()->sizeHint().width() + 2 * frameWidth() + 16);

    // A stored record replaces the item: it is no longer selected. Saved notes leave it be.
    connect(&module, &Module1::rowChanged, this, [this](int row, StoreKind kind) {
        if (kind != StoreKind::Notes)
            setRowSelected(row, false);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, &MemoryList::itemActivated);

    m_itemMenu = new QMenu(this);
    m_itemMenu->setObjectName(QStringLiteral("mnulstmem"));
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = indexAt(pos);
        emit itemMenuAboutToShow(index.isValid() ? index.row() : firstSelectedRow());
        if (!m_itemMenu->actions().isEmpty())
            m_itemMenu->popup(viewport()->mapToGlobal(pos));
    });
}

int MemoryList::count() const
{
    return m_model->rowCount();
}

QString MemoryList::itemText(int row) const
{
    return m_model->index(row).data().toString();
}

bool MemoryList::isRowSelected(int row) const
{
    return selectionModel()->isRowSelected(row, {});
}

void MemoryList::setRowSelected(int row, bool selected)
{
    selectionModel()->select(m_model->index(row), selected ? QItemSelectionModel::Select
                                                           : QItemSelectionModel::Deselect);
}

QList<int> MemoryList::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int MemoryList::firstSelectedRow() const
{
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

void MemoryList::setShownRow(int row)
{
    m_model->setShownRow(row);
    const QModelIndex index = row >= 0 && row < kMemoryCount ? m_model->index(row) : QModelIndex();
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    if (index.isValid())
        scrollTo(index);
}

} // namespace quillon
