#include "view/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace quillon
{

void showMessage(QWidget* parent, const QString& text, const QString& title,
                 std::function<void()> closed, const QString& detail)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon,
                                title.isEmpty() ? QApplication::applicationName() : title, text,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("quillonMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (!detail.isEmpty())
        box->setInformativeText(detail);
    if (closed)
        QObject::connect(box, &QMessageBox::finished, box, [closed](int) { closed(); });
    box->open();
}

} // namespace quillon
