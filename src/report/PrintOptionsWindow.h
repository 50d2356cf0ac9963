#pragma once

#include <QWidget>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon
{

// frmprintop, "Print": which memories get a report page. "Currently Displayed Ascan Report" is
// chosen at every opening (the window is destroyed when it closes). "Print" hands the choice on
// and closes the window; closing it any other way prints nothing. The same window also chooses
// the pages of a print preview or a PDF export, with its caption and button named after the task.
class PrintOptionsWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Choice {
        None,     // no option chosen: nothing is printed
        Current,  // the record on display, as it stands
        Selected, // every selected list item, ascending
        All,      // every marked memory, ascending
    };
    Q_ENUM(Choice)

    explicit PrintOptionsWindow(QWidget* parent = nullptr);

    // The window's task, when it is not printing: its caption and the button's text.
    void setTask(const QString& caption, const QString& buttonText);

    Choice choice() const;

    QGroupBox* fraprint = nullptr; // "Print Option"
    QRadioButton* opsingle = nullptr;
    QRadioButton* opselect = nullptr;
    QRadioButton* opall = nullptr;
    QPushButton* cmdprint = nullptr;

    // The button: hands the choice on, then closes (and so destroys) the window.
    void cmdprint_Click();

signals:
    void printChosen(quillon::PrintOptionsWindow::Choice choice);
};

} // namespace quillon
