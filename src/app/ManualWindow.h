#pragma once

#include <QWidget>

class QLineEdit;
class QTextBrowser;

namespace quillon
{

// "Help Topic": the user manual inside the program, with no browser needed. Links within it and
// its pictures work; links that lead out of it go to the system. Ctrl+F (or F3) opens the find
// box: Enter finds the next match, Shift+Enter the one before, Escape closes the box.
class ManualWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ManualWindow(const QString& manualPath, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }
    QLineEdit* findBox() const { return m_find; }

    // Finds `text` from the cursor on (backwards: before it), wrapping round once. False when the
    // manual does not hold it.
    bool find(const QString& text, bool backwards = false);

private:
    QTextBrowser* m_browser = nullptr;
    QLineEdit* m_find = nullptr;
};

} // namespace quillon
