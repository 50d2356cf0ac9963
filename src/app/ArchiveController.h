#pragma once

#include "view/ArchiveListModel.h"
#include "view/ArchiveWindow.h"

#include <QObject>
#include <QPointer>

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
    // Of `ids`, those whose memory would lose later work in the bank if they were restored.
    QList<qint64> entriesOverLaterWork(const QList<qint64>& ids);
    bool exportBank(const QList<qint64>& ids, const QString& path);
    bool exportPdf(const QList<qint64>& ids, const QString& path);

private:
    std::vector<ArchiveEntry> entries(const QList<qint64>& ids);
    void askPath(const char* name, const QString& title, const QString& filter,
                 std::function<void(const QString&)> write);
    void told(const QString& text);

    MainWindow& m_window;
    ArchiveJournal& m_journal;
    ArchiveListModel m_model;
    QPointer<ArchiveWindow> m_archiveWindow;
};

} // namespace quillon
