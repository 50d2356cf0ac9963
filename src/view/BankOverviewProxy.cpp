#include "view/BankOverviewProxy.h"

#include "core/BankTable.h"
#include "view/BankTableModel.h"

#include <QDateTime>

namespace quillon
{

BankOverviewProxy::BankOverviewProxy(QObject* parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    // Connected before any view's selection model, so these run first.
    const auto begin = [this] { m_changing = true; };
    const auto end = [this] { m_changing = false; };
    connect(this, &QAbstractItemModel::rowsAboutToBeRemoved, this, begin);
    connect(this, &QAbstractItemModel::rowsRemoved, this, end);
    connect(this, &QAbstractItemModel::layoutAboutToBeChanged, this, begin);
    connect(this, &QAbstractItemModel::layoutChanged, this, end);
    connect(this, &QAbstractItemModel::modelAboutToBeReset, this, begin);
    connect(this, &QAbstractItemModel::modelReset, this, end);
}

void BankOverviewProxy::setShowAll(bool all)
{
    if (all == m_all)
        return;
    m_all = all;
    invalidateRowsFilter();
}

void BankOverviewProxy::setFilterText(const QString& text)
{
    const QString needle = text.toLower();
    if (needle == m_needle)
        return;
    m_needle = needle;
    invalidateRowsFilter();
}

bool BankOverviewProxy::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    if (!m_all && !index.data(BankTableModel::kMarkedRole).toBool())
        return false;
    return m_needle.isEmpty() ||
           index.data(BankTableModel::kSearchTextRole).toString().contains(m_needle);
}

bool BankOverviewProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (left.column() == BankTableModel::Memory || left.column() == BankTableModel::Thumbnail)
        return left.row() < right.row();
    if (left.column() == BankTableModel::Tested) {
        const QDateTime a = left.data(BankTableModel::kTestedRole).toDateTime();
        const QDateTime b = right.data(BankTableModel::kTestedRole).toDateTime();
        if (a.isValid() != b.isValid()) // memories without a date go last in either order
            return sortOrder() == Qt::AscendingOrder ? a.isValid() : b.isValid();
        if (a != b)
            return a < b;
        return left.row() < right.row();
    }
    const QString a = left.data().toString(), b = right.data().toString();
    if (a == b)
        return left.row() < right.row(); // equal texts keep memory order
    return cellLessThan(a, b);
}

} // namespace quillon
