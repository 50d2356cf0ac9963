#include "app/AboutBox.h"

#include "app/AppIcon.h"
#include "view/Widgets.h"

#include <QCoreApplication>

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#ifndef QUILLON_VERSION_MAJOR
#error "the build gives the program's version"
#endif

namespace quillon
{

namespace
{

constexpr int kIconSize = 64;

QFrame* separator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

QString versionText(int major, int minor, int revision)
{
    return QCoreApplication::translate("quillon::AboutBox", "Version %1.%2.%3")
        .arg(major)
        .arg(minor)
        .arg(revision);
}

AboutBox::AboutBox(const QString& title, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About %1").arg(title));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    picIcon = named(new QLabel(this), "picIcon");
    picIcon->setPixmap(appIcon().pixmap(kIconSize, kIconSize));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = named(new QLabel(title, this), "lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(
        versionText(QUILLON_VERSION_MAJOR, QUILLON_VERSION_MINOR, QUILLON_VERSION_PATCH), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    Label2 = new QLabel(tr("Application for to Transfer Data from Rail Tester  to PC"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);

    // Fixed: the maker's name.
    Label1 = named(new QLabel(QStringLiteral("Brennwick Track Instruments"), this), "Label1");

    cmdOK = named(new QPushButton(tr("OK"), this), "cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picIcon, 0, 0, 3, 1);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(Label2, 2, 1);
    grid->addWidget(separator(this), 3, 0, 1, 2);
    grid->addWidget(Label1, 4, 1);
    grid->addWidget(separator(this), 5, 0, 1, 2);
    grid->addWidget(cmdOK, 6, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace quillon
