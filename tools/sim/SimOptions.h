#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace sim
{

// How the simulated instrument is run; see helpText() for the options.
struct SimOptions {
    QString bank;      // serve memories from this bank file instead of generated ones
    QString link;      // keep a symlink to the terminal here
    QString log;       // append every command received, one per line
    bool paced = true; // 960 bytes per second, as 9600 baud
    int replyDelayMs = 30;
    double sendEverySeconds = 0; // 0: no periodic sends
    QList<int> sendList;         // memories the periodic sends and SIGUSR1 walk through
    QSet<int> noReply;           // requests for these memories go unanswered
    QMap<int, int> replyAs;      // a request for the key is answered with the value's memory
    QMap<int, int> cut;          // frames of the key's memory stop after the value's bytes
    int noise = 0;               // bytes of noise before every start byte
    int gap = 1;                 // bytes between part A and the second 255
    bool data255 = false;        // 255 inside part A and part B of every frame
    bool quiet = false;
    bool timestamps = false; // print when each transmission's last byte went out

    static QString helpText();
    // Parses the arguments (without the program name); nothing and `error` set when wrong.
    static std::optional<SimOptions> parse(const QStringList& args, QString* error);
};

} // namespace sim
