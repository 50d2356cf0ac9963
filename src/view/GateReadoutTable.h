#pragma once

#include "core/AscanMeasure.h"

#include <QTableWidget>

#include <vector>

namespace quillon
{

// The gates drawn on the A-scan and their peaks, one row each: gate, amplitude, sound path,
// sample, dB to level, DAC height, dB to DAC. As large as its cells, without scroll bars, read
// only; a value that does not apply stays empty.
class GateReadoutTable : public QTableWidget
{
    Q_OBJECT
public:
    explicit GateReadoutTable(QWidget* parent = nullptr);

    void showGates(const std::vector<GateReading>& gates);
    // The text of a cell, empty outside the table.
    QString cellText(int row, GateColumn column) const;

    // The header and the rows, no more.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

} // namespace quillon
