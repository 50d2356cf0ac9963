#include "app/FilesController.h"

#include "app/MainWindow.h"
#include "archive/ArchiveJournal.h"
#include "core/NoteDrafts.h"
#include "files/FileOpener.h"
#include "files/OpenWindow.h"
#include "files/QuestionBox.h"
#include "files/RecoveryImport.h"
#include "files/SaveWindow.h"
#include "view/MessageBox.h"
#include "view/Widgets.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <QLabel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

namespace quillon
{

namespace
{
enum ExitAnswer { SaveFirst, Discard, CancelExit };
enum RecoveryAnswer { Restore, DiscardRecovered, Later };

// QUILLON_ARCHIVE names another file (for tests, and for keeping the archive elsewhere).
QString archivePath()
{
    const QString chosen = qEnvironmentVariable("QUILLON_ARCHIVE");
    if (!chosen.isEmpty())
        return QFileInfo(chosen).absoluteFilePath();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return QDir(folder).absoluteFilePath(QStringLiteral("archive.sqlite"));
}
} // namespace

FilesController::FilesController(MainWindow& window)
    : QObject(&window), m_window(window),
      m_journal(std::make_unique<ArchiveJournal>(window.module(), archivePath()))
{
    setObjectName(QStringLiteral("filesController"));
    Module1& module = m_window.module();
    m_opener = new FileOpener(
        module, m_window.edition(), &m_window,
        [this](const QString& path, FileKind kind) { opened(path, kind); }, this);

    m_window.mnuopen->setEnabled(true);
    m_window.mnusave->setEnabled(true);
    connect(m_window.mnuopen, &QAction::triggered, this, &FilesController::showOpenForm);
    connect(m_window.mnusave, &QAction::triggered, this, &FilesController::showSaveForm);
    connect(&m_window, &MainWindow::filesDropped, this, [this](const QStringList& paths) {
        if (paths.isEmpty())
            return;
        if (paths.size() > 1)
            m_window.showStatus(tr("Only the first file is opened: %1")
                                    .arg(QDir::toNativeSeparators(paths.first())));
        open(paths.first());
    });

    m_window.setCloseGuard([this] { return closeGuard(); });
    // Unsaved work is shown in the status bar, so that the caption stays the program's title.
    m_unsavedMark = named(new QLabel(&m_window), "unsavedMark");
    m_window.statusBar()->addPermanentWidget(m_unsavedMark);
    connect(&module, &Module1::unsavedChanged, this, [this](bool unsaved) {
        m_unsavedMark->setText(unsaved ? tr("Bank not saved") : QString());
    });
    // Told once the window is up, also when it happens while the archive is opened here.
    for (auto signal : {&ArchiveJournal::archiveFailed, &ArchiveJournal::archiveReplaced})
        connect(
            m_journal.get(), signal, this,
            [this](const QString& text) { showMessage(&m_window, text); }, Qt::QueuedConnection);
    m_journal->open();

    // Once start-up has filled the bank, before anything else.
    QTimer::singleShot(0, this, &FilesController::offerRecovery);
}

FilesController::~FilesController() = default;

void FilesController::showSaveForm()
{
    if (!m_saveWindow) {
        m_saveWindow = new SaveWindow(m_window.module(), &m_window);
        connect(m_saveWindow, &SaveWindow::saved, this, &FilesController::saved);
        connect(m_saveWindow, &SaveWindow::closedWithoutSaving, this,
                [this] { m_saveToExit = false; });
    }
    showInFront(m_saveWindow);
}

void FilesController::showOpenForm()
{
    if (!m_openWindow) {
        m_openWindow = new OpenWindow(m_window.edition(), &m_window);
        connect(m_openWindow, &OpenWindow::fileChosen, this, &FilesController::open);
    }
    showInFront(m_openWindow);
}

void FilesController::open(const QString& path)
{
    // The main window comes forward first, so that a question or a message about the file
    // appears over it and the loaded record is seen at once.
    bringWindowForward();
    m_opener->open(path);
}

void FilesController::opened(const QString& path, FileKind kind)
{
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const QString name = QFileInfo(path).fileName();
    if (kind == FileKind::Waveform) {
        m_window.showRecord(MainWindow::kNoRow, tr("waveform file %1").arg(name));
        m_window.showStatus(m_window.withDraftNote(tr("Waveform file opened: %1").arg(shown)));
        return;
    }
    // The record on display stays; it is no memory of the bank opened.
    m_window.showRecord(MainWindow::kNoRow,
                        tr("%1 (shown before %2 was opened)").arg(m_window.shownName(), name));
    const auto& marks = m_window.module().marked;
    const int received = int(std::count(marks.begin(), marks.end(), true));
    m_window.showStatus(m_window.withDraftNote(
        tr("Bank opened: %1 (%n received memories)", nullptr, received).arg(shown)));
}

void FilesController::bringWindowForward()
{
    m_window.raise();
    m_window.activateWindow();
}

void FilesController::saved(const QString& path)
{
    bringWindowForward();
    m_window.showStatus(tr("Bank saved to %1").arg(QDir::toNativeSeparators(path)));
    if (!m_saveToExit)
        return;
    m_saveToExit = false;
    m_exitAgreed = true;
    m_window.exitProgram();
}

bool FilesController::closeGuard()
{
    const QList<int> drafts = m_window.drafts().rows();
    if (m_exitAgreed || (!m_window.module().hasUnsavedChanges() && drafts.isEmpty()))
        return true;
    if (!m_asking) {
        m_asking = true;
        QStringList text;
        if (m_window.module().hasUnsavedChanges())
            text << tr("The bank holds received records or notes that are in no bank file yet.");
        if (!drafts.isEmpty())
            text << tr("Notes typed under Mem %1 were not stored with \"S  A  V  E\"; Save "
                       "stores them into their memories first.")
                        .arg(memoryNumberList(drafts));
        text << tr("Save them before the program ends?");
        askQuestion(&m_window, text.join(u' '), m_window.edition().title,
                    {tr("Save"), tr("Discard"), tr("Cancel")}, CancelExit, this,
                    [this](int answer) { exitAnswered(answer); });
    }
    return false;
}

void FilesController::exitAnswered(int answer)
{
    m_asking = false;
    if (answer == SaveFirst) {
        m_window.saveDrafts();
        m_saveToExit = true;
        showSaveForm();
    } else if (answer == Discard) {
        m_journal->discardSession();
        m_exitAgreed = true;
        m_window.exitProgram();
    }
}

void FilesController::offerRecovery()
{
    // An older version's recovery file is taken into the archive once.
    const QString problem = importRecoveryFile(recoveryFilePath(QDir::current()), *m_journal);
    if (!problem.isEmpty())
        showMessage(&m_window, problem);
    if (!m_journal->hasPending())
        return;
    QString text = tr("The program ended before these memories were saved: %1. They were kept "
                      "in \"%2\". Restore them into the bank?")
                       .arg(memoryNumberList(m_journal->pendingRows()),
                            QDir::toNativeSeparators(m_journal->path()));
    const QString bank = m_journal->pendingBankFile();
    if (!bank.isEmpty())
        text += u' ' + tr("They go back on top of \"%1\", the bank file that was open then.")
                           .arg(QDir::toNativeSeparators(bank));
    askQuestion(&m_window, text, m_window.edition().title,
                {tr("Restore"), tr("Discard"), tr("Later")}, Later, this,
                [this](int answer) { recoveryAnswered(answer); });
}

void FilesController::recoveryAnswered(int answer)
{
    if (answer == Restore)
        restore();
    else if (answer == DiscardRecovered)
        m_journal->discardPending();
    // Later: the archive offers them again at the next start.
}

void FilesController::restore()
{
    // The work goes back on top of the bank file it was done on, when that file is still there.
    LoadedFile bank;
    const QString path = m_journal->pendingBankFile();
    const bool onBank = !path.isEmpty() && !readLoadedFile(path, m_window.edition(), bank) &&
                        bank.kind == FileKind::Bank;
    const QList<int> rows =
        onBank ? m_journal->restorePendingOnto(*bank.bank, bank.path) : m_journal->restorePending();
    const QString memories = memoryNumberList(rows);
    m_window.showStatus(
        onBank ? tr("Bank opened: %1, with Mem %2 restored on top of it (not saved yet).")
                     .arg(QDir::toNativeSeparators(bank.path), memories)
               : tr("Mem %1 restored into the bank (not saved yet).").arg(memories));
}

} // namespace quillon
