#pragma once

#include "core/DisplaySnapshot.h"
#include "report/PrintOptionsWindow.h"
#include "report/ReportError.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QAction;
class QPrintDialog;
class QPrinter;

namespace quillon
{

class MainWindow;
class ReportPreviewWindow;

// Reports in the main window: "PrintSetup" chooses the printer (the system's default until
// then); "Print" opens the print options and prints one page per chosen memory, one print job
// each; "Print Preview" and "Export PDF" show or write the same pages; "Save as Word Doc" writes
// the report of the record on display as a word-processing document. A report that cannot be
// printed or written is told once with "The Report can't be printed.".
class ReportController : public QObject
{
    Q_OBJECT
public:
    // What the print options window is opened for.
    enum class Task { Print, Preview, ExportPdf };

    explicit ReportController(MainWindow& window);
    ~ReportController() override;

    // The printer the reports go to.
    QPrinter& printer() { return *m_printer; }

    // The menu items this controller adds to the File menu, after "Print".
    QAction* mnupreview = nullptr;
    QAction* mnuexportpdf = nullptr;

    // mnupsetup: the platform's printer dialog, not modal; what it sets is kept for later prints.
    void showPrintSetup();
    // mnuprint, mnupreview, mnuexportpdf: the print options window for the task.
    void showPrintOptions(Task task = Task::Print);
    // The open print options window, if any.
    PrintOptionsWindow* printOptionsWindow() const { return m_options; }

    // The report page of the record on display, as it stands, printed as one job.
    void print_report();
    // mnuSave_word_doc: the save dialog, then the document of the record on display.
    void word_report();

signals:
    // A run of reports ended; `failed` of `pages` could not be printed or written.
    void reportsDone(int pages, int failed);

private:
    std::vector<DisplaySnapshot> pagesFor(PrintOptionsWindow::Choice choice);
    void printChosen(Task task, PrintOptionsWindow::Choice choice);
    void printPages(const std::vector<DisplaySnapshot>& pages);
    void previewPages(std::vector<DisplaySnapshot> pages);
    void exportPages(std::vector<DisplaySnapshot> pages);
    void writeWordDoc(const QString& path);
    void tellFailures(int count, ReportError error);
    static QString failureDetail(ReportError error);
    void tellNextFailure();

    MainWindow& m_window;
    std::unique_ptr<QPrinter> m_printer;
    QPointer<PrintOptionsWindow> m_options;
    Task m_optionsTask = Task::Print;
    QPointer<ReportPreviewWindow> m_preview;
    QPointer<QPrintDialog> m_setup;
    int m_failuresToTell = 0;
    QString m_failureDetail; // why the last report failed, and the way out
    bool m_telling = false;
};

} // namespace quillon
