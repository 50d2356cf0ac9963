#pragma once

#include <QString>

namespace quillon
{

// Why an archive call failed: the local file's faults and a team server's.
struct ArchiveFailure {
    enum Kind {
        None,
        Damaged,      // the file is not a database, or its pages are broken
        Unwritable,   // read-only, full, or the folder cannot be written
        Unreachable,  // the server cannot be reached (no network, no server, timed out)
        Refused,      // the server refused: authentication, permission or a missing role
        Incompatible, // the server's schema is missing, damaged or newer than this program
        Other,
    };
    Kind kind = None;
    QString text; // the database library's or the server's words

    explicit operator bool() const { return kind != None; }
};

// What a failure means, for the window and the command line alike (translated where the program
// has loaded a translation): one line, the library's words at its end.
QString archiveFailureText(const ArchiveFailure& failure);

} // namespace quillon
