#pragma once

#include "archive/ArchiveEntry.h"
#include "core/DefectRegister.h"
#include "view/RegisterModel.h"
#include "view/RegisterWindow.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QTimer;

namespace quillon
{

class ArchiveJournal;
class ArchiveReader;
class AscanToolsController;
class MainWindow;

// The defect register in the main window: "Defect register" (in the Tools menu) shows the
// register window (made on first use, modeless). The register is read off the GUI thread, from
// this PC's archive or from the team archive as the window's source says: one query over the
// archive's summary of the locations, its first page shown before the rest arrives, a location's
// tests read when it is chosen (the team's through the reader). The window follows this PC's
// archive as records are stored. A test chosen there is shown in the main window apart from the
// bank, as an archived entry is; two tests are compared with the A-scan tools' comparison, with
// the change of their gate 1 peaks in dB. The team archive's records come through a reader on a
// thread of its own; an export is written on a thread of its own.
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
    // Reads the register of the source anew; registerRead follows.
    void refresh();
    bool isReading() const { return m_reading != nullptr; }
    // The team archive (true) or this PC's (false) is the source.
    void showTeam(bool team);
    bool showsTeam() const { return m_team; }

    // What the window's choices do.
    void listTests(const QString& locationKey);
    void showTest(const EntryRef& test);
    // Shows the newer test and the older one's trace behind it, and tells what changed of their
    // gate 1 peaks; returns that text, empty when a test cannot be read or when the team
    // archive's records are still on their way (the text is told once they are in).
    QString compareTests(const EntryRef& older, const EntryRef& newer);
    // Writes the locations the window lists, in its order, as CSV, XLSX or a PDF report by the
    // name's extension; exported follows. False when an export is still being written.
    bool exportTo(const QString& path);

signals:
    void registerRead();
    // `problem` empty: written.
    void exported(const QString& path, const QString& problem);

private:
    using Records = std::vector<ArchiveEntry>;
    // `complete` false: the first rows only, the rest still being read.
    void readDone(bool team, const QString& problem,
                  std::shared_ptr<std::vector<DefectLocation>> locations, bool complete);
    // The records of the tests named, in that order (those not found left out): at once from
    // this PC's archive, through the reader from the team archive.
    void withRecords(const QList<EntryRef>& refs, std::function<void(const Records&)> use);
    ArchiveReader* reader();
    // The tests of the location chosen, with the gate 1 peaks known, then those read.
    void showChosenTests(const QString& locationKey);
    void exportDone(const QString& path, const QString& problem);
    // Where the register is read from: the journal's file or the team archive's connection.
    QString source(bool team) const;
    const RegisterTest* testOf(const EntryRef& ref) const;
    QString compared(const EntryRef& older, const EntryRef& newer, const Records& records);
    void told(const QString& text);

    MainWindow& m_window;
    ArchiveJournal& m_journal;
    AscanToolsController& m_tools;
    RegisterModel m_model;
    QPointer<RegisterWindow> m_registerWindow;
    bool m_team = false;
    QThread* m_reading = nullptr; // reads the register
    bool m_readAgain = false;
    QTimer* m_follow = nullptr;
    QThread m_readerThread;
    ArchiveReader* m_reader = nullptr; // the team archive's records; made on first use
    QHash<quint64, std::function<void(const Records&)>> m_fetching; // by ticket
    QHash<quint64, QString> m_testsWanted;      // locations whose tests the reader reads, by ticket
    QThread* m_exporting = nullptr;             // writes an export
    QHash<QString, std::optional<int>> m_peaks; // gate 1 peaks of the tests listed, by EntryRef
};

} // namespace quillon
