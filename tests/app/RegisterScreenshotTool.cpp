// Saves a picture of the Defect register window over a season of rounds (a worsened defect
// chosen, two of its tests compared) and the register as its PDF report; the season's archive
// is kept as SEASON.sqlite when named (to send to a team archive):
// quillon-register-screenshot OUT.png OUT.pdf [SEASON.sqlite]
#include "ScreenshotFolder.h"
#include "support/SeasonArchive.h"

#include "app/MainWindow.h"
#include "app/RegisterController.h"
#include "app/StartedApplication.h"
#include "report/RegisterPdf.h"
#include "view/RegisterWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTreeView>
#include <QTreeWidget>

#include <cstdio>

using namespace quillon;

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: quillon-register-screenshot OUT.png OUT.pdf [SEASON.sqlite]\n");
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    const QString png = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString pdf = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    const test::ScreenshotFolder folder;
    if (!folder.ready())
        return 1;
    const QString archive = QFile::decodeName(qgetenv("QUILLON_ARCHIVE"));
    if (test::writeSeason(archive, test::Season(60, 14)) < 0) {
        std::fprintf(stderr, "cannot write the archive\n");
        return 1;
    }
    if (argc > 3 && !QFile::copy(archive, QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot keep the archive\n");
        return 1;
    }
    test::StartedApplication app;
    MainWindow& window = app.window();
    auto* controller = window.findChild<RegisterController*>();
    QSignalSpy read(controller, &RegisterController::registerRead);
    controller->showRegister();
    if (!read.wait(60000)) {
        std::fprintf(stderr, "the register was not read\n");
        return 1;
    }
    RegisterWindow* form = controller->registerWindow();
    const auto& locations = controller->model().locations();
    for (size_t row = 0; row < locations.size(); ++row)
        if (locations[row].worsened && locations[row].inspections > 3) {
            form->lstlocations->setCurrentIndex(form->lstlocations->model()->index(int(row), 0));
            const int tests = form->lsttests->topLevelItemCount();
            form->lsttests->topLevelItem(tests - 2)->setSelected(true);
            form->lsttests->topLevelItem(tests - 1)->setSelected(true);
            controller->compareTests({{}, locations[row].tests[size_t(tests) - 2].entry},
                                     {{}, locations[row].tests[size_t(tests) - 1].entry});
            break;
        }
    form->resize(1180, 640);
    QApplication::processEvents();
    if (!form->grab().save(png) ||
        writeRegisterPdf(pdf, locations, archive, QDateTime::currentDateTime()) !=
            ReportError::None) {
        std::fprintf(stderr, "cannot write the pictures\n");
        return 1;
    }
    return 0;
}
