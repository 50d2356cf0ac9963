// Stores received records into the bank with the archive as its journal.
// Usage: journal_writer ARCHIVE append
//   stores one record after another and prints "<n> <id>" once entry n (counted from 0) is
//   committed; it runs until it is killed.
// Usage: journal_writer ARCHIVE die
//   stores two records the way reception does and notes into a memory never received, then dies
//   without any chance to clean up.

#include "archive/ArchiveJournal.h"
#include "core/NoteLines.h"
#include "files/FilesTestSupport.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstring>

using namespace quillon;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    test::StartedModule module;
    ArchiveJournal journal(module, QString::fromLocal8Bit(argv[1]));
    if (!journal.open())
        return 3;
    if (std::strcmp(argv[2], "append") == 0) {
        for (int n = 0;; ++n) {
            const Record r = test::patternRecord(n, "5  ");
            module.store(4, r, {StoreKind::Received, QStringLiteral("/dev/ttyS0")});
            std::printf("%d %lld\n", n, static_cast<long long>(journal.lastEntry()));
            std::fflush(stdout);
        }
    }
    for (int row : {6, 11}) {
        module.recbuf = test::patternRecord(row, row == 6 ? "7  " : "12 ");
        module.store(row, module.recbuf, {StoreKind::Received, {}});
    }
    NoteTexts notes;
    notes[0] = QStringLiteral("Operator 17");
    notes[11] = QStringLiteral("peak at 40 mm");
    module.saveNotes(20, everyLine(notes)); // a memory never received, with notes typed in
    std::raise(SIGKILL);
    return 0;
}
