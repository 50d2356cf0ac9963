#pragma once

#include "core/Module1.h"

#include <QAbstractListModel>

namespace quillon
{

// The memories of the bank as a list: row N-1 reads "Mem N", with " *" once the memory holds a
// received or loaded record. Follows the bank: a changed row is announced as changed, a loaded
// bank as a reset.
class BankListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit BankListModel(const Module1& module, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const Module1& m_module;
};

} // namespace quillon
