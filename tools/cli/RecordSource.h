#pragma once

#include "CommandLine.h"
#include "core/Record.h"

#include <QStringList>

namespace quillon::cli
{

// Where a command takes its record from:
//   --frame FILE             bytes as received on the line; the first complete frame
//   --awv FILE               a waveform file
//   --bank FILE --memory N   memory N of a bank file
// Frames and waveform files go into a record whose positions all start at 0.
struct RecordSource {
    enum class Kind { None, Frame, Waveform, Bank } kind = Kind::None;
    QString file;
    int memory = 0;

    // The source options, for the command line of a command that takes a record.
    static QStringList options();

    // Takes the source from the command line; the problem when a source option lacks its value
    // or the options are incomplete or contradictory, empty otherwise. No source option at all
    // gives Kind::None and no problem.
    QString parse(const CommandLine& line);

    // Reads the record; on failure returns the exit status (BadInput) and writes the stderr line.
    int load(Record& record) const;

    // For a command that has read all its own options: the usage error when no source was given,
    // when `problem` (one of the command's own) is set, or when arguments are left over, checked
    // in that order; otherwise load()'s status.
    int loadFor(const QString& usage, const QStringList& rest, Record& record,
                const QString& problem = QString()) const;
};

} // namespace quillon::cli
