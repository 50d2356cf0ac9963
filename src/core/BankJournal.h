#pragma once

#include "core/Record.h"

#include <QMetaType>
#include <QString>

namespace quillon
{

struct BankFileContents;

// How a record came to be stored into a bank row.
enum class StoreKind {
    Received, // sent by the instrument on its own
    Captured, // asked for by memory number
    Loaded,   // read from a bank file
    Notes,    // the row's note lines saved from the window
    Restored, // put back from what an earlier run kept
};

// Where it came from: the port's device name, or a file's absolute path.
struct StoreOrigin {
    StoreKind kind = StoreKind::Received;
    QString source;
    bool marked = true; // Restored only: whether the row's list item carries its mark
};

// What a journal is told before the bank changes. Each call returns once the journal has kept
// what it needs, so that a record is on record before the window shows it as stored. A journal
// reports its own failures; the bank changes whatever it says.
class BankJournal
{
public:
    virtual ~BankJournal() = default;

    // `record` goes into bank row `row` (for note lines: the whole row as the save leaves it).
    virtual void recordStored(int row, const Record& record, const StoreOrigin& origin) = 0;
    // A bank file replaces rows 0..199 (positions 0..839) and every list mark.
    virtual void bankLoaded(const BankFileContents& contents, const QString& path) = 0;
    // The whole bank was written to a file.
    virtual void bankSaved(const QString& path) = 0;
};

} // namespace quillon

Q_DECLARE_METATYPE(quillon::StoreKind)
