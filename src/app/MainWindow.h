#pragma once

#include "core/AscanDrawing.h"
#include "core/DisplaySnapshot.h"
#include "core/Edition.h"
#include "core/Module1.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace quillon
{

class AscanView;
class MemoryList;
class NoteDrafts;

// frmmain: the program's main window. Holds every control the other windows draw into or read
// from: the memory list, the A-scan, the setup panel, the note lines and the menu. Features
// (the instrument link, bank files, reports) attach themselves through the public members below.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(Module1& module, const Edition& edition, QWidget* parent = nullptr);
    ~MainWindow() override;

    Module1& module() { return m_module; }
    const Edition& edition() const { return m_edition; }

    // Start-up without the port: list, bank initialisation, reqmemno, capbusy. Nothing is drawn.
    void startUp();
    // The built-in sample echo written into recbuf and drawn (display_pattern only; the panel
    // keeps its initial texts). The last start-up step once the port is open.
    void showSampleEcho();

    // On the first run (no size kept from an earlier one): the size the controls ask for, as
    // much of it as the screen has room for. Called once every feature has added its controls.
    void fitToContents();

    // The one way the display changes. A bank row 0..199: recbuf := that row, then the display
    // chain, and curmem := row; a draft of notes typed under that memory comes back into the note
    // boxes. kNoRow: what recbuf holds now (a waveform file, the record on display after a bank
    // load replaced the rows beneath it), which belongs to no bank memory; `what` names it in the
    // title (empty: the record on display stays named as it was). Notes typed under the memory
    // that was on display stay its draft, and the list's current item and the title follow.
    static constexpr int kNoRow = -1;
    void showRecord(int row, const QString& what = {});
    // The bank row the record on display came from, or kNoRow.
    int shownRow() const { return m_shownRow; }
    // What the title names as shown after the program's name: "Mem 9", "sample echo", a file name.
    QString shownName() const { return m_shownName; }

    // Notes typed and not saved, by memory.
    NoteDrafts& drafts() { return *m_drafts; }
    // The memory whose draft the last display change kept out of the note boxes, or kNoRow.
    int lastKeptDraft() const { return m_keptDraft; }
    // `text` followed by what the last display change did with typed notes, if anything.
    QString withDraftNote(const QString& text) const;
    // Stores every draft into its memory, as "S  A  V  E" would; the drafts end.
    void saveDrafts();
    // Whether display_setup drew the record on display (not so for the sample echo, drawn by
    // display_pattern alone with the panel left as it was): only then are its gates drawn.
    bool setupDrawn() const { return m_setupDrawn; }

    // The display chain for the record in recbuf.
    void display_pattern();
    void display_setup(); // panel, readouts, overlays, note lines, then cal_grt
    void cal_grt();

    // Opens a memory exactly as a double-click on the list does.
    void openMemory(int row);
    // lstmem_DblClick: opens the first selected memory, if any.
    void lstmem_DblClick();
    // cmdtxtsav_Click: the note boxes into the bank row on display; with no bank memory on
    // display nothing is stored and the status bar says why.
    void cmdtxtsav_Click();

    // Rows whose list items are selected, ascending.
    QList<int> selectedRows() const;

    // What the window shows now, read from its controls (panel boxes, note boxes, A-scan).
    DisplaySnapshot displayedSnapshot() const;
    const AscanDrawing& ascanDrawing() const;

    // "Tools": the menu after the existing ones where added features put their items.
    QMenu* toolsMenu();
    // A feature's widget under the A-scan, as wide as it (the gate readouts).
    void addUnderAscan(QWidget* widget);

    // The record on display as it is now, to put back with restoreDisplay (a loop that opens
    // memories one after the other).
    struct DisplayMemo {
        int row = kNoRow;
        bool sampleEcho = false;
        QString name;
        Record record{};
    };
    DisplayMemo displayMemo() const;
    void restoreDisplay(const DisplayMemo& memo);

    // A line in the status bar.
    void showStatus(const QString& text, int timeoutMs = 0);

    // Asked before the window closes ("Exit" or the window's close button); returning false keeps
    // the program running. Unset: the program ends at once.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    // "Exit": ends the program, through the close guard.
    void exitProgram();

    // Controls, by their names.
    MemoryList* lstmem = nullptr;
    QPushButton* cmdcapture = nullptr;
    AscanView* picascan = nullptr;
    std::array<QLineEdit*, 37> panelBoxes{}; // txtzero .. txtblk2, in the order of kPanelFields
    QLineEdit* txtbeam = nullptr;
    QLineEdit* txtsurf = nullptr;
    QLineEdit* txtdpth = nullptr;
    QLabel* txttmdt = nullptr;
    std::array<QLineEdit*, 12> txtnoteLn{};
    QPushButton* cmdtxtsav = nullptr;

    // Menu items. Items whose feature is not attached stay disabled.
    QMenu* fileMenu = nullptr;
    QAction* mnunew = nullptr;
    QAction* mnuopen = nullptr;
    QAction* mnusave = nullptr;
    QAction* mnuSave_word_doc = nullptr; // null in an edition without document export
    QAction* mnupsetup = nullptr;
    QAction* mnuprint = nullptr;
    QAction* mnuexit = nullptr;
    QAction* mnuoption = nullptr;
    QAction* mnuhelpt = nullptr;
    QAction* mnuabout = nullptr;
    QMenu* mnutools = nullptr; // made by the first feature that adds an item

signals:
    // Files dropped on the window (bank or waveform files).
    void filesDropped(const QStringList& paths);
    // The display changed (showRecord); row is the bank row shown, or kNoRow.
    void recordShown(int row);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    void showAbout();
    void showManual();
    void endProgram();
    void changeDisplay(int row, const QString& name);
    void discardDraft(int row);

    Module1& m_module;
    Edition m_edition;
    NoteDrafts* m_drafts = nullptr;
    int m_shownRow = kNoRow;
    QString m_shownName;
    bool m_sampleEcho = false; // the sample echo is on display, the panel as start-up left it
    int m_keptDraft = kNoRow;
    int m_draftMenuRow = kNoRow;
    bool m_placed = false; // the window has its size: kept from the last run, or fitted
    bool m_setupDrawn = false;
    std::function<bool()> m_closeGuard;
    bool m_ending = false; // the close guard agreed: every window closes, the program ends
    struct Ui;
    std::unique_ptr<Ui> m_ui;
};

} // namespace quillon
