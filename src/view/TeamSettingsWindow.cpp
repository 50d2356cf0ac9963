#include "view/TeamSettingsWindow.h"

#include "view/Widgets.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon
{

TeamSettingsWindow::TeamSettingsWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmteam"));
    setWindowTitle(tr("Team archive"));
    txtserver = named(new QLineEdit(this), "txtserver");
    // Fixed: an example of what libpq reads, not a sentence.
    txtserver->setPlaceholderText(QStringLiteral("service=quillon"));
    txtserver->setMinimumWidth(360);
    cmdtest = named(new QPushButton(tr("Test connection"), this), "cmdtest");
    lbltest = named(new QLabel(this), "lbltest");
    lbltest->setWordWrap(true);
    lblstatus = named(new QLabel(this), "lblstatus");
    auto* hint = new QLabel(tr("A service name from pg_service.conf or a connection string "
                               "(host=... dbname=... user=... sslmode=...). The password is read "
                               "from ~/.pgpass or PGPASSFILE, never kept by this program. Leave "
                               "it empty to keep the archive on this PC only."),
                            this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    cmdsave = named(buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole), "cmdsave");

    auto* form = new QFormLayout;
    form->addRow(tr("Server:"), txtserver);
    form->addRow(QString(), cmdtest);
    form->addRow(tr("Connection:"), lbltest);
    form->addRow(tr("Uploads:"), lblstatus);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(cmdtest, &QPushButton::clicked, this, [this] { emit testRequested(server()); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        emit saveRequested(server());
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TeamSettingsWindow::setServer(const QString& conninfo)
{
    txtserver->setText(conninfo);
}

QString TeamSettingsWindow::server() const
{
    return txtserver->text().trimmed();
}

void TeamSettingsWindow::showTestResult(const QString& text)
{
    lbltest->setText(text);
}

void TeamSettingsWindow::showStatus(const QString& text)
{
    lblstatus->setText(text);
}

void TeamSettingsWindow::setTesting(bool testing)
{
    cmdtest->setEnabled(!testing);
    if (testing)
        lbltest->setText(tr("Connecting..."));
}

} // namespace quillon
