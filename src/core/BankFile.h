#pragma once

#include "core/Record.h"

#include <QByteArray>
#include <QString>

namespace quillon
{

// A bank file: 168,000 four-byte decimal text fields, memory 1 positions 0..839, then memory 2,
// ... memory 200; each value left-aligned and padded with spaces. 672,000 bytes.
QByteArray writeBank(const Bank& bank);

// Why a bank file cannot be used: which memory and record position, and what is wrong there.
struct BankFileError {
    int memory = 0;   // 1..200, or 0 when the problem is not at one field
    int position = 0; // record position 0..839
    QString problem;

    // "<file>: memory M, position P: <problem>"
    QString message(const QString& fileName) const;
};

// What a good bank file holds: rows 0..199 positions 0..839 and the marks of the memory list.
struct BankFileContents {
    Bank bank{};
    Marks marks{};
};

// Reads and validates a whole bank file: whole decimal numbers (an optional sign and digits)
// separated by spaces (a comma or a line end also separates), 168,000 of them, each 0..255.
// Anything after the 168,000th number is ignored. (BankReader reads the same way piece by piece.)
// Returns false and fills `error` when the file cannot be used. Rows not in the file (row 200,
// position 840 and beyond) are 0 in `out`: the caller keeps its own there.
bool readBank(QByteArrayView file, BankFileContents& out, BankFileError* error);

// The list marks a load leaves for one row, as the list is marked while the row's values arrive:
// a mark when the memory-number characters read N after the first, the first two or all three
// of them have arrived (the others still holding the blank row's spaces).
bool loadMarksRow(const Record& row, int memory);

} // namespace quillon
