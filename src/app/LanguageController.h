#pragma once

#include <QObject>

class QActionGroup;
class QMenu;

namespace quillon
{

class MainWindow;

// Tools -> "Language": the system's language or one the program is translated into. The choice
// is kept in the settings and takes effect at the next start, when every window is made anew.
class LanguageController : public QObject
{
    Q_OBJECT
public:
    explicit LanguageController(MainWindow& window);

    QMenu* mnulanguage = nullptr;

private:
    void choose(const QString& code);

    MainWindow& m_window;
};

} // namespace quillon
