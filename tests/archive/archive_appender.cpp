// Stores received records into the bank with the archive as its journal, one after another,
// and prints "<n> <id>" once entry n (counted from 0) is committed. It runs until it is killed.
// Usage: archive_appender ARCHIVE

#include "archive/ArchiveJournal.h"
#include "files/FilesTestSupport.h"

#include <QCoreApplication>

#include <cstdio>

using namespace quillon;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    test::StartedModule module;
    ArchiveJournal journal(module, QString::fromLocal8Bit(argv[1]));
    if (!journal.open())
        return 3;
    for (int n = 0;; ++n) {
        const Record r = test::patternRecord(n, "5  ");
        module.store(4, r, {StoreKind::Received, QStringLiteral("/dev/ttyS0")});
        std::printf("%d %lld\n", n, static_cast<long long>(journal.lastEntry()));
        std::fflush(stdout);
    }
}
