// Saves a picture of the main window showing a realistic record, and with a second name one of
// the bank overview: quillon-screenshot OUT.png [OVERVIEW.png]
#include "FirstSize.h"
#include "ScreenshotFolder.h"
#include "support/Records.h"
#include "view/MemoryList.h"

#include "app/ArchiveController.h"
#include "app/MainWindow.h"
#include "app/OverviewController.h"
#include "app/StartedApplication.h"
#include "core/BankTable.h"
#include "view/BankOverviewProxy.h"
#include "view/BankOverviewWindow.h"
#include "view/BankTableModel.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillon-screenshot OUT.png [OVERVIEW.png [ARCHIVE.png]]\n");
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    // The program as an operator sees it with the instrument connected, working in a folder of
    // its own (it writes "dfd.cfg" and its archive there).
    QStringList outs;
    for (int i = 1; i < argc; ++i)
        outs << QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath();
    const auto save = [&](QWidget* shown, int i) {
        if (shown->grab().save(outs[i]))
            return true;
        std::fprintf(stderr, "cannot write %s\n", qPrintable(outs[i]));
        return false;
    };
    const quillon::test::ScreenshotFolder folder;
    if (!folder.ready())
        return 1;
    quillon::test::StartedApplication app;
    quillon::Module1& module = app.module();
    // Tested over three days, not in the order of their numbers (memory 7 as realisticRecord).
    const std::pair<int, const char*> memories[] = {{3, "0912140624"},
                                                    {4, "1605150624"},
                                                    {7, "1432150624"},
                                                    {8, "0747150624"},
                                                    {12, "1118130624"}};
    for (const auto& [memory, clock] : memories) {
        module.recbuf = quillon::test::realisticRecord(memory);
        quillon::test::setTimeDate(module.recbuf, QString::fromLatin1(clock));
        module.store(memory - 1, module.recbuf, {quillon::StoreKind::Received, {}});
    }
    quillon::MainWindow& window = app.window();
    quillon::test::showAtFirstSize(window);
    window.lstmem->setCurrentIndex(window.lstmem->model()->index(6, 0));
    window.lstmem->setRowSelected(6, true);
    window.lstmem_DblClick();
    window.lstmem->scrollToTop();
    if (!save(&window, 0))
        return 1;
    // A second file: the bank overview; a third: the Archive window over what was received, an
    // entry chosen.
    if (argc > 2) {
        auto* controller = window.findChild<quillon::OverviewController*>();
        controller->showOverview();
        quillon::BankOverviewWindow* overview = controller->overviewWindow();
        overview->resize(1180, 430);
        // Sorted by when the memories were tested, scrolled right to the notes: the thumbnails
        // and memory numbers stay.
        overview->grdbank->sortByColumn(quillon::BankTableModel::Tested, Qt::AscendingOrder);
        QApplication::processEvents();
        overview->grdbank->scrollTo(overview->proxy().index(
            0, quillon::BankTableModel::FirstText + int(quillon::overviewColumns().size()) -
                   9)); // to "Km. Post"
        QApplication::processEvents();
        if (!save(overview, 1))
            return 1;
    }
    if (argc > 3) {
        auto* archive = window.findChild<quillon::ArchiveController*>();
        archive->showArchive();
        quillon::ArchiveWindow* form = archive->archiveWindow();
        form->lstentries->setCurrentIndex(archive->model().index(2, 0));
        form->lstentries->selectionModel()->select(
            archive->model().index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (!save(form, 2))
            return 1;
    }
    return 0;
}
