// Saves a picture of the main window with the A-scan tools in use (a zoomed comparison of two
// memories of different RANGE, the cursor and the gate peaks): quillon-ascan-screenshot OUT.png
#include "FirstSize.h"
#include "ScreenshotFolder.h"
#include "support/Records.h"
#include "view/AscanOverlay.h"
#include "view/MemoryList.h"

#include "app/AscanToolsController.h"
#include "app/MainWindow.h"
#include "app/StartedApplication.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillon-ascan-screenshot OUT.png\n");
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const quillon::test::ScreenshotFolder folder;
    if (!folder.ready())
        return 1;
    quillon::test::StartedApplication app;
    quillon::Module1& module = app.module();
    for (int memory : {3, 7}) {
        module.recbuf = quillon::test::realisticRecord(memory);
        if (memory == 3) {
            // An earlier reading of the same flaw at RANGE 250: the same sound paths lie at
            // 200 / 250 of the width, and the echo is a little lower.
            const quillon::Record at200 = module.recbuf;
            for (int i = 0; i < 250; ++i) {
                const int j = std::min(249, int(std::lround((i + 1) * 1.25)) - 1);
                module.recbuf[i] = std::int16_t(at200[j] * 8 / 10);
            }
            quillon::test::setField(module.recbuf, "txtrange", QStringLiteral("250"));
        }
        module.store(memory - 1, module.recbuf, {quillon::StoreKind::Received, {}});
    }
    quillon::MainWindow& window = app.window();
    quillon::test::showAtFirstSize(window);
    window.openMemory(6);
    auto* tools = window.findChild<quillon::AscanToolsController*>();
    if (!tools) {
        std::fprintf(stderr, "no A-scan tools in the window\n");
        return 1;
    }
    tools->compareWith(2);
    tools->overlay().zoomTo(QRectF(40, 10, 120, 200));
    tools->overlay().setCursorSample(85);
    if (!window.grab().save(out)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
