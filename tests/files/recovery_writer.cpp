// Stores records the way reception does, with the archive as the bank's journal, and then dies
// without any chance to clean up. Usage: recovery_writer ARCHIVE

#include "archive/ArchiveJournal.h"
#include "core/NoteLines.h"
#include "FilesTestSupport.h"

#include <QCoreApplication>

#include <csignal>

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
