#include "view/BankListModel.h"

#include "core/NoteDrafts.h"

#include <QFont>

namespace quillon
{

BankListModel::BankListModel(const Module1& module, const NoteDrafts* drafts, QObject* parent)
    : QAbstractListModel(parent), m_module(module), m_drafts(drafts)
{
    connect(&module, &Module1::rowChanged, this, [this](int row) {
        const QModelIndex changed = index(row);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    });
    connect(&module, &Module1::bankReplaced, this, [this] {
        beginResetModel();
        endResetModel();
    });
    if (m_drafts)
        connect(m_drafts, &NoteDrafts::changed, this, &BankListModel::rowLooksChanged);
}

int BankListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kMemoryCount;
}

QVariant BankListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= kMemoryCount)
        return {};
    const int row = index.row();
    const bool draft = m_drafts && m_drafts->has(row);
    switch (role) {
    case Qt::DisplayRole:
        return itemLabel(row + 1, m_module.marked[row]);
    case Qt::FontRole: {
        if (!draft && row != m_shownRow)
            return {};
        QFont font;
        font.setBold(row == m_shownRow);
        font.setItalic(draft);
        return font;
    }
    case Qt::ToolTipRole:
        if (draft)
            return tr("✎ Notes typed and not saved yet: open the memory and press "
                      "\"S  A  V  E\" to store them.");
        if (row == m_shownRow)
            return tr("On display");
        return {};
    default:
        return {};
    }
}

QString BankListModel::itemLabel(int memory, bool marked)
{
    //: An item of the memory list; a marked memory has " *" after it
    const QString label = tr("Mem %1").arg(memory);
    return marked ? label + QStringLiteral(" *") : label;
}

void BankListModel::setShownRow(int row)
{
    if (row == m_shownRow)
        return;
    const int before = std::exchange(m_shownRow, row);
    rowLooksChanged(before);
    rowLooksChanged(row);
}

void BankListModel::rowLooksChanged(int row)
{
    if (row < 0 || row >= kMemoryCount)
        return;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::FontRole, Qt::ToolTipRole});
}

} // namespace quillon
