#include "app/ReportController.h"

#include "app/MainWindow.h"
#include "core/Record.h"
#include "report/DocxWriter.h"
#include "report/ReportError.h"
#include "report/ReportPreviewWindow.h"
#include "report/ReportPrinter.h"
#include "view/MemoryList.h"
#include "view/MessageBox.h"
#include "view/SaveDialog.h"
#include "view/Widgets.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace quillon
{

namespace
{

// The report's messages (report/ReportError.h) as this window shows them, translated: their
// English stays as the original program had it.
[[maybe_unused]] constexpr const char* kTranslatedMessages[] = {
    QT_TRANSLATE_NOOP("quillon::ReportController", "The Report can't be printed."),
    QT_TRANSLATE_NOOP("quillon::ReportController", "Word Doc file is created")};

QAction* fileMenuItem(MainWindow& window, const char* name, const QString& text,
                      const QKeySequence& shortcut)
{
    auto* action = named(new QAction(text, &window), name);
    action->setShortcut(shortcut);
    window.fileMenu->insertAction(window.mnuexit, action);
    return action;
}

// A report's save dialog: an existing file is replaced without a question, as the report is
// written anew.
QFileDialog* reportDialog(MainWindow& window, const char* name, const QString& title,
                          const QStringList& filters, bool addSuffix)
{
    QFileDialog* dialog = saveDialog(&window, name, title, filters, addSuffix);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return dialog;
}

} // namespace

ReportController::ReportController(MainWindow& window)
    : QObject(&window), m_window(window),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("reportController"));

    m_window.mnuprint->setShortcut(QKeySequence::Print);
    mnupreview = fileMenuItem(m_window, "mnupreview", tr("Print Preview"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    mnuexportpdf = fileMenuItem(m_window, "mnuexportpdf", tr("Export PDF"),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));

    for (QAction* action : {m_window.mnupsetup, m_window.mnuprint})
        action->setEnabled(true);
    connect(m_window.mnupsetup, &QAction::triggered, this, &ReportController::showPrintSetup);
    connect(m_window.mnuprint, &QAction::triggered, this,
            [this] { showPrintOptions(Task::Print); });
    connect(mnupreview, &QAction::triggered, this, [this] { showPrintOptions(Task::Preview); });
    connect(mnuexportpdf, &QAction::triggered, this, [this] { showPrintOptions(Task::ExportPdf); });
    if (m_window.mnuSave_word_doc && m_window.edition().wordExport) {
        m_window.mnuSave_word_doc->setEnabled(true);
        connect(m_window.mnuSave_word_doc, &QAction::triggered, this,
                &ReportController::word_report);
    }
}

ReportController::~ReportController()
{
    // The preview and the printer dialog paint into or set the printer this controller owns.
    delete m_preview;
    delete m_setup;
}

void ReportController::showPrintSetup()
{
    if (m_setup)
        return showInFront(m_setup);
    m_setup = named(new QPrintDialog(m_printer.get(), &m_window), "dlgprinter");
    m_setup->setWindowTitle(tr("PrintSetup"));
    m_setup->setAttribute(Qt::WA_DeleteOnClose);
    // Each report page is printed whole: there is no page range to choose.
    m_setup->setOption(QAbstractPrintDialog::PrintPageRange, false);
    m_setup->setOption(QAbstractPrintDialog::PrintSelection, false);
    m_setup->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    m_setup->setOption(QAbstractPrintDialog::PrintToFile, true);
    // Accepting it sets up the printer; nothing is printed, so its button does not say "Print".
    for (auto* buttons : m_setup->findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(tr("OK"));
    m_setup->open();
}

void ReportController::showPrintOptions(Task task)
{
    if (!m_options) {
        m_options = new PrintOptionsWindow(&m_window);
        connect(m_options, &PrintOptionsWindow::printChosen, this,
                [this](PrintOptionsWindow::Choice choice) { printChosen(m_optionsTask, choice); });
    }
    m_optionsTask = task;
    // The window's title and the text of its button, by task.
    static constexpr const char* kTaskTexts[][2] = {
        {QT_TR_NOOP("Print"), QT_TR_NOOP("Print")},
        {QT_TR_NOOP("Print Preview"), QT_TR_NOOP("Preview")},
        {QT_TR_NOOP("Export PDF"), QT_TR_NOOP("Export")}};
    m_options->setTask(tr(kTaskTexts[int(task)][0]), tr(kTaskTexts[int(task)][1]));
    showInFront(m_options);
}

std::vector<DisplaySnapshot> ReportController::pagesFor(PrintOptionsWindow::Choice choice)
{
    using Choice = PrintOptionsWindow::Choice;
    if (choice == Choice::Current)
        return {m_window.displayedSnapshot()};
    std::vector<DisplaySnapshot> pages;
    if (choice == Choice::None)
        return pages;
    // Each memory is opened as a double-click opens it, then its page is taken from the window;
    // the record that was on display comes back afterwards.
    const MainWindow::DisplayMemo shown = m_window.displayMemo();
    const MemoryList* list = m_window.lstmem;
    const Marks& marked = m_window.module().marked;
    for (int row = 0; row < kMemoryCount; ++row) {
        const bool wanted =
            choice == Choice::Selected ? list->isRowSelected(row) : bool(marked[row]);
        if (!wanted)
            continue;
        m_window.openMemory(row);
        pages.push_back(m_window.displayedSnapshot());
    }
    if (!pages.empty())
        m_window.restoreDisplay(shown);
    return pages;
}

void ReportController::printChosen(Task task, PrintOptionsWindow::Choice choice)
{
    std::vector<DisplaySnapshot> pages = pagesFor(choice);
    if (pages.empty())
        return;
    switch (task) {
    case Task::Print:
        printPages(pages);
        break;
    case Task::Preview:
        previewPages(std::move(pages));
        break;
    case Task::ExportPdf:
        exportPages(std::move(pages));
        break;
    }
}

void ReportController::print_report()
{
    printPages({m_window.displayedSnapshot()});
}

void ReportController::printPages(const std::vector<DisplaySnapshot>& pages)
{
    const bool intoFile = !m_printer->outputFileName().isEmpty();
    const ReportOutcome outcome = ReportPrinter(*m_printer).print(pages);
    const int failed = int(outcome.failedReports.size());
    // A printer that prints into a file writes one document: it fails as one.
    tellFailures(intoFile ? (failed > 0 ? 1 : 0) : failed, outcome.error);
    if (failed == 0)
        m_window.showStatus(pages.size() == 1 ? tr("The report was sent to the printer.")
                                              : tr("%n reports were sent to the printer.", nullptr,
                                                   int(pages.size())),
                            5000);
    emit reportsDone(int(pages.size()), failed);
}

void ReportController::previewPages(std::vector<DisplaySnapshot> pages)
{
    delete m_preview; // one preview at a time, of the latest choice
    auto shared = std::make_shared<const std::vector<DisplaySnapshot>>(std::move(pages));
    m_preview = new ReportPreviewWindow(
        *m_printer, [shared](QPrinter& device) { ReportPrinter(device).printAsOneJob(*shared); },
        &m_window);
    connect(m_preview, &ReportPreviewWindow::printRequested, this,
            [this, shared] { printPages(*shared); });
    showInFront(m_preview);
}

void ReportController::exportPages(std::vector<DisplaySnapshot> pages)
{
    QFileDialog* dialog =
        reportDialog(m_window, "dlgexportpdf", tr("Export PDF"), {tr("PDF files (*.pdf)")}, true);
    auto shared = std::make_shared<const std::vector<DisplaySnapshot>>(std::move(pages));
    connect(dialog, &QFileDialog::fileSelected, this, [this, shared](const QString& path) {
        const ReportOutcome outcome = ReportPrinter::writePdf(path, *shared);
        if (outcome.ok())
            m_window.showStatus(tr("PDF written: %1").arg(QDir::toNativeSeparators(path)), 5000);
        tellFailures(outcome.ok() ? 0 : 1, outcome.error); // one file: one message
        emit reportsDone(int(shared->size()), int(outcome.failedReports.size()));
    });
    dialog->open();
}

void ReportController::word_report()
{
    if (!m_window.edition().wordExport)
        return;
    // The name is used as typed: a ".doc" name gets the same document.
    QFileDialog* dialog = reportDialog(
        m_window, "dlgsaveword", tr("File Save as Word Doc"),
        {tr("Word Documents (*.docx)"), tr("Word Doc Files (*.doc)"), tr("All files (*.*)")},
        false);
    // Cancelling writes nothing and tells nothing.
    connect(dialog, &QFileDialog::fileSelected, this, &ReportController::writeWordDoc);
    dialog->open();
}

void ReportController::writeWordDoc(const QString& chosen)
{
    if (chosen.isEmpty())
        return;
    // A name without an extension gets ".docx"; any other is taken as chosen. The document is
    // written whole or not at all.
    const QString path =
        QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".docx") : chosen;
    const ReportError error = DocxWriter::write(path, m_window.displayedSnapshot());
    if (error == ReportError::None) {
        const QString written = tr("Written to %1").arg(QDir::toNativeSeparators(path));
        showMessage(&m_window, reportMessage(kWordDocCreatedMessage), {}, {}, written);
        m_window.showStatus(written, 5000);
    } else {
        tellFailures(1, error);
    }
    emit reportsDone(1, error == ReportError::None ? 0 : 1);
}

QString ReportController::failureDetail(ReportError error)
{
    if (error == ReportError::NoPrinter)
        return tr("No printer is set up on this computer. \"Export PDF\" in the File menu writes "
                  "the same pages to a PDF file.");
    const QString reason = tr("Reason: %1.").arg(reportErrorText(error));
    if (error == ReportError::PrinterNotReady || error == ReportError::PageNotStarted ||
        error == ReportError::JobNotSent)
        return reason + u' ' +
               tr("Check the printer under \"PrintSetup\", or write the pages to a file with "
                  "\"Export PDF\".");
    return reason;
}

void ReportController::tellFailures(int count, ReportError error)
{
    if (count > 0)
        m_failureDetail = failureDetail(error);
    m_failuresToTell += count;
    if (!m_telling)
        tellNextFailure();
}

// One message after the other: the next appears when the operator has closed the last.
void ReportController::tellNextFailure()
{
    if (m_failuresToTell == 0) {
        m_telling = false;
        return;
    }
    --m_failuresToTell;
    m_telling = true;
    showMessage(
        &m_window, reportMessage(kReportFailedMessage), {},
        [guard = QPointer<ReportController>(this)] {
            if (guard)
                guard->tellNextFailure();
        },
        m_failureDetail);
}

} // namespace quillon
