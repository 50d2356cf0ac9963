// Saves a picture of the main window showing a realistic record: quillon-screenshot OUT.png
#include "RecordFixture.h"

#include "app/Application.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QListWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillon-screenshot OUT.png\n");
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    quillon::Application app(quillon::Edition::quillon());
    app.start();
    quillon::Module1& module = app.module();
    for (int memory : {3, 4, 7, 8, 12}) {
        module.recbuf = quillon::fixture::realisticRecord(memory);
        module.storeReceived(memory - 1);
    }
    quillon::MainWindow& window = app.window();
    window.resize(window.sizeHint());
    window.lstmem->setCurrentRow(6);
    window.lstmem->item(6)->setSelected(true);
    window.lstmem_DblClick();
    window.lstmem->scrollToTop();
    const QPixmap shot = window.grab();
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
