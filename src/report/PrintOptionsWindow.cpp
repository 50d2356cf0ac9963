#include "report/PrintOptionsWindow.h"

#include "view/PanelStyle.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace quillon
{

namespace
{

// The window is laid out in twips, 15 to a pixel of a 96 dots per inch screen.
constexpr int kTwipsPerPixel = 15;

QRect twips(int left, int top, int width, int height)
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

void paintBlue(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, kCaptionBlue);
    palette.setColor(QPalette::ButtonText, kCaptionBlue);
    widget->setPalette(palette);
}

} // namespace

PrintOptionsWindow::PrintOptionsWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmprintop"));
    setWindowTitle(QStringLiteral("Print"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(panelFont(true));
    setFixedSize(twips(0, 0, 6360, 3495).size());

    // The option buttons lie on the frame; their places are given on the window.
    const QRect frame = twips(1080, 480, 4215, 1815);
    fraprint = new QGroupBox(QStringLiteral("Print Option"), this);
    fraprint->setObjectName(QStringLiteral("fraprint"));
    fraprint->setGeometry(frame);
    paintBlue(fraprint);

    auto option = [this, frame](const char* name, const char* caption, QRect place) {
        auto* button = new QRadioButton(QString::fromLatin1(caption), fraprint);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(place.translated(-frame.topLeft()));
        paintBlue(button);
        return button;
    };
    opsingle = option("opsingle", "Currently Displayed Ascan Report", twips(1200, 840, 3975, 375));
    opselect = option("opselect", "Selected Ascan Report", twips(1200, 1200, 3735, 375));
    opall = option("opall", "All Ascan Report", twips(1200, 1560, 2775, 375));
    auto* group = new QButtonGroup(this);
    for (QRadioButton* button : {opsingle, opselect, opall})
        group->addButton(button);
    opsingle->setChecked(true);

    cmdprint = new QPushButton(QStringLiteral("Print"), this);
    cmdprint->setObjectName(QStringLiteral("cmdprint"));
    cmdprint->setGeometry(twips(1080, 2520, 1335, 495));
    cmdprint->setDefault(true);
    connect(cmdprint, &QPushButton::clicked, this, &PrintOptionsWindow::cmdprint_Click);
}

void PrintOptionsWindow::setTask(const QString& caption, const QString& buttonText)
{
    setWindowTitle(caption);
    cmdprint->setText(buttonText);
}

PrintOptionsWindow::Choice PrintOptionsWindow::choice() const
{
    if (opsingle->isChecked())
        return Choice::Current;
    if (opselect->isChecked())
        return Choice::Selected;
    if (opall->isChecked())
        return Choice::All;
    return Choice::None;
}

void PrintOptionsWindow::cmdprint_Click()
{
    const Choice chosen = choice();
    // Closed first: whatever the printing shows lies over the main window, not over this one.
    close();
    emit printChosen(chosen);
}

} // namespace quillon
