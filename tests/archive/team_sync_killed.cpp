// Sends a PC's archive to the team archive ten entries a transaction, and in the middle of the
// second batch says "ready" and waits to be killed: what a PC switched off mid-upload leaves.
// Arguments: DB CONNINFO.
#include "archive/TeamSync.h"

#include <QCoreApplication>

#include <cstdio>
#include <thread>

using namespace quillon;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 1;
    SqliteArchive local;
    ServerArchive server;
    if (local.open(QString::fromLocal8Bit(argv[1]), SqliteArchive::Open::ExistingOnly) ||
        server.open(QString::fromLocal8Bit(argv[2])))
        return 2;
    TeamSync sync(local, server);
    sync.setBatchSize(10);
    sync.setAfterEach([](int batch, size_t entry) {
        if (batch == 1 && entry == 4) {
            std::puts("ready");
            std::fflush(stdout);
            std::this_thread::sleep_for(std::chrono::minutes(1));
        }
    });
    TeamSync::Count count;
    return sync.run(count) ? 3 : 4; // either way it was never killed
}
