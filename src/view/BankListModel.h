#pragma once

#include "core/Module1.h"

#include <QAbstractListModel>

namespace quillon
{

class NoteDrafts;

// The memories of the bank as a list: row N-1 reads "Mem N", with " *" once the memory holds a
// received or loaded record. The memory on display is bold; a memory with a draft of typed notes
// is italic, with a tooltip that says so. Follows the bank: a changed row is announced as
// changed, a loaded bank as a reset.
class BankListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    BankListModel(const Module1& module, const NoteDrafts* drafts, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The bank row on display, or -1.
    void setShownRow(int row);
    // The item of memory `memory` (1..200) as the list shows it, in the interface's language.
    static QString itemLabel(int memory, bool marked);

private:
    void rowLooksChanged(int row);

    const Module1& m_module;
    const NoteDrafts* m_drafts = nullptr;
    int m_shownRow = -1;
};

} // namespace quillon
