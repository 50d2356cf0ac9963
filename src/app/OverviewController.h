#pragma once

#include <QObject>
#include <QPointer>

class QAction;

namespace quillon
{

class BankOverviewWindow;
class BankTableModel;
class MainWindow;

// "Bank overview" (Tools menu, Ctrl+B): the bank as a table beside the memory list. The two share
// one selection, so "Print" with the selected memories and "Capture" work on what was picked in
// either; a double-click or Enter on a row opens the memory as the list's double-click does.
// "Export table" writes the rows shown as CSV or XLSX and says so in the overview and the status
// bar.
class OverviewController : public QObject
{
    Q_OBJECT
public:
    explicit OverviewController(MainWindow& window);

    // The window, made on first use.
    BankOverviewWindow* overviewWindow();
    void showOverview();
    // Writes the rows shown into `path`: .xlsx as a workbook, anything else as CSV. Says how it
    // went in the status bar, or in a message when it failed; false then.
    bool exportTo(const QString& path);

    QAction* mnuoverview = nullptr;

private:
    void exportTable();
    void listSelectionChanged();
    void overviewSelectionChanged();

    MainWindow& m_window;
    BankTableModel* m_model = nullptr;
    QPointer<BankOverviewWindow> m_overview;
    bool m_syncing = false;
};

} // namespace quillon
