#include "view/BankListModel.h"

namespace quillon
{

BankListModel::BankListModel(const Module1& module, QObject* parent)
    : QAbstractListModel(parent), m_module(module)
{
    connect(&module, &Module1::rowChanged, this, [this](int row) {
        const QModelIndex changed = index(row);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    });
    connect(&module, &Module1::bankReplaced, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int BankListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kMemoryCount;
}

QVariant BankListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= kMemoryCount)
        return {};
    return memoryItemText(index.row() + 1, m_module.marked[index.row()]);
}

} // namespace quillon
