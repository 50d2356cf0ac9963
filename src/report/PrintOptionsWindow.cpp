#include "report/PrintOptionsWindow.h"

#include "view/PanelStyle.h"
#include "view/Widgets.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon
{

namespace
{

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
    setWindowTitle(tr("Print"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(panelFont(true));

    fraprint = named(new QGroupBox(tr("Print Option"), this), "fraprint");
    paintBlue(fraprint);
    auto* options = new QVBoxLayout(fraprint);
    auto option = [this, options](const char* name, const char* caption) {
        auto* button = named(new QRadioButton(tr(caption), fraprint), name);
        paintBlue(button);
        options->addWidget(button);
        return button;
    };
    opsingle = option("opsingle", QT_TR_NOOP("Currently Displayed Ascan Report"));
    opselect = option("opselect", QT_TR_NOOP("Selected Ascan Report"));
    opall = option("opall", QT_TR_NOOP("All Ascan Report"));
    auto* group = new QButtonGroup(this);
    for (QRadioButton* button : {opsingle, opselect, opall})
        group->addButton(button);
    opsingle->setChecked(true);

    cmdprint = named(new QPushButton(tr("Print"), this), "cmdprint");
    cmdprint->setDefault(true);
    connect(cmdprint, &QPushButton::clicked, this, &PrintOptionsWindow::cmdprint_Click);

    // The frame stands in the upper middle of the window with the button under its left edge,
    // the margins about as wide as the designed window's, measured in the window's own font.
    const QFontMetrics metrics(font());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5 * metrics.averageCharWidth(), 2 * metrics.height(),
                               5 * metrics.averageCharWidth(), metrics.height());
    layout->setSpacing(metrics.height());
    layout->addWidget(fraprint);
    layout->addWidget(cmdprint, 0, Qt::AlignLeft);
    cmdprint->setMinimumWidth(cmdprint->sizeHint().width() + 4 * metrics.averageCharWidth());
    // The window keeps the size its contents ask for.
    layout->setSizeConstraint(QLayout::SetFixedSize);
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
