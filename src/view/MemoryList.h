#pragma once

#include "core/Record.h"

#include <QListWidget>

namespace quillon
{

// lstmem: the 200 memories, "Mem 1" .. "Mem 200", " *" appended to those that hold a received or
// loaded record. Several items can be selected at once.
class MemoryList : public QListWidget
{
    Q_OBJECT
public:
    explicit MemoryList(QWidget* parent = nullptr);

    // All items rebuilt from the marks; the selection is cleared.
    void rebuild(const Marks& marks);
    // One item rewritten; it is no longer selected.
    void refresh(int row, bool marked);
    // Rows of the selected items, ascending.
    QList<int> selectedRows() const;
    // The first selected row in list order, or -1.
    int firstSelectedRow() const;
};

} // namespace quillon
