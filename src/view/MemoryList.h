#pragma once

#include "core/Module1.h"

#include <QListView>

namespace quillon
{

class BankListModel;

// lstmem: the 200 memories, "Mem 1" .. "Mem 200", " *" appended to those that hold a received or
// loaded record, a view of the bank. Several items can be selected at once. A row that receives
// a record is no longer selected; a loaded bank clears the selection.
class MemoryList : public QListView
{
    Q_OBJECT
public:
    explicit MemoryList(const Module1& module, QWidget* parent = nullptr);

    int count() const;
    QString itemText(int row) const;
    bool isRowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    // Rows of the selected items, ascending.
    QList<int> selectedRows() const;
    // The first selected row in list order, or -1.
    int firstSelectedRow() const;

signals:
    // A double-click on an item (whichever items are selected).
    void itemActivated();

private:
    BankListModel* m_model = nullptr;
};

} // namespace quillon
