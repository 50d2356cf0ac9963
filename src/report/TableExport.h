#pragma once

#include "core/Record.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace quillon
{

// A table to hand to a spreadsheet, row by row, so that a season of bank files never has to be
// held at once: a heading row, then for every row its texts and the record it shows (whose
// A-scan samples, positions 0..250, go into the "Samples" sheet).
class TableRows
{
public:
    virtual ~TableRows() = default;
    virtual QStringList header() const = 0;
    // How many leading columns tell the rows apart (the file and the memory); the "Samples"
    // sheet starts with the same columns.
    virtual int keyColumns() const = 0;
    // The column that holds when the memory was tested, as "2024-09-01T10:00" or empty; -1 when
    // there is none.
    virtual int testedColumn() const = 0;
    using Row = std::function<void(const QStringList& texts, const Record& record)>;
    // Calls `row` for every row, in order.
    virtual void forEach(const Row& row) const = 0;
};

// Every text cell is written without the spaces that pad the boxes (trimmedCell).

// RFC 4180: UTF-8 with a byte-order mark, CRLF line ends, the heading row first; a field with a
// comma, a quote, a CR or an LF is quoted, its quotes doubled.
QByteArray csvOf(const TableRows& table);

// An .xlsx workbook. Sheet "Bank": the heading (bold, frozen with the key columns, with an
// autofilter) and the rows, columns as wide as their texts; a cell that reads as a number
// (cellNumber) is a number cell showing its decimals and its unit, the tested column a date
// cell; texts stand left and numbers right, each a space off the cell's edge. It prints
// landscape on the locale's paper, one page wide, the heading row on every page. Sheet
// "Samples": the key columns, then the 251 sample values, one row per table row. The file
// appears whole or not at all. Returns why it could not be written, or nothing.
std::optional<QString> writeXlsx(const QString& path, const TableRows& table);

// A workbook of plain sheets, in order: each with its heading (bold, frozen, with an autofilter)
// and its rows, as the "Bank" sheet is written; no "Samples" sheet.
struct NamedSheet {
    QString name;
    const TableRows* table = nullptr;
};
std::optional<QString> writeXlsxSheets(const QString& path, const std::vector<NamedSheet>& sheets);

} // namespace quillon
