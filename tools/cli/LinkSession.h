#pragma once

#include "core/Module1.h"
#include "link/InstrumentLink.h"

#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

namespace quillon::cli
{

// What capture and listen share: the program's state as after a successful start-up (a bank
// file's memories loaded into it when asked), the instrument link on the given port, and the
// bank written out at the end.
class LinkSession
{
public:
    LinkSession();
    ~LinkSession();

    // Starts the --archive journal (useArchive), loads the memories of the bank file `bank` when
    // one is given as the window's Open does, and opens the port. The status of the first step
    // that fails, after its stderr line (one naming the device and the problem for the port).
    int open(const QString& device, const QString& bank = QString());
    // Runs the event loop until finish() is called, then closes the port.
    void run();
    // Ends the loop once the bytes written have gone to the device (a few seconds at most).
    void finish();
    // Writes the memory bank to `path` as a bank file.
    int writeBank(const QString& path) const;
    // Prints "Mem N stored" for every record the bank takes `kind`'s way, then calls `then`.
    void reportStores(StoreKind kind, std::function<void()> then = {});
    // "Mem N <what>" on the standard output, for bank row `row`.
    static void printMemory(int row, const char* what);

    InstrumentLink& link() { return *m_link; }

private:
    Module1 m_module;
    std::unique_ptr<InstrumentLink> m_link;
    QTimer m_drain;
};

} // namespace quillon::cli
