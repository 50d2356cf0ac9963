#pragma once

#include "core/Module1.h"

#include <QListView>

class QMenu;

namespace quillon
{

class BankListModel;
class NoteDrafts;

// lstmem: the 200 memories, "Mem 1" .. "Mem 200", " *" appended to those that hold a received or
// loaded record, a view of the bank. Several items can be selected at once. A row that receives
// a record is no longer selected; a loaded bank clears the selection. The memory on display is the
// current item (bold, scrolled into view) whatever is selected; memories with a draft of typed
// notes are italic.
class MemoryList : public QListView
{
    Q_OBJECT
public:
    explicit MemoryList(const Module1& module, const NoteDrafts* drafts = nullptr,
                        QWidget* parent = nullptr);

    int count() const;
    QString itemText(int row) const;
    bool isRowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    // Rows of the selected items, ascending.
    QList<int> selectedRows() const;
    // The first selected row in list order, or -1.
    int firstSelectedRow() const;
    // The bank row on display (-1: none) becomes the current item; the selection stays.
    void setShownRow(int row);

    // The items' context menu ("mnulstmem"), shown when it holds an action: features add theirs
    // and enable them on itemMenuAboutToShow.
    QMenu* itemMenu() const { return m_itemMenu; }

signals:
    // A double-click on an item (whichever items are selected).
    void itemActivated();
    // The context menu is about to show for `row` (the item under the mouse, else the first
    // selected; -1 for none).
    void itemMenuAboutToShow(int row);

private:
    BankListModel* m_model = nullptr;
    QMenu* m_itemMenu = nullptr;
};

} // namespace quillon
