#pragma once

#include "core/Edition.h"
#include "core/Module1.h"

#include <QStringList>

#include <memory>

namespace quillon
{

class LinkController;
class MainWindow;

// One running program: the shared state, the main window and the features attached to it.
// runApplication builds one inside a QApplication; tests build one the same way.
class Application
{
public:
    explicit Application(const Edition& edition);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Module1& module() { return m_module; }
    MainWindow& window() { return *m_window; }

    // Start-up: the list and the bank, the sample echo drawn, the window shown; files named on
    // the command line are handed on (filesDropped) once the event loop runs.
    void start(const QStringList& files = {});

private:
    Module1 m_module;
    std::unique_ptr<MainWindow> m_window;
    LinkController* m_link = nullptr; // the instrument link, a child of the window
};

// The program: a QApplication named after the edition, one Application, the event loop.
int runApplication(int argc, char** argv, const Edition& edition);

} // namespace quillon
