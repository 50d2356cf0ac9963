// Reports from the main window as the operator makes them: the print options (current record,
// selected and marked memories) printed into a real PDF, the preview, the PDF export, the Word
// document and the printer dialog; failures told once, cancelled dialogs silent.
#include "ProgramFolder.h"
#include "report/ReportTestData.h"
#include "support/MessageBoxes.h"
#include "support/Records.h"
#include "view/MemoryList.h"

#include "app/MainWindow.h"
#include "app/ReportController.h"
#include "app/StartedApplication.h"
#include "report/PrintOptionsWindow.h"
#include "report/ReportPreviewWindow.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::test;

namespace
{

const QString kFailed = QStringLiteral("The Report can't be printed.");

// Closes the program's message boxes as they come, one after the other, until none has come
// for a while; their texts in order.
QStringList closeMessages(int quietMs = 300)
{
    QStringList texts;
    for (;;) {
        QMessageBox* box = nullptr;
        const QDeadlineTimer deadline(quietMs);
        while (!(box = shownMessage()) && !deadline.hasExpired())
            QTest::qWait(10);
        if (!box)
            return texts;
        texts << box->text();
        pressOk(box);
    }
}

// Chooses a file in a save dialog as the operator does: name, then the accepting button.
void chooseFile(QFileDialog* dialog, const QString& path)
{
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(path);
    static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own check of the name runs
}

QString pageText(const QString& pdf, int page)
{
    return test::simplified(test::pdfText(pdf, page));
}

} // namespace

class ReportControllerTest : public QObject
{
    Q_OBJECT

    test::ProgramFolder m_workDir;
    std::unique_ptr<test::StartedApplication> m_app;

    MainWindow& window() { return m_app->window(); }
    ReportController* controller()
    {
        return window().findChild<ReportController*>(QStringLiteral("reportController"));
    }

    QString path(const char* name) const { return m_workDir.filePath(QLatin1String(name)); }

    // The program started with memories 3 and 10 received, each with its operator in note
    // line 0; the printer prints into the working folder's file `name`, whose path is returned.
    QString startWithTwoMemories(const char* name = "r.pdf")
    {
        const QString pdf = path(name);
        m_app = std::make_unique<test::StartedApplication>();
        Module1& m = m_app->module();
        for (int memory : {3, 10}) {
            m.recbuf = test::realisticRecord(memory);
            test::setNote(m.recbuf, 0, QStringLiteral("Operator %1").arg(memory));
            m.store(memory - 1, m.recbuf, {StoreKind::Received, {}});
        }
        controller()->printer().setOutputFormat(QPrinter::PdfFormat);
        controller()->printer().setOutputFileName(pdf);
        return pdf;
    }

    void select(std::initializer_list<int> rows)
    {
        window().lstmem->clearSelection();
        for (int row : rows)
            window().lstmem->setRowSelected(row, true);
    }

    // "Print" (or Preview, Export PDF) with one option chosen; the options window closes.
    void runOptions(QAction* item, QRadioButton* PrintOptionsWindow::*option)
    {
        item->trigger();
        QPointer<PrintOptionsWindow> options = controller()->printOptionsWindow();
        QVERIFY(options);
        QVERIFY(options->isVisible());
        (options->*option)->click();
        options->cmdprint->click();
        QTRY_VERIFY(options.isNull());
    }

    QFileDialog* fileDialog(const char* name)
    {
        QFileDialog* dialog = nullptr;
        [&] { QTRY_VERIFY((dialog = window().findChild<QFileDialog*>(QLatin1String(name)))); }();
        return dialog;
    }

private slots:
    void init() { m_workDir.enter(); }
    void cleanup()
    {
        closeMessages(0);
        m_app.reset();
    }

    void menuItemsAndShortcuts()
    {
        m_app = std::make_unique<test::StartedApplication>();
        MainWindow& w = window();
        ReportController* c = controller();
        QVERIFY(c);
        QCOMPARE(test::itemTexts(w.fileMenu),
                 (QStringList{"New", "Open", "Save", "Save as Word Doc", "PrintSetup", "Print",
                              "Print Preview", "Export PDF", "Exit"}));
        for (QAction* a :
             {w.mnuSave_word_doc, w.mnupsetup, w.mnuprint, c->mnupreview, c->mnuexportpdf})
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));
        QCOMPARE(w.mnuprint->shortcut(), QKeySequence(QKeySequence::Print));
        QCOMPARE(c->mnupreview->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
        QCOMPARE(c->mnuexportpdf->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+E")));
        QCOMPARE(c->mnupreview->objectName(), QStringLiteral("mnupreview"));
        QCOMPARE(c->mnuexportpdf->objectName(), QStringLiteral("mnuexportpdf"));
        // Until the operator chooses one, the reports go to the system's default printer.
        QCOMPARE(c->printer().printerName(), QPrinterInfo::defaultPrinterName());
    }

    void optionsWindowStartsFromItsDesignEveryTime()
    {
        const QString pdf = startWithTwoMemories();
        window().mnuprint->trigger();
        QPointer<PrintOptionsWindow> options = controller()->printOptionsWindow();
        QVERIFY(options);
        QCOMPARE(options->objectName(), QStringLiteral("frmprintop"));
        QCOMPARE(options->windowTitle(), QStringLiteral("Print"));
        QVERIFY(options->isVisible());
        QVERIFY(!options->isModal());
        QCOMPARE(options->findChild<QGroupBox*>()->title(), QStringLiteral("Print Option"));
        QCOMPARE(options->opsingle->text(), QStringLiteral("Currently Displayed Ascan Report"));
        QCOMPARE(options->opselect->text(), QStringLiteral("Selected Ascan Report"));
        QCOMPARE(options->opall->text(), QStringLiteral("All Ascan Report"));
        QCOMPARE(options->cmdprint->text(), QStringLiteral("Print"));
        QCOMPARE(options->opsingle->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(options->opsingle->isChecked());
        QVERIFY(options->opsingle->font().bold());

        // One choice at a time; closing without "Print" prints nothing and forgets the choice.
        options->opall->click();
        QVERIFY(!options->opsingle->isChecked() && !options->opselect->isChecked());
        options->close();
        QTRY_VERIFY(options.isNull());
        QVERIFY(!QFile::exists(pdf));
        window().mnuprint->trigger();
        QVERIFY(controller()->printOptionsWindow()->opsingle->isChecked());
        QVERIFY(!controller()->printOptionsWindow()->opall->isChecked());

        // The same window chooses the pages of a preview or an export, named after that task.
        controller()->mnuexportpdf->trigger();
        QCOMPARE(controller()->printOptionsWindow()->windowTitle(), QStringLiteral("Export PDF"));
        QCOMPARE(controller()->printOptionsWindow()->cmdprint->text(), QStringLiteral("Export"));
    }

    void currentReportPrintsUnsavedNotesAsTheyStand()
    {
        const QString pdf = startWithTwoMemories();
        MainWindow& w = window();
        select({9});
        w.lstmem_DblClick();
        w.txtnoteLn[1]->setText(QStringLiteral("typed not saved"));
        select({2});
        const Record shown = m_app->module().recbuf;

        QSignalSpy done(controller(), &ReportController::reportsDone);
        runOptions(w.mnuprint, &PrintOptionsWindow::opsingle);
        QCOMPARE(done.size(), 1);
        QCOMPARE(done[0], (QVariantList{1, 0}));
        QCOMPARE(test::pdfPageCount(pdf), 1);
        const QString text = pageText(pdf, 1);
        QVERIFY(text.contains(
            QStringLiteral("Division ..............................: typed not saved")));
        QVERIFY(text.contains(QStringLiteral("Operator Name/Code........: Operator 10")));
        QVERIFY(text.contains(QStringLiteral("Ultrasonic Test Report")));
        // Nothing on the window changed, and no image file was left in the working directory.
        QVERIFY(m_app->module().recbuf == shown);
        QCOMPARE(m_app->module().curmem, 9);
        QCOMPARE(w.txtnoteLn[1]->text(), QStringLiteral("typed not saved"));
        QVERIFY(QDir().entryList({QStringLiteral("*.bmp")}, QDir::Files).isEmpty());
        QVERIFY(closeMessages().isEmpty());
    }

    void selectedReportsOpenEachMemoryIncludingUnmarked()
    {
        const QString pdf = startWithTwoMemories();
        MainWindow& w = window();
        select({2});
        w.lstmem_DblClick();
        w.txtnoteLn[0]->selectAll();
        QTest::keyClicks(w.txtnoteLn[0], QStringLiteral("typed not saved"));
        QSignalSpy opened(&w, &MainWindow::recordShown);
        select({14, 9, 2}); // 15 never received a record

        runOptions(w.mnuprint, &PrintOptionsWindow::opselect);
        QCOMPARE(test::pdfPageCount(pdf), 3);
        // Each memory is opened as a double-click opens it: memory 3 with the notes typed under it.
        QVERIFY(pageText(pdf, 1).contains(
            QStringLiteral("Operator Name/Code........: typed not saved")));
        QVERIFY(
            pageText(pdf, 2).contains(QStringLiteral("Operator Name/Code........: Operator 10")));
        const QString blank = pageText(pdf, 3);
        QVERIFY(blank.contains(QStringLiteral("Ultrasonic Test Report")));
        QVERIFY(blank.contains(QStringLiteral("Operator Name/Code........:")));
        QVERIFY(!blank.contains(QStringLiteral("Operator 3")) &&
                !blank.contains(QStringLiteral("Operator 10")));

        // Then the memory that was on display comes back, its typed notes with it.
        QCOMPARE(opened.size(), 4);
        QCOMPARE(opened[0][0].toInt(), 2);
        QCOMPARE(opened[2][0].toInt(), 14);
        QCOMPARE(opened[3][0].toInt(), 2);
        QCOMPARE(m_app->module().curmem, 2);
        QCOMPARE(w.lstmem->currentIndex().row(), 2);
        QVERIFY(m_app->module().recbuf == m_app->module().membank[2]);
        QCOMPARE(w.txtnoteLn[0]->text(), QStringLiteral("typed not saved"));
        QVERIFY(closeMessages().isEmpty());
    }

    void allReportsPrintMarkedMemoriesOnly()
    {
        const QString pdf = startWithTwoMemories();
        MainWindow& w = window();
        select({14, 9}); // 15 is selected but unmarked; 3 is marked but not selected
        runOptions(w.mnuprint, &PrintOptionsWindow::opall);
        QCOMPARE(test::pdfPageCount(pdf), 2);
        QVERIFY(pageText(pdf, 1).contains(QStringLiteral("Operator 3")));
        QVERIFY(pageText(pdf, 2).contains(QStringLiteral("Operator 10")));
        QCOMPARE(m_app->module().curmem, 9);
        QCOMPARE(w.txtnoteLn[0]->text().trimmed(), QStringLiteral("Operator 10"));
    }

    void nothingToPrintClosesTheWindow()
    {
        const QString pdf = path("r.pdf");
        m_app = std::make_unique<test::StartedApplication>();
        controller()->printer().setOutputFormat(QPrinter::PdfFormat);
        controller()->printer().setOutputFileName(pdf);
        QSignalSpy opened(&window(), &MainWindow::recordShown);
        select({});
        runOptions(window().mnuprint, &PrintOptionsWindow::opselect);
        select({4}); // selected, but no memory is marked
        runOptions(window().mnuprint, &PrintOptionsWindow::opall);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(opened.size(), 0);
        QVERIFY(closeMessages().isEmpty());
    }

    void failingPrinterIsToldOncePerReport()
    {
        // A printer printing into a file that cannot be created.
        const QString pdf = startWithTwoMemories("missing/r.pdf");
        QSignalSpy done(controller(), &ReportController::reportsDone);
        runOptions(window().mnuprint, &PrintOptionsWindow::opsingle);
        QCOMPARE(closeMessages(), QStringList{kFailed});
        QCOMPARE(done[0], (QVariantList{1, 1}));

        // Two reports into one file: one document, told once.
        runOptions(window().mnuprint, &PrintOptionsWindow::opall);
        QCOMPARE(closeMessages(), QStringList{kFailed});
        QCOMPARE(done[1], (QVariantList{2, 2}));
        QVERIFY(!QFile::exists(pdf));

        // The display followed the memories all the same.
        QCOMPARE(m_app->module().curmem, 9);

        // No printer at all (a system without one): every report is a job of its own, and each
        // failed job is told once.
        // The message says why, and the way out.
        controller()->printer().setOutputFileName(QString());
        controller()->printer().setPrinterName(QString());
        runOptions(window().mnuprint, &PrintOptionsWindow::opall);
        QCOMPARE(closeMessages(), (QStringList{kFailed, kFailed}));
        QCOMPARE(done[2], (QVariantList{2, 2}));
        runOptions(window().mnuprint, &PrintOptionsWindow::opsingle);
        QMessageBox* box = shownMessage();
        QVERIFY(box);
        QCOMPARE(box->text(), kFailed);
        QVERIFY2(box->informativeText().contains(QStringLiteral("No printer is set up")) &&
                     box->informativeText().contains(QStringLiteral("Export PDF")),
                 qPrintable(box->informativeText()));
        pressOk(box);
    }

    void printSetupOpensThePrinterDialogWithoutBlocking()
    {
        m_app = std::make_unique<test::StartedApplication>();
        window().mnupsetup->trigger(); // returns at once: the dialog is not run in a nested loop
        QPointer<QPrintDialog> dialog =
            window().findChild<QPrintDialog*>(QStringLiteral("dlgprinter"));
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        QVERIFY(dialog->windowModality() != Qt::ApplicationModal);
        // What the dialog sets is the printer the reports go to.
        QCOMPARE(dialog->printer(), &controller()->printer());
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
        window().mnupsetup->trigger();
        QCOMPARE(window().findChildren<QPrintDialog*>().size(), 1);
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }

    void previewShowsThePagesAndPrintsThem()
    {
        const QString pdf = startWithTwoMemories();
        select({9, 2});
        runOptions(controller()->mnupreview, &PrintOptionsWindow::opselect);
        QVERIFY(!QFile::exists(pdf));
        auto* preview = window().findChild<ReportPreviewWindow*>(QStringLiteral("frmpreview"));
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        preview->preview->updatePreview();
        QCOMPARE(preview->preview->pageCount(), 2);

        QPointer<ReportPreviewWindow> guard(preview);
        preview->cmdprint->click();
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(test::pdfPageCount(pdf), 2);
        QVERIFY(pageText(pdf, 2).contains(QStringLiteral("Operator 10")));
    }

    void exportWritesThePagesOfTheChoiceToPdf()
    {
        startWithTwoMemories("printer.pdf");
        select({9, 2, 30});
        runOptions(controller()->mnuexportpdf, &PrintOptionsWindow::opselect);
        QFileDialog* dialog = fileDialog("dlgexportpdf");
        QVERIFY(dialog);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!dialog->isModal() || dialog->windowModality() == Qt::WindowModal);
        const QString pdf = path("export.pdf");
        chooseFile(dialog, pdf);
        QTRY_COMPARE(test::pdfPageCount(pdf), 3);
        QVERIFY(pageText(pdf, 1).contains(QStringLiteral("Operator 3")));
        QVERIFY(pageText(pdf, 2).contains(QStringLiteral("Operator 10")));
        QVERIFY(!QFile::exists(path("printer.pdf"))); // the printer printed nothing
        QVERIFY(closeMessages().isEmpty());

        // An export that cannot be written is told once and leaves nothing.
        runOptions(controller()->mnuexportpdf, &PrintOptionsWindow::opall);
        dialog = fileDialog("dlgexportpdf");
        QVERIFY(dialog);
        const QString bad = path("missing/export.pdf");
        emit dialog->fileSelected(bad);
        dialog->reject();
        QCOMPARE(closeMessages(), QStringList{kFailed});
        QVERIFY(!QFile::exists(bad));
    }

    void wordDocumentIsWrittenAndAnnounced()
    {
        startWithTwoMemories("printer.pdf");
        MainWindow& w = window();
        select({2});
        w.lstmem_DblClick();
        w.txtnoteLn[4]->setText(QStringLiteral("typed not saved"));

        w.mnuSave_word_doc->trigger();
        QFileDialog* dialog = fileDialog("dlgsaveword");
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("File Save as Word Doc"));
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog->nameFilters(), (QStringList{"Word Documents (*.docx)",
                                                     "Word Doc Files (*.doc)", "All files (*.*)"}));
        // A name without an extension gets ".docx"; the message names the file written.
        const QString doc = path("report.docx");
        chooseFile(dialog, path("report"));
        QMessageBox* box = shownMessage();
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Word Doc file is created"));
        QVERIFY2(box->informativeText().contains(doc), qPrintable(box->informativeText()));
        pressOk(box);
        QVERIFY(!QFile::exists(path("report")));

        QVERIFY(test::zipEntries(doc).contains(QStringLiteral("word/document.xml")));
        const QString xml =
            QString::fromUtf8(test::zipEntry(doc, QStringLiteral("word/document.xml")));
        QVERIFY(
            xml.contains(QStringLiteral("  Rail LH/RH  &amp;  Up/Dn .......: typed not saved")));
        QVERIFY(xml.contains(QStringLiteral("  Operator Name/Code........: Operator 3")));
        QVERIFY(!test::zipEntry(doc, QStringLiteral("word/media/image1.png")).isEmpty());

        // A second save under the same name replaces the document without a question.
        w.txtnoteLn[4]->setText(QStringLiteral("second version"));
        w.mnuSave_word_doc->trigger();
        dialog = fileDialog("dlgsaveword");
        chooseFile(dialog, doc);
        QCOMPARE(closeMessages(), QStringList{QStringLiteral("Word Doc file is created")});
        const QString second =
            QString::fromUtf8(test::zipEntry(doc, QStringLiteral("word/document.xml")));
        QVERIFY(second.contains(QStringLiteral("second version")));
        QVERIFY(!second.contains(QStringLiteral("typed not saved")));
    }

    void wordDocumentFailuresAndCancel()
    {
        startWithTwoMemories("printer.pdf");
        MainWindow& w = window();
        const QStringList before = QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        // Cancel: nothing written, nothing said.
        w.mnuSave_word_doc->trigger();
        QPointer<QFileDialog> dialog = fileDialog("dlgsaveword");
        QVERIFY(dialog);
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(closeMessages().isEmpty());
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);

        // A folder that does not exist: told once, nothing written.
        w.mnuSave_word_doc->trigger();
        dialog = fileDialog("dlgsaveword");
        const QString missing = path("missing/report.docx");
        emit dialog->fileSelected(missing);
        dialog->reject();
        QCOMPARE(closeMessages(), QStringList{kFailed});
        QVERIFY(!QFile::exists(missing));

        // A name taken by a folder: told once; the folder stays and nothing appears beside it.
        QVERIFY(QDir().mkdir(QStringLiteral("taken.docx")));
        w.mnuSave_word_doc->trigger();
        dialog = fileDialog("dlgsaveword");
        emit dialog->fileSelected(path("taken.docx"));
        dialog->reject();
        QCOMPARE(closeMessages(), QStringList{kFailed});
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList(before) << QStringLiteral("taken.docx"));
    }

    void pellisorHasNoWordDocument()
    {
        m_app = std::make_unique<test::StartedApplication>(Edition::pellisor());
        MainWindow& w = window();
        QVERIFY(!w.mnuSave_word_doc);
        QVERIFY(!test::itemTexts(w.fileMenu).contains(QStringLiteral("Save as Word Doc")));
        // The routine is not there either: asking for it opens nothing and writes nothing.
        controller()->word_report();
        QTest::qWait(50);
        QVERIFY(!w.findChild<QFileDialog*>());
        QVERIFY(closeMessages().isEmpty());
        // Printing is the same in both programs.
        QVERIFY(w.mnuprint->isEnabled() && w.mnupsetup->isEnabled());
        QVERIFY(controller()->mnupreview && controller()->mnuexportpdf);
    }
};

QTEST_MAIN(ReportControllerTest)
#include "tst_report_controller.moc"
