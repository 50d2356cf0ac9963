#include "app/Application.h"

#include "app/AppIcon.h"
#include "app/ArchiveController.h"
#include "app/AscanToolsController.h"
#include "app/FilesController.h"
#include "app/Language.h"
#include "app/LanguageController.h"
#include "app/LinkController.h"
#include "app/MainWindow.h"
#include "app/OverviewController.h"
#include "app/RegisterController.h"
#include "app/ReportController.h"
#include "app/TeamController.h"
#include "view/WindowSettings.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

#include <cstdio>

namespace quillon
{

Application::Application(const Edition& edition)
    : m_window(std::make_unique<MainWindow>(m_module, edition))
{
    auto* files = new FilesController(*m_window); // owned by the window
    new ReportController(*m_window);
    new ArchiveController(*m_window, files->journal());
    m_link = new LinkController(*m_window);
    new OverviewController(*m_window);
    auto* tools = new AscanToolsController(*m_window);
    new RegisterController(*m_window, files->journal(), *tools);
    new TeamController(*m_window, files->journal());
    new LanguageController(*m_window);
}

Application::~Application() = default;

void Application::start(const QStringList& files)
{
    m_window->startUp();
    m_window->fitToContents();
    // Without a port the operator chooses one first; the main window follows that choice.
    if (m_link->openConfiguredPort()) {
        m_window->showSampleEcho();
        m_window->show();
    }
    if (files.isEmpty())
        return;
    QStringList paths;
    for (const QString& file : files)
        paths.append(QFileInfo(file).absoluteFilePath());
    MainWindow* window = m_window.get();
    QTimer::singleShot(0, window, [window, paths] { emit window->filesDropped(paths); });
}

int runApplication(int argc, char** argv, const Edition& edition)
{
    // Answered before the window system is asked for: it works without a display.
    if (argc == 2 && qstrcmp(argv[1], "--version") == 0) {
        std::printf("%s %s\n", qPrintable(edition.title), QUILLON_VERSION);
        return 0;
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(edition.title);
    WindowSettings::enable(QStringLiteral("Quillon")); // window sizes, columns, last folders
    QApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    QApplication::setWindowIcon(appIcon());
    // Before any window exists: texts are translated as they are made.
    const QString language = Language::effective(QLocale::system().uiLanguages());
    Language::install(language);
    if (!Language::chosen().isEmpty()) // numbers on screen as the chosen language writes them
        QLocale::setDefault(QLocale(language));

    Application app(edition);
    app.start(QApplication::arguments().mid(1));
    return qapp.exec();
}

} // namespace quillon
