#pragma once

#include "view/ArchiveListModel.h"
#include "view/ArchiveWindow.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <functional>
#include <map>

class QAction;

namespace quillon
{

class ArchiveJournal;
class MainWindow;

// The archive in the main window: "Archive" (in the Tools menu) shows the Archive
// window (made on first use, modeless). An entry chosen there is shown in the main window as a
// waveform file is, apart from the bank; "Restore to bank" stores the selected entries into their
// bank rows (the later entry of a memory wins); "Export Bank File" and "Export PDF" write the
// selected entries as a bank file (the start-up bank with the entries stored) or as report pages.
// The window's "Team" view reads the team archive set in "Team archive" through a reader on a
// thread of its own; its entries are fetched there too before they are shown, restored or
// written.
class ArchiveController : public QObject
{
    Q_OBJECT
public:
    ArchiveController(MainWindow& window, ArchiveJournal& journal);
    ~ArchiveController() override;

    QAction* mnuarchive = nullptr;

    void showArchive();
    ArchiveWindow* archiveWindow() const { return m_archiveWindow; }
    ArchiveListModel& model() { return m_model; }

    // What the window's choices do; the export ones write `path` at once.
    void showEntry(qint64 id);
    int restoreEntries(const QList<qint64>& ids);
    // "Restore to bank": asks first when a memory's bank row holds a later entry than the one
    // restored, or notes typed and not saved ("Replace" / "Keep those" / "Cancel").
    void requestRestore(const QList<qint64>& ids);
    void requestRestore(const std::vector<ArchiveEntry>& found);
    // Of `found`, those whose memory would lose later work in the bank if they were restored.
    std::vector<ArchiveEntry> entriesOverLaterWork(const std::vector<ArchiveEntry>& found);
    bool exportBank(const QList<qint64>& ids, const QString& path);
    bool exportPdf(const QList<qint64>& ids, const QString& path);

private:
    std::vector<ArchiveEntry> entries(const QList<qint64>& ids);
    // Hands the entries to `use` (the later last): at once from this PC's archive, or once the
    // team archive has sent them.
    void withEntries(const QList<EntryRef>& refs,
                     std::function<void(const std::vector<ArchiveEntry>&)> use);
    void showTeam(bool team);
    void show(const std::vector<ArchiveEntry>& found);
    int restore(const std::vector<ArchiveEntry>& found);
    bool writeBank(const std::vector<ArchiveEntry>& found, const QString& path);
    bool writePdf(const std::vector<ArchiveEntry>& found, const QString& path);
    void askPath(const char* name, const QString& title, const QString& filter,
                 std::function<void(const QString&)> write);
    void told(const QString& text);

    MainWindow& m_window;
    ArchiveJournal& m_journal;
    ArchiveListModel m_model;
    QPointer<ArchiveWindow> m_archiveWindow;
    QThread m_readerThread;
    ArchiveReader* m_reader = nullptr; // lives on m_readerThread, made on first use
    std::map<quint64, std::function<void(const std::vector<ArchiveEntry>&)>> m_fetching;
};

} // namespace quillon
