#pragma once

// The program's message boxes as the operator meets them: found on screen, read and answered.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace quillon::test
{

// The visible boxes of one kind ("quillonMessage", "quillonQuestion").
inline QList<QMessageBox*> openBoxes(const QString& objectName)
{
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w))
            if (box->objectName() == objectName && box->isVisible())
                boxes << box;
    return boxes;
}

// The one message on screen; null when none is shown.
inline QMessageBox* shownMessage()
{
    const QList<QMessageBox*> boxes = openBoxes(QStringLiteral("quillonMessage"));
    return boxes.isEmpty() ? nullptr : boxes.first();
}

// Closes a message with OK.
inline void pressOk(QMessageBox* box)
{
    box->button(QMessageBox::Ok)->click();
}

// The text of the one message on screen, which is then closed with OK; empty when none is shown.
inline QString takeMessage()
{
    const QList<QMessageBox*> boxes = openBoxes(QStringLiteral("quillonMessage"));
    if (boxes.size() != 1)
        return {};
    QMessageBox* box = boxes.first();
    const QString text = box->text();
    box->button(QMessageBox::Ok)->click();
    return text;
}

// Presses the button `answer` of the one question on screen; false when there is no such box.
inline bool answerQuestion(const QString& answer, QString* text = nullptr)
{
    const QList<QMessageBox*> boxes = openBoxes(QStringLiteral("quillonQuestion"));
    if (boxes.size() != 1)
        return false;
    QMessageBox* box = boxes.first();
    if (text)
        *text = box->text();
    for (QAbstractButton* button : box->buttons())
        if (button->text() == answer) {
            button->click();
            return true;
        }
    return false;
}

} // namespace quillon::test
