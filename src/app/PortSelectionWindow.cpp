#include "app/PortSelectionWindow.h"

#include "link/InstrumentLink.h"
#include "link/PortConfig.h"
#include "link/PortWatcher.h"
#include "view/MessageBox.h"
#include "view/Widgets.h"
#include "view/WindowSettings.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace quillon
{

QString normalisedDeviceName(const QString& typed)
{
    const QString name = typed.trimmed();
    if (name.isEmpty() || kHostPortNaming == PortNaming::Windows || name.startsWith(u'/'))
        return name;
    return QStringLiteral("/dev/") + name;
}

PortSelectionWindow::PortSelectionWindow(Module1& module, InstrumentLink& link, QWidget* parent)
    : QWidget(parent, Qt::Window), m_module(module), m_link(link)
{
    setObjectName(QStringLiteral("frmoption"));
    setWindowTitle(tr("Port selection"));
    buildControls();
    WindowSettings::restoreGeometry(this);
}

void PortSelectionWindow::buildControls()
{
    lblexplain = named(new QLabel(tr(kExplanation), this), "lblexplain");
    lblexplain->setWordWrap(true);

    auto* group = new QButtonGroup(this);
    auto* column = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        const int portno = i + 1;
        options[i] = new QRadioButton(tr("Comport %1").arg(portno), this);
        options[i]->setObjectName(QStringLiteral("Option%1").arg(portno));
        group->addButton(options[i]);
        column->addWidget(options[i]);
        // The open port is not touched until Ok or Cancel.
        connect(options[i], &QRadioButton::toggled, this, [this, portno](bool on) {
            if (on)
                m_module.portno = portno;
        });
    }

    optother = named(new QRadioButton(tr("Other port:"), this), "optother");
    optother->setToolTip(tr("A port beyond the first four, such as a USB adapter; "
                            "choose it from the list or type its device name"));
    group->addButton(optother);
    cboport = named(new QComboBox(this), "cboport");
    cboport->setEditable(true);
    cboport->setInsertPolicy(QComboBox::NoInsert);
    cboport->setMinimumContentsLength(16);
    cboport->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Picking or typing a device chooses it; a picked entry leaves its device name in the box.
    connect(cboport, &QComboBox::activated, optother, [this](int index) {
        cboport->setEditText(cboport->itemData(index).toString());
        optother->setChecked(true);
    });
    connect(cboport->lineEdit(), &QLineEdit::textEdited, optother,
            [this] { optother->setChecked(true); });
    auto* other = new QHBoxLayout;
    other->addWidget(optother);
    other->addWidget(cboport, 1);
    column->addLayout(other);

    cmdok = named(new QPushButton(tr("Ok"), this), "cmdok");
    cmdok->setDefault(true);
    cmdcancel = named(new QPushButton(tr("Cancel"), this), "cmdcancel");
    connect(cmdok, &QPushButton::clicked, this, &PortSelectionWindow::cmdok_Click);
    connect(cmdcancel, &QPushButton::clicked, this, &PortSelectionWindow::cmdcancel_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdok);
    buttons->addWidget(cmdcancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblexplain);
    layout->addLayout(column);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

void PortSelectionWindow::setPortWatcher(PortWatcher* watcher)
{
    if (m_watcher && m_holding)
        m_watcher->release();
    if (m_watcher)
        m_watcher->disconnect(this);
    m_watcher = watcher;
    m_holding = false;
    if (!m_watcher)
        return;
    connect(m_watcher, &PortWatcher::portsChanged, this, &PortSelectionWindow::listSystemPorts);
    if (isVisible()) {
        m_holding = true;
        m_watcher->hold();
        listSystemPorts();
    }
}

void PortSelectionWindow::listSystemPorts()
{
    QList<PortDescription> ports;
    if (m_watcher)
        ports = m_watcher->ports();
    else
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            ports.append(PortDescription::of(info));
    const QString typed = cboport->currentText();
    cboport->clear();
    for (const PortDescription& port : ports)
        cboport->addItem(port.label(), port.device);
    cboport->setEditText(typed);
    // The list opens as wide as its longest entry, so that the descriptions are read whole.
    QAbstractItemView* list = cboport->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void PortSelectionWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_watcher && !m_holding) {
        m_holding = true;
        m_watcher->hold(); // looks at once: the list is new
    }
}

void PortSelectionWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    WindowSettings::saveGeometry(this);
    if (m_watcher && m_holding && !event->spontaneous()) {
        m_holding = false;
        m_watcher->release();
    }
}

void PortSelectionWindow::load(const PortSetting& current, const QString& otherDevice)
{
    m_choiceMade = false;
    m_remembered = current;
    listSystemPorts();
    cboport->setEditText(current.isNamed() ? current.device : otherDevice);
    if (current.isNamed()) {
        optother->setChecked(true);
        return;
    }
    const int portno = current.portno >= 1 && current.portno <= 4 ? current.portno : 1;
    // Selecting the button that is already on does not announce it: set portno here too.
    options[portno - 1]->setChecked(true);
    m_module.portno = portno;
}

PortSetting PortSelectionWindow::chosen() const
{
    if (optother->isChecked()) {
        // An entry of the list, reached with the keyboard, shows its description as well.
        QString name = cboport->currentText();
        const int entry = cboport->findText(name);
        if (entry >= 0)
            name = cboport->itemData(entry).toString();
        return PortSetting::named(normalisedDeviceName(name));
    }
    for (int i = 0; i < 4; ++i)
        if (options[i]->isChecked())
            return PortSetting::numbered(i + 1);
    return PortSetting::numbered(m_module.portno);
}

void PortSelectionWindow::cmdok_Click()
{
    const PortSetting setting = chosen();
    if (optother->isChecked() && !setting.isNamed()) {
        // No device typed: there is nothing to write or open.
        showMessage(this, tr(kOpenFailed), tr(kOpenFailedTitle));
        return;
    }
    m_module.portno = setting.portno;
    QString writeError;
    const bool written =
        PortConfig::write(QString::fromLatin1(PortConfig::kFileName), setting, &writeError);
    if (!reopen(setting)) {
        // A port refused for lack of permission says so, and what to do, below the message.
        showMessage(this, tr(kOpenFailed), tr(kOpenFailedTitle), {}, m_link.accessAdvice());
        return;
    }
    finish(setting);
    if (!written)
        showMessage(parentWidget(), tr("The port is open, but the choice could not be written to "
                                       "\"%1\" (%2): the next start will not find it.")
                                        .arg(QDir::current().absoluteFilePath(
                                                 QString::fromLatin1(PortConfig::kFileName)),
                                             writeError));
}

void PortSelectionWindow::cmdcancel_Click()
{
    m_module.portno = m_remembered.portno;
    // The window closes whether the port opens again or not: without a port the program still
    // reaches files, reports and the archive, and the main window says that no port is open.
    if (reopen(m_remembered))
        finish(m_remembered);
    else
        close();
}

bool PortSelectionWindow::reopen(const PortSetting& setting)
{
    if (m_link.isOpen())
        m_link.close();
    return m_link.open(setting.deviceName());
}

void PortSelectionWindow::finish(const PortSetting& setting)
{
    m_choiceMade = true;
    close();
    emit portOpened(setting);
}

void PortSelectionWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_choiceMade)
        emit closedWithoutChoice();
    m_choiceMade = false;
}

} // namespace quillon
