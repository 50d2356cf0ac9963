#pragma once

#include "archive/ArchiveFailure.h"

#include <QMetaType>

namespace quillon
{

// Where this PC's uploads to the team archive stand.
struct TeamStatus {
    enum State {
        Off,      // no team archive is set
        UpToDate, // the server holds every local entry
        Offline,  // the server cannot be reached: `waiting` entries wait for it
        Failed,   // the server refuses, or its tables do not fit: `failure` says how
    };
    State state = Off;
    qint64 waiting = 0;
    ArchiveFailure failure;

    bool operator==(const TeamStatus& o) const
    {
        return state == o.state && waiting == o.waiting && failure.kind == o.failure.kind &&
               failure.text == o.failure.text;
    }
};

// The status bar's words: "Team archive: up to date", "Team archive: offline, 37 waiting", or
// the failure. Empty when no team archive is set.
QString teamStatusText(const TeamStatus& status);

} // namespace quillon

Q_DECLARE_METATYPE(quillon::TeamStatus)
