#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/AppIcon.h"
#include "app/ManualWindow.h"
#include "app/UserManual.h"
#include "core/AscanDrawingBuilder.h"
#include "core/NoteDrafts.h"
#include "core/NoteLines.h"
#include "core/PanelTexts.h"
#include "view/AscanView.h"
#include "view/MemoryList.h"
#include "view/NoteLinesPanel.h"
#include "view/PageScrollArea.h"
#include "view/SetupPanel.h"
#include "view/Widgets.h"
#include "view/WindowSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

namespace quillon
{

struct MainWindow::Ui {
    SetupPanel* panel = nullptr;
    NoteLinesPanel* notes = nullptr;
    QGridLayout* grid = nullptr;
    QPointer<AboutBox> about;
    QPointer<ManualWindow> manual;
};

namespace
{

QStringList localFiles(const QMimeData* mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

} // namespace

MainWindow::MainWindow(Module1& module, const Edition& edition, QWidget* parent)
    : QMainWindow(parent), m_module(module), m_edition(edition), m_ui(std::make_unique<Ui>())
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(m_edition.title);
    setWindowIcon(appIcon());
    setAcceptDrops(true);
    m_drafts = new NoteDrafts(this);
    buildMenus();
    buildControls();
    // The size and place of the last run; the first run fits the contents (see fitToContents).
    m_placed = WindowSettings::restoreGeometry(this);
}

void MainWindow::fitToContents()
{
    if (m_placed)
        return;
    m_placed = true;
    const QScreen* where = screen();
    resize(where ? sizeHint().boundedTo(where->availableSize()) : sizeHint());
    // Once shown and laid out: the window's hint may leave the page a little short (the status
    // bar's widgets), so it grows by what the page still lacks, as far as the screen has room.
    QTimer::singleShot(0, this, [this] {
        const auto* scroll = static_cast<QScrollArea*>(centralWidget());
        if (!isVisible() || scroll->viewport()->size().isEmpty())
            return;
        QSize wanted =
            size() +
            (scroll->widget()->sizeHint() - scroll->viewport()->size()).expandedTo(QSize(0, 0));
        if (const QScreen* room = screen())
            wanted = wanted.boundedTo(room->availableSize());
        resize(wanted);
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    fileMenu = named(menuBar()->addMenu(tr("File")), "mnufile");
    mnunew = named(fileMenu->addAction(tr("New")), "mnunew");
    mnuopen = named(fileMenu->addAction(tr("Open")), "mnuopen");
    mnusave = named(fileMenu->addAction(tr("Save")), "mnusave");
    if (m_edition.wordExport)
        mnuSave_word_doc = named(fileMenu->addAction(tr("Save as Word Doc")), "mnuSave_word_doc");
    mnupsetup = named(fileMenu->addAction(tr("PrintSetup")), "mnupsetup");
    mnuprint = named(fileMenu->addAction(tr("Print")), "mnuprint");
    mnuexit = named(fileMenu->addAction(tr("Exit")), "mnuexit");

    // "Option" is a top-level entry without items: it acts when clicked.
    //: Menu bar entry without items: opens the serial port selection.
    mnuoption = named(menuBar()->addAction(tr("Option")), "mnuoption");

    QMenu* help = named(menuBar()->addMenu(tr("Help")), "mnuhelp");
    mnuhelpt = named(help->addAction(tr("Help Topic")), "mnuhelpt");
    mnuabout = named(help->addAction(tr("About Data Capture")), "mnuabout");

    // Their windows come with the features that attach them.
    for (QAction* a : {mnuopen, mnusave, mnuSave_word_doc, mnupsetup, mnuprint, mnuoption})
        if (a)
            a->setEnabled(false);

    connect(mnuexit, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(mnuabout, &QAction::triggered, this, &MainWindow::showAbout);
    connect(mnuhelpt, &QAction::triggered, this, &MainWindow::showManual);
    // "New" does nothing.
}

void MainWindow::buildControls()
{
    // The controls lie on one page inside a scroll area: below the size their texts need the
    // window scrolls instead of cutting them.
    auto* scroll = named(new PageScrollArea(this), "scrmain");
    setCentralWidget(scroll);
    auto* central = named(new QWidget(scroll), "frmmainClient");
    scroll->setWidget(central);

    lstmem = new MemoryList(m_module, m_drafts, central);
    //: Button: asks the instrument for the memories selected in the list.
    cmdcapture = named(new QPushButton(tr("Capture"), central), "cmdcapture");
    cmdcapture->setEnabled(false); // until the instrument link attaches

    //: Caption above the echo trace (A-scan).
    auto* ascanLabel = named(new QLabel(tr("A  Scan"), central), "lblascan");
    picascan = named(new AscanView(central), "picascan");

    m_ui->panel = new SetupPanel(central);
    panelBoxes = m_ui->panel->boxes();
    txtbeam = m_ui->panel->readouts()[0];
    txtsurf = m_ui->panel->readouts()[1];
    txtdpth = m_ui->panel->readouts()[2];
    txttmdt = m_ui->panel->timeDate();
    m_ui->panel->setTexts(initialPanelTexts());

    m_ui->notes = new NoteLinesPanel(central);
    txtnoteLn = m_ui->notes->lines();
    cmdtxtsav = m_ui->notes->saveButton();

    // The list at the left; the A-scan beside the menu data, what the tools read under the
    // A-scan, the note lines under all of them. Extra room goes to the A-scan and the notes.
    auto* grid = new QGridLayout(central);
    grid->addWidget(lstmem, 0, 0, 4, 1);
    grid->addWidget(cmdcapture, 4, 0);
    grid->addWidget(ascanLabel, 0, 1);
    grid->addWidget(picascan, 1, 1);
    grid->addWidget(m_ui->panel, 0, 2, 3, 1, Qt::AlignTop);
    grid->addWidget(m_ui->notes, 3, 1, 2, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    grid->setVerticalSpacing(6);
    m_ui->grid = grid;

    connect(lstmem, &MemoryList::itemActivated, this, &MainWindow::lstmem_DblClick);
    connect(cmdtxtsav, &QPushButton::clicked, this, &MainWindow::cmdtxtsav_Click);

    // What is typed under a memory is its draft from the first keystroke until it is saved.
    connect(m_ui->notes, &NoteLinesPanel::edited, this, [this] {
        if (m_shownRow != kNoRow)
            m_drafts->keep(m_shownRow, m_ui->notes->edits());
    });
    connect(m_ui->notes, &NoteLinesPanel::characterRefused, this,
            [this](const QString& hint) { showStatus(hint, 8000); });
    QAction* discard =
        named(lstmem->itemMenu()->addAction(tr("Discard typed notes")), "mnudiscarddraft");
    connect(lstmem, &MemoryList::itemMenuAboutToShow, discard, [this, discard](int row) {
        m_draftMenuRow = row;
        discard->setEnabled(row >= 0 && m_drafts->has(row));
    });
    connect(discard, &QAction::triggered, this, [this] { discardDraft(m_draftMenuRow); });
}

void MainWindow::startUp()
{
    m_module.startUp();
}

void MainWindow::showSampleEcho()
{
    writeSampleEcho(m_module.recbuf);
    display_pattern();
    m_setupDrawn = false;
    changeDisplay(kNoRow, tr("sample echo"));
    m_sampleEcho = true;
}

void MainWindow::showRecord(int row, const QString& what)
{
    const bool bankRow = row >= 0 && row < kMemoryCount;
    if (bankRow)
        m_module.openFromBank(row);
    display_pattern();
    display_setup();
    if (bankRow) {
        m_module.curmem = row;
        if (const NoteEdits* draft = m_drafts->draft(row))
            m_ui->notes->applyEdits(*draft);
    }
    changeDisplay(bankRow ? row : kNoRow, bankRow          ? tr("Mem %1").arg(row + 1)
                                          : what.isEmpty() ? m_shownName
                                                           : what);
}

void MainWindow::changeDisplay(int row, const QString& name)
{
    m_sampleEcho = false;
    const int before = std::exchange(m_shownRow, row);
    m_keptDraft = before != kNoRow && before != row && m_drafts->has(before) ? before : kNoRow;
    // Keystrokes meant for the memory that was on display never go into another one.
    if (row != before && m_ui->notes->hasFocusInLine())
        lstmem->setFocus();
    m_shownName = name;
    setWindowTitle(name.isEmpty() ? m_edition.title : tr("%1 — %2").arg(m_edition.title, name));
    lstmem->setShownRow(row);
    if (m_keptDraft != kNoRow)
        showStatus(withDraftNote(tr("%1 on display").arg(name)));
    emit recordShown(row);
}

QString MainWindow::withDraftNote(const QString& text) const
{
    if (m_keptDraft == kNoRow)
        //: A status line ended with a full stop.
        return tr("%1.").arg(text);
    return tr("%1 — your notes on Mem %2 are kept as a draft.").arg(text).arg(m_keptDraft + 1);
}

void MainWindow::saveDrafts()
{
    for (int row : m_drafts->rows()) {
        m_module.saveNotes(row, *m_drafts->draft(row));
        m_drafts->discard(row);
    }
}

void MainWindow::discardDraft(int row)
{
    if (row < 0 || !m_drafts->has(row))
        return;
    m_drafts->discard(row);
    if (row == m_shownRow)
        m_ui->notes->setTexts(noteTexts(m_module.membank[row]));
    showStatus(tr("The notes typed under Mem %1 were discarded.").arg(row + 1), 5000);
}

MainWindow::DisplayMemo MainWindow::displayMemo() const
{
    return {m_shownRow, m_sampleEcho, m_shownName, m_module.recbuf};
}

void MainWindow::restoreDisplay(const DisplayMemo& memo)
{
    if (memo.row != kNoRow)
        return showRecord(memo.row);
    if (memo.sampleEcho) {
        // As start-up left it: the panel's first texts and no notes beside the sample echo.
        m_ui->panel->setTexts(initialPanelTexts());
        m_ui->notes->setTexts({});
        return showSampleEcho();
    }
    m_module.recbuf = memo.record;
    showRecord(kNoRow, memo.name);
}

void MainWindow::display_pattern()
{
    AscanDrawing drawing;
    quillon::display_pattern(drawing, m_module.recbuf);
    picascan->setDrawing(std::move(drawing));
}

void MainWindow::display_setup()
{
    const Record& record = m_module.recbuf;
    // The boxes get their characters verbatim; the readouts as received, blank while the
    // MEASURE box reads "OFF    ".
    m_ui->panel->setTexts(panelTexts(record));

    // Gate bars and DAC curves from what the boxes now hold.
    AscanDrawing drawing = picascan->drawing();
    drawOverlays(drawing, record, m_ui->panel->texts());
    picascan->setDrawing(std::move(drawing));

    m_ui->notes->setTexts(noteTexts(record));
    cal_grt();
    m_setupDrawn = true;
}

void MainWindow::cal_grt()
{
    AscanDrawing drawing = picascan->drawing();
    quillon::cal_grt(drawing, m_ui->panel->texts());
    picascan->setDrawing(std::move(drawing));
}

void MainWindow::openMemory(int row)
{
    if (row >= 0 && row < kMemoryCount)
        showRecord(row);
}

void MainWindow::lstmem_DblClick()
{
    openMemory(lstmem->firstSelectedRow());
}

void MainWindow::cmdtxtsav_Click()
{
    if (m_shownRow == kNoRow) {
        showStatus(tr("Notes not saved: the record on display is not a memory of the bank. Open a "
                      "memory from the list first."));
        return;
    }
    m_module.saveNotes(m_shownRow, m_ui->notes->edits());
    m_drafts->discard(m_shownRow);
    // The boxes now hold what the row holds: a line typed again is a change of the saved line.
    m_ui->notes->setTexts(noteTexts(m_module.membank[m_shownRow]));
    showStatus(tr("Notes saved into Mem %1").arg(m_shownRow + 1));
}

QList<int> MainWindow::selectedRows() const
{
    return lstmem->selectedRows();
}

DisplaySnapshot MainWindow::displayedSnapshot() const
{
    return DisplaySnapshot{picascan->drawing(), m_ui->panel->texts(), m_ui->notes->texts()};
}

const AscanDrawing& MainWindow::ascanDrawing() const
{
    return picascan->drawing();
}

QMenu* MainWindow::toolsMenu()
{
    if (!mnutools)
        mnutools = named(menuBar()->addMenu(tr("Tools")), "mnutools");
    return mnutools;
}

void MainWindow::addUnderAscan(QWidget* widget)
{
    m_ui->grid->addWidget(widget, 2, 1, Qt::AlignLeft | Qt::AlignTop);
}

void MainWindow::showStatus(const QString& text, int timeoutMs)
{
    statusBar()->showMessage(text, timeoutMs);
}

void MainWindow::exitProgram()
{
    if (m_closeGuard && !m_closeGuard())
        return;
    m_ending = true;
    endProgram();
}

void MainWindow::endProgram()
{
    // Every window of the program closes (this one included) and the event loop ends.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void MainWindow::showManual()
{
    const QString manual = findUserManual(QCoreApplication::applicationDirPath());
    if (manual.isEmpty()) {
        showStatus(tr("The user manual is not installed."));
        return;
    }
    if (!m_ui->manual)
        m_ui->manual = new ManualWindow(manual, this);
    showInFront(m_ui->manual);
}

void MainWindow::showAbout()
{
    if (!m_ui->about)
        m_ui->about = new AboutBox(m_edition.title, this);
    showInFront(m_ui->about);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_ending && m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    event->accept();
    WindowSettings::saveGeometry(this);
    if (m_ending || !m_edition.closeEndsProgram)
        return; // ending already, or only this window unloads
    m_ending = true;
    endProgram();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(paths);
}

} // namespace quillon
