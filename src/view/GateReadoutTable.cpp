#include "view/GateReadoutTable.h"

#include <QHeaderView>

#include <algorithm>

namespace quillon
{

GateReadoutTable::GateReadoutTable(QWidget* parent) : QTableWidget(0, kGateColumnCount, parent)
{
    setHorizontalHeaderLabels({tr("Gate"), tr("Amplitude"), tr("Sound path"), tr("Sample"),
                               tr("dB to level"), tr("DAC height"), tr("dB to DAC")});
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setHighlightSections(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setWordWrap(false);
}

void GateReadoutTable::showGates(const std::vector<GateReading>& gates)
{
    setRowCount(int(gates.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const GateReading& gate = gates[std::size_t(row)];
        const auto cells = gateReadoutCells(gate);
        for (int column = 0; column < kGateColumnCount; ++column) {
            auto* item = new QTableWidgetItem(cells[std::size_t(column)]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!gate.peak)
                item->setToolTip(tr("No sample lies inside gate %1.").arg(gate.gate));
            setItem(row, column, item);
        }
    }
    resizeRowsToContents();
    updateGeometry();
}

QSize GateReadoutTable::sizeHint() const
{
    int width = 0;
    for (int column = 0; column < columnCount(); ++column)
        width += horizontalHeader()->sectionSize(column);
    // Room for both gates whatever is shown, so that the window's layout stays put from one
    // record to the next.
    int height = horizontalHeader()->sizeHint().height();
    const int rowHeightHint = verticalHeader()->defaultSectionSize();
    for (int row = 0; row < std::max(rowCount(), 2); ++row)
        height += row < rowCount() ? rowHeight(row) : rowHeightHint;
    return QSize(width, height) + QSize(2 * frameWidth(), 2 * frameWidth());
}

QString GateReadoutTable::cellText(int row, GateColumn column) const
{
    const QTableWidgetItem* cell = item(row, int(column));
    return cell ? cell->text() : QString();
}

} // namespace quillon
