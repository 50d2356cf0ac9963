#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

namespace quillon
{

class FileOpener;
class MainWindow;
class OpenWindow;
class RecoveryFile;
class SaveWindow;

// Bank files and waveform files in the main window: "Open" and "Save" show their forms (made on
// first use, modeless); a chosen, dropped or command-line file goes through `direct`; received
// records are kept in the recovery file until saved, and offered back after a crash; ending the
// program with unsaved work asks first (Save / Discard / Cancel).
class FilesController : public QObject
{
    Q_OBJECT
public:
    explicit FilesController(MainWindow& window);
    ~FilesController() override;

    SaveWindow* saveWindow();
    OpenWindow* openWindow();
    RecoveryFile& recovery() { return *m_recovery; }

    void showSaveForm();
    void showOpenForm();
    // direct, for a file chosen in the open form, dropped or named on the command line.
    void open(const QString& path);

private:
    bool closeGuard();
    void exitAnswered(int answer);
    void saved();
    void offerRecovery();
    void recoveryAnswered(int answer);
    void showUnsavedMark(bool unsaved);
    void bringWindowForward();

    MainWindow& m_window;
    std::unique_ptr<RecoveryFile> m_recovery;
    FileOpener* m_opener = nullptr;
    QPointer<SaveWindow> m_saveWindow;
    QPointer<OpenWindow> m_openWindow;
    bool m_asking = false;     // the exit question is on screen
    bool m_saveToExit = false; // the save form was opened by "Save" of the exit question
    bool m_exitAgreed = false; // nothing stands in the way of ending any more
};

} // namespace quillon
