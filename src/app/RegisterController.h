#pragma once

#include "core/DefectRegister.h"
#include "view/RegisterModel.h"
#include "view/RegisterWindow.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <atomic>
#include <memory>
#include <optional>

class QAction;
class QThread;
class QTimer;

namespace quillon
{

class ArchiveJournal;
class AscanToolsController;
class MainWindow;

// The defect register in the main window: "Defect register" (in the Tools menu) shows the
// register window (made on first use, modeless). The register is read from the archive off the
// GUI thread, all of it the first time and then only what arrived since, and the window follows
// as records are stored. A test chosen there is shown in the main window apart from the bank, as
// an archived entry is; two tests are compared with the A-scan tools' comparison, with the
// change of their gate 1 peaks in dB.
class RegisterController : public QObject
{
    Q_OBJECT
public:
    RegisterController(MainWindow& window, ArchiveJournal& journal, AscanToolsController& tools);
    ~RegisterController() override;

    QAction* mnuregister = nullptr;

    void showRegister();
    RegisterWindow* registerWindow() const { return m_registerWindow; }
    RegisterModel& model() { return m_model; }
    // Reads what the archive received since the last reading; registerRead follows.
    void refresh();
    bool isReading() const { return m_reader != nullptr; }

    // What the window's choices do.
    void listTests(const QString& locationKey);
    void showTest(qint64 entry);
    // Shows the newer test and the older one's trace behind it; returns what it tells about
    // their gate 1 peaks, empty when a test cannot be read.
    QString compareTests(qint64 older, qint64 newer);
    // The locations the window lists, in its order, as CSV, XLSX or a PDF report by the name's
    // extension.
    bool exportTo(const QString& path);

signals:
    void registerRead();

private:
    void readDone(const QString& problem, qint64 lastEntry,
                  std::shared_ptr<std::vector<DefectLocation>> locations);
    std::optional<Record> recordOf(qint64 entry);
    std::optional<int> peakOf(qint64 entry);
    const RegisterTest* testOf(qint64 entry) const;
    void told(const QString& text);

    MainWindow& m_window;
    ArchiveJournal& m_journal;
    AscanToolsController& m_tools;
    RegisterModel m_model;
    QPointer<RegisterWindow> m_registerWindow;
    // Read by the worker while it runs, by nobody else meanwhile.
    std::shared_ptr<DefectRegister> m_register = std::make_shared<DefectRegister>();
    qint64 m_lastEntry = 0;
    QThread* m_reader = nullptr;
    std::atomic<bool> m_stopping{false};
    bool m_readAgain = false;
    QTimer* m_follow = nullptr;
    QHash<qint64, std::optional<int>> m_peaks; // gate 1 peaks of the tests listed so far
};

} // namespace quillon
