// A whole program run that receives records and has note lines saved, and is then killed from
// outside. Run in the working folder to use; it prints "stored" once the records are in the
// bank and then waits in its event loop for the kill. A bank file named as its argument is opened
// first, as the day's bank the work is done on.

#include "app/MainWindow.h"
#include "app/StartedApplication.h"
#include "core/BankFile.h"
#include "core/LoadedFile.h"
#include "support/Records.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

using namespace quillon;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    test::StartedApplication app;
    QCoreApplication::processEvents();
    MainWindow& w = app.window();
    Module1& module = app.module();
    if (argc > 1) {
        BankFileContents bank;
        if (readBankFile(QString::fromLocal8Bit(argv[1]), bank))
            return 2;
        module.loadBank(bank, QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
    }

    // Two records arrive the way reception stores them: memories 7 and 12.
    for (int memory : {7, 12}) {
        module.recbuf = test::realisticRecord(memory);
        test::setNote(module.recbuf, 0, QStringLiteral("received %1").arg(memory));
        module.store(memory - 1, module.recbuf, {StoreKind::Received, {}});
        w.showRecord(memory - 1);
    }
    // Notes typed into memory 21, which was never received, and saved with the button.
    w.openMemory(20);
    w.txtnoteLn[0]->setText(QStringLiteral("Operator 17"));
    w.txtnoteLn[11]->setText(QStringLiteral("peak at 40 mm"));
    w.cmdtxtsav->click();

    std::fputs("stored\n", stdout);
    std::fflush(stdout);
    return qapp.exec();
}
