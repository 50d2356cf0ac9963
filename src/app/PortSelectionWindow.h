#pragma once

#include "core/Module1.h"
#include "link/PortSetting.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quillon
{

class InstrumentLink;
class PortWatcher;

// frmoption, "Port selection": the serial port the instrument is connected to. "Comport 1" to
// "Comport 4" name the numbered ports; the last choice takes any other device, picked from the
// ports the system reports or typed (pseudo-terminals and some adapters are never reported).
// While the window is open its list follows adapters plugged in or out.
// "Ok" writes "dfd.cfg" and reopens the port with the new choice; "Cancel" reopens the port that
// was in use when the window opened. Ok closes the window once the port is open; Cancel closes it
// whether that port opens again or not.
class PortSelectionWindow : public QWidget
{
    Q_OBJECT
public:
    // The original program's texts, their English kept as it was (spacing and misspellings).
    static constexpr const char* kExplanation = QT_TR_NOOP(
        "According  to  the  cable of  Vantor connected  to   the   serial   port    of  computer "
        "select apropriate option.");
    static constexpr const char* kOpenFailed =
        QT_TR_NOOP("Selected Port is used by another device or it might be not available ");
    static constexpr const char* kOpenFailedTitle = QT_TR_NOOP("Port Selection Error");

    PortSelectionWindow(Module1& module, InstrumentLink& link, QWidget* parent = nullptr);

    // Form_Load, each time the window opens: remembers `current` (the port in use, restored by
    // Cancel) and selects its choice; a port number other than 1..4 selects "Comport 1".
    // `otherDevice` prefills the device box (e.g. a device "dfd.cfg" named that would not open).
    void load(const PortSetting& current, const QString& otherDevice = {});

    // The watcher whose ports the list shows while the window is open; without one the list is
    // read once per opening.
    void setPortWatcher(PortWatcher* watcher);

    // What the window's choice names now.
    PortSetting chosen() const;
    // The port to restore on Cancel.
    const PortSetting& remembered() const { return m_remembered; }

    // Controls, by their names.
    std::array<QRadioButton*, 4> options{}; // Option1 .. Option4
    QRadioButton* optother = nullptr;       // another device
    QComboBox* cboport = nullptr;           // its name: listed ports, or typed
    QLabel* lblexplain = nullptr;
    QPushButton* cmdok = nullptr;
    QPushButton* cmdcancel = nullptr;

signals:
    // Ok or Cancel opened the port `setting` names; the window has closed.
    void portOpened(const PortSetting& setting);
    // The window was closed without a port opened: by its own close button (or with the program),
    // or by Cancel when the port in use before would not open again.
    void closedWithoutChoice();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    void listSystemPorts();
    void cmdok_Click();
    void cmdcancel_Click();
    bool reopen(const PortSetting& setting);
    void finish(const PortSetting& setting);

    Module1& m_module;
    InstrumentLink& m_link;
    PortSetting m_remembered;
    bool m_choiceMade = false; // Ok or Cancel is closing the window
    QPointer<PortWatcher> m_watcher;
    bool m_holding = false; // the watcher looks for this window
};

// A typed device name as the port is opened by: on Unix a bare name such as "ttyUSB0" is taken
// from /dev, so that "dfd.cfg" can name it again.
QString normalisedDeviceName(const QString& typed);

} // namespace quillon
