#pragma once

#include "core/LoadedFile.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QLabel;

namespace quillon
{

class ArchiveJournal;
class FileOpener;
class MainWindow;
class OpenWindow;
class SaveWindow;

// Bank files and waveform files in the main window: "Open" and "Save" show their forms (made on
// first use, modeless); a chosen, dropped or command-line file goes through `direct`; received
// every record is kept in the archive, and what was not saved when a run ended is offered back at
// the next start; ending the program with unsaved work asks first (Save / Discard / Cancel).
class FilesController : public QObject
{
    Q_OBJECT
public:
    explicit FilesController(MainWindow& window);
    ~FilesController() override;

    ArchiveJournal& journal() { return *m_journal; }

    void showSaveForm();
    void showOpenForm();
    // direct, for a file chosen in the open form, dropped or named on the command line.
    void open(const QString& path);

private:
    bool closeGuard();
    void exitAnswered(int answer);
    void saved(const QString& path);
    void opened(const QString& path, FileKind kind);
    void offerRecovery();
    void recoveryAnswered(int answer);
    void restore();
    void bringWindowForward();

    MainWindow& m_window;
    std::unique_ptr<ArchiveJournal> m_journal;
    FileOpener* m_opener = nullptr;
    QPointer<SaveWindow> m_saveWindow;
    QPointer<OpenWindow> m_openWindow;
    QLabel* m_unsavedMark = nullptr; // status bar: "Bank not saved" while there is unsaved work
    bool m_asking = false;           // the exit question is on screen
    bool m_saveToExit = false;       // the save form was opened by "Save" of the exit question
    bool m_exitAgreed = false;       // nothing stands in the way of ending any more
};

} // namespace quillon
