#include "app/ArchiveController.h"

#include "app/MainWindow.h"
#include "app/TeamController.h"
#include "archive/ArchiveJournal.h"
#include "core/BankFile.h"
#include "core/DisplaySnapshot.h"
#include "core/NoteDrafts.h"
#include "files/BankSaver.h"
#include "files/QuestionBox.h"
#include "report/ReportPrinter.h"
#include "view/ArchiveWindow.h"
#include "view/MessageBox.h"
#include "view/SaveDialog.h"
#include "view/Widgets.h"
#include "view/WindowSettings.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMenu>

namespace quillon
{

ArchiveController::ArchiveController(MainWindow& window, ArchiveJournal& journal)
    : QObject(&window), m_window(window), m_journal(journal), m_model(&journal.archive())
{
    setObjectName(QStringLiteral("archiveController"));
    mnuarchive = named(m_window.toolsMenu()->addAction(tr("Archive")), "mnuarchive");
    connect(mnuarchive, &QAction::triggered, this, &ArchiveController::showArchive);

    // What is stored while the window is open comes into its list, unless the operator is
    // working on a selection there.
    const auto follow = [this] {
        if (m_archiveWindow && m_archiveWindow->isVisible() &&
            m_archiveWindow->selectedIds().isEmpty())
            m_archiveWindow->refresh();
    };
    connect(&m_window.module(), &Module1::rowChanged, this, follow);
    connect(&m_window.module(), &Module1::bankReplaced, this, follow);
}

ArchiveController::~ArchiveController()
{
    m_readerThread.quit();
    m_readerThread.wait();
}

void ArchiveController::showArchive()
{
    if (!m_archiveWindow) {
        m_archiveWindow = new ArchiveWindow(&m_model, &m_window);
        connect(m_archiveWindow, &ArchiveWindow::entryChosen, this,
                [this](const EntryRef& ref) { withEntries({ref}, [this](auto& e) { show(e); }); });
        connect(m_archiveWindow, &ArchiveWindow::restoreRequested, this,
                [this](const QList<EntryRef>& refs) {
                    withEntries(refs, [this](const std::vector<ArchiveEntry>& found) {
                        requestRestore(found);
                    });
                });
        connect(m_archiveWindow, &ArchiveWindow::exportBankRequested, this,
                [this](const QList<EntryRef>& refs) {
                    askPath("dlgarchivebank", tr("Export Bank File"), tr("Bank files (*.dat)"),
                            [this, refs](const QString& path) {
                                withEntries(refs, [this, path](auto& e) { writeBank(e, path); });
                            });
                });
        connect(m_archiveWindow, &ArchiveWindow::exportPdfRequested, this,
                [this](const QList<EntryRef>& refs) {
                    askPath("dlgarchivepdf", tr("Export PDF"), tr("PDF files (*.pdf)"),
                            [this, refs](const QString& path) {
                                withEntries(refs, [this, path](auto& e) { writePdf(e, path); });
                            });
                });
        connect(m_archiveWindow, &ArchiveWindow::teamChosen, this, &ArchiveController::showTeam);
    }
    m_archiveWindow->refresh();
    showInFront(m_archiveWindow);
}

std::vector<ArchiveEntry> ArchiveController::entries(const QList<qint64>& ids)
{
    std::vector<ArchiveEntry> out;
    for (qint64 id : ids) {
        ArchiveEntry e;
        bool found = false;
        if (const ArchiveFailure f = m_journal.archive().fetch({{}, id}, e, found)) {
            told(tr("The archive cannot be read: %1").arg(f.text));
            return {};
        }
        if (found && isStorableMemory(e.memory))
            out.push_back(e);
    }
    std::ranges::sort(out, {}, &ArchiveEntry::id);
    return out;
}

void ArchiveController::showTeam(bool team)
{
    if (team && !m_reader) {
        m_reader = new ArchiveReader;
        m_reader->moveToThread(&m_readerThread);
        connect(&m_readerThread, &QThread::finished, m_reader, &QObject::deleteLater);
        connect(m_reader, &ArchiveReader::fetched, this,
                [this](quint64 ticket, const std::vector<ArchiveEntry>& found) {
                    const auto use = m_fetching.extract(ticket);
                    if (use.empty())
                        return;
                    std::vector<ArchiveEntry> ordered = found;
                    std::ranges::sort(ordered, [](const ArchiveEntry& a, const ArchiveEntry& b) {
                        return std::tie(a.timeMs, a.origin, a.id) <
                               std::tie(b.timeMs, b.origin, b.id);
                    });
                    use.mapped()(ordered);
                });
        connect(m_reader, &ArchiveReader::failed, this,
                [this](quint64 ticket, const ArchiveFailure& failure) {
                    if (m_fetching.erase(ticket))
                        told(archiveFailureText(failure));
                });
        m_readerThread.start();
    }
    if (team)
        QMetaObject::invokeMethod(
            m_reader, "useServer",
            Q_ARG(QString,
                  WindowSettings::value(QLatin1String(TeamController::kServerKey)).toString()));
    m_model.setReader(team ? m_reader : nullptr);
    m_archiveWindow->refresh();
}

void ArchiveController::withEntries(const QList<EntryRef>& refs,
                                    std::function<void(const std::vector<ArchiveEntry>&)> use)
{
    if (!m_model.readsTeam()) {
        QList<qint64> ids;
        for (const EntryRef& ref : refs)
            ids << ref.id;
        use(entries(ids));
        return;
    }
    const quint64 ticket = ArchiveReader::newTicket();
    m_fetching[ticket] = std::move(use);
    QMetaObject::invokeMethod(m_reader, "fetch", Q_ARG(quint64, ticket),
                              Q_ARG(QList<quillon::EntryRef>, refs));
}

void ArchiveController::showEntry(qint64 id)
{
    show(entries({id}));
}

void ArchiveController::show(const std::vector<ArchiveEntry>& found)
{
    if (found.empty())
        return;
    // Shown apart from the bank, as a waveform file is: the note save button does not store it.
    const ArchiveEntry& e = found.front();
    std::copy_n(e.record.begin(), kRecordLength, m_window.module().recbuf.begin());
    m_window.showRecord(MainWindow::kNoRow,
                        tr("archive entry of %1 (Mem %2)")
                            .arg(QDateTime::fromMSecsSinceEpoch(e.timeMs).toString(
                                QStringLiteral("yyyy-MM-dd HH:mm")))
                            .arg(e.memory));
}

int ArchiveController::restoreEntries(const QList<qint64>& ids)
{
    return restore(entries(ids));
}

int ArchiveController::restore(const std::vector<ArchiveEntry>& found)
{
    Module1& module = m_window.module();
    for (const ArchiveEntry& e : found) {
        const int row = e.memory - 1;
        const bool marked = e.kind == StoreKind::Notes ? module.marked[row] : true;
        module.store(row, e.record, StoreOrigin{StoreKind::Restored, m_journal.path(), marked});
    }
    return int(found.size());
}

std::vector<ArchiveEntry>
ArchiveController::entriesOverLaterWork(const std::vector<ArchiveEntry>& found)
{
    const Module1& module = m_window.module();
    std::vector<ArchiveEntry> over;
    for (const ArchiveEntry& e : found) {
        const int row = e.memory - 1;
        // The row holds this PC's newest entry of the memory, made after the one restored.
        const auto latest = m_journal.latestEntry(e.memory);
        const bool laterInBank =
            latest && latest->timeMs > e.timeMs &&
            std::equal(latest->record.begin(), latest->record.begin() + kRecordLength,
                       module.membank[row].begin());
        if (laterInBank || m_window.drafts().has(row))
            over.push_back(e);
    }
    return over;
}

void ArchiveController::requestRestore(const QList<qint64>& ids)
{
    requestRestore(entries(ids));
}

void ArchiveController::requestRestore(const std::vector<ArchiveEntry>& found)
{
    const auto restoreAndTell = [this](const std::vector<ArchiveEntry>& chosen) {
        const int stored = restore(chosen);
        told(tr("%n entries restored to the bank.", nullptr, stored));
    };
    const std::vector<ArchiveEntry> over = entriesOverLaterWork(found);
    if (over.empty())
        return restoreAndTell(found);
    QList<int> rows;
    for (const ArchiveEntry& e : over)
        rows << e.memory - 1;
    std::vector<ArchiveEntry> rest;
    for (const ArchiveEntry& e : found)
        if (!rows.contains(e.memory - 1))
            rest.push_back(e);
    enum Answer { Replace, KeepThose, Cancel };
    QWidget* parent = m_archiveWindow ? static_cast<QWidget*>(m_archiveWindow.data()) : &m_window;
    askQuestion(parent,
                tr("In the bank, Mem %1 holds a later record or notes not saved yet. Replace it "
                   "with the entry chosen here?")
                    .arg(memoryNumberList(rows)),
                tr("Restore to bank"), {tr("Replace"), tr("Keep those"), tr("Cancel")}, Cancel,
                this, [restoreAndTell, found, rest](int answer) {
                    if (answer == Replace)
                        restoreAndTell(found);
                    else if (answer == KeepThose)
                        restoreAndTell(rest);
                });
}

bool ArchiveController::exportBank(const QList<qint64>& ids, const QString& path)
{
    return writeBank(entries(ids), path);
}

bool ArchiveController::writeBank(const std::vector<ArchiveEntry>& found, const QString& path)
{
    if (const auto failure = BankSaver::writeFile(path, bankFileOf(found))) {
        showMessage(m_archiveWindow ? static_cast<QWidget*>(m_archiveWindow.data()) : &m_window,
                    tr("\"%1\" cannot be written (%2).")
                        .arg(QDir::toNativeSeparators(path),
                             failure->detail.isEmpty() ? failureText(*failure) : failure->detail));
        return false;
    }
    told(tr("Bank file written: %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool ArchiveController::exportPdf(const QList<qint64>& ids, const QString& path)
{
    return writePdf(entries(ids), path);
}

bool ArchiveController::writePdf(const std::vector<ArchiveEntry>& found, const QString& path)
{
    std::vector<DisplaySnapshot> pages;
    for (const ArchiveEntry& e : found)
        pages.push_back(snapshotOf(e.record));
    if (pages.empty())
        return false;
    const ReportOutcome outcome = ReportPrinter::writePdf(path, pages);
    if (!outcome.ok()) {
        showMessage(m_archiveWindow ? static_cast<QWidget*>(m_archiveWindow.data()) : &m_window,
                    tr("The Report can't be printed."));
        return false;
    }
    told(tr("PDF written: %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void ArchiveController::askPath(const char* name, const QString& title, const QString& filter,
                                std::function<void(const QString&)> write)
{
    QWidget* parent = m_archiveWindow ? static_cast<QWidget*>(m_archiveWindow.data()) : &m_window;
    QFileDialog* dialog = saveDialog(parent, name, title, {filter, tr("All files (*.*)")});
    connect(dialog, &QFileDialog::fileSelected, this, std::move(write));
    dialog->open();
}

void ArchiveController::told(const QString& text)
{
    if (m_archiveWindow)
        m_archiveWindow->showNote(text);
    m_window.showStatus(text, 5000);
}

} // namespace quillon
