#include "files/QuestionBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace quillon
{

void askQuestion(QWidget* parent, const QString& text, const QString& title,
                 const QStringList& answers, int escapeAnswer, const QObject* receiver,
                 std::function<void(int)> answered)
{
    auto* box = new QMessageBox(QMessageBox::Question,
                                title.isEmpty() ? QApplication::applicationName() : title, text,
                                QMessageBox::NoButton, parent);
    box->setObjectName(QStringLiteral("quillonQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QList<QAbstractButton*> buttons;
    for (const QString& answer : answers)
        buttons << box->addButton(answer, QMessageBox::ActionRole);
    if (!buttons.isEmpty())
        box->setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    if (escapeAnswer >= 0 && escapeAnswer < buttons.size())
        box->setEscapeButton(buttons[escapeAnswer]);
    QObject::connect(box, &QMessageBox::finished, receiver,
                     [box, buttons, escapeAnswer, answered](int) {
                         const qsizetype index = buttons.indexOf(box->clickedButton());
                         if (answered)
                             answered(index >= 0 ? int(index) : escapeAnswer);
                     });
    box->open();
}

} // namespace quillon
