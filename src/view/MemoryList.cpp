#include "view/MemoryList.h"

#include <QScrollBar>

namespace quillon
{

MemoryList::MemoryList(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("lstmem"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int text = fontMetrics().horizontalAdvance(memoryItemText(kMemoryCount, true));
    setFixedWidth(text + verticalScrollBar()->sizeHint().width() + 2 * frameWidth() + 16);
}

void MemoryList::rebuild(const Marks& marks)
{
    clear();
    for (int row = 0; row < kMemoryCount; ++row)
        addItem(memoryItemText(row + 1, marks[row]));
}

void MemoryList::refresh(int row, bool marked)
{
    QListWidgetItem* entry = item(row);
    if (!entry)
        return;
    entry->setText(memoryItemText(row + 1, marked));
    entry->setSelected(false);
}

QList<int> MemoryList::selectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected())
            rows.append(row);
    return rows;
}

int MemoryList::firstSelectedRow() const
{
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected())
            return row;
    return -1;
}

} // namespace quillon
