#pragma once

#include "core/Record.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quillon
{

// The bank as a table, one row per memory: what the panel and the note boxes show for each
// memory's record, column by column.

// Names of the text columns, in order: every setup-panel box by its control name (txtzero ..
// txtblk2), the readouts txtbeam, txtsurf and txtdpth (blanked when MEASURE is off), txttmdt,
// then note1 .. note12.
const QStringList& bankTableTextColumns();
// The texts of those columns for a record, exactly as the panel and the note boxes show them.
QStringList bankTableTexts(const Record& record);

// The columns an inspector sorts and filters by, as the overview shows them: the index of each
// in bankTableTextColumns() and its heading as table files write it.
struct OverviewColumn {
    int text;
    QString heading;
};
const QList<OverviewColumn>& overviewColumns();
// A column's heading as the window shows it, in the interface's language.
QString overviewColumnLabel(const OverviewColumn& column);

// True for a text that is wholly a decimal number once the spaces around it are dropped
// ("5920", "0.0", "-12", ".5"); "30%", "1e3", "" are not.
bool isDecimalNumber(QStringView text);

// A cell as a table file keeps it: without the spaces that pad the boxes at either end.
QStringView trimmedCell(QStringView text);

// A cell that reads as a number: a decimal number, alone or followed by one of the instrument's
// units ("5920", "41.5 dB", "30%"), with the spaces around it dropped. `unit` is what follows the
// digits as written (" dB", "dB", "%" or empty), `decimals` how many digits follow the point.
struct CellNumber {
    double value;
    int decimals;
    QString unit;
};
std::optional<CellNumber> cellNumber(QStringView text);
// Whether `text` sorts by number: after spaces, a sign, digits or a point and a digit begin it.
bool sortsAsNumber(QStringView text);
// Ascending order of two cell texts: numbers (by the leading-number rule) before texts, texts
// case-insensitively.
bool cellLessThan(QStringView a, QStringView b);

} // namespace quillon
