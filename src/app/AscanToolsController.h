#pragma once

#include "core/AscanGeometry.h"
#include "core/Record.h"

#include <QObject>
#include <QPointer>

class QAction;
class QFileDialog;
class QLabel;
class QMenu;

namespace quillon
{

class AscanOverlay;
class GateReadoutTable;
class MainWindow;

// The A-scan tools: the cursor and its readout in the status bar, the gate peaks marked on the
// trace with their table beside the setup panel, zoom and pan, a second memory to compare (from
// the memory list's context menu, on the sound-path axis of the trace on display) and the A-scan
// as shown copied or saved as an image. All of it follows the record shown.
// Owns the "A-scan" menu after the window's own menus. None of it reaches the drawing model
// the reports use.
class AscanToolsController : public QObject
{
    Q_OBJECT
public:
    explicit AscanToolsController(MainWindow& window);

    AscanOverlay& overlay() const { return *m_overlay; }

    // The trace of bank row `row` behind the one on display; a row that holds no record is
    // refused (false).
    bool compareWith(int row);
    void clearComparison();
    // The trace of a record kept apart from the bank (an archived test) behind the one on
    // display, with both legends; it stays until cleared or another comparison is made.
    void compareWithRecord(const Record& record, const QString& legend,
                           const QString& currentLegend);
    // The bank row compared with, or -1.
    int comparedRow() const { return m_comparedRow; }

    // "Copy A-scan": the A-scan as shown (zoom and comparison included) onto the clipboard.
    void copyAscan();
    // Writes the A-scan as shown, framed, with a caption line naming the memory, its tested time
    // and the bank file: SVG for a name ending in ".svg", else PNG. False, with the reason in the
    // status bar, when the file cannot be written.
    bool saveImage(const QString& path);

    QAction* mnucopyascan = nullptr;
    QAction* mnusaveascan = nullptr;
    QAction* mnuclearcompare = nullptr;
    QAction* mnuwholetrace = nullptr;
    QAction* mnucompare = nullptr; // in the memory list's context menu
    QAction* mnucompareclear = nullptr;

private:
    void recordShown(int row);
    void showCursorReadout(int sample);
    void refreshComparison();
    QString comparisonLegend(const QString& name, SoundPathAxis other) const;
    void listMenuRequested(int row);
    void askForImageFile();

    MainWindow& m_window;
    AscanOverlay* m_overlay = nullptr;
    QLabel* m_cursorReadout = nullptr;
    GateReadoutTable* m_gateTable = nullptr;
    QPointer<QFileDialog> m_saveDialog;
    int m_menuRow = -1;
    int m_comparedRow = -1;
};

} // namespace quillon
