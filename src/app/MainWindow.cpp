#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/AppIcon.h"
#include "app/UserManual.h"
#include "core/AscanDrawingBuilder.h"
#include "core/NoteLines.h"
#include "core/PanelTexts.h"
#include "view/AscanView.h"
#include "view/MemoryList.h"
#include "view/NoteLinesPanel.h"
#include "view/SetupPanel.h"
#include "view/Widgets.h"
#include "view/WindowSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>

namespace quillon
{

struct MainWindow::Ui {
    SetupPanel* panel = nullptr;
    NoteLinesPanel* notes = nullptr;
    QGridLayout* grid = nullptr;
    QPointer<AboutBox> about;
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
    buildMenus();
    buildControls();
    WindowSettings::restoreGeometry(this); // the size and place of the last run
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    fileMenu = named(menuBar()->addMenu(QStringLiteral("File")), "mnufile");
    mnunew = named(fileMenu->addAction(QStringLiteral("New")), "mnunew");
    mnuopen = named(fileMenu->addAction(QStringLiteral("Open")), "mnuopen");
    mnusave = named(fileMenu->addAction(QStringLiteral("Save")), "mnusave");
    if (m_edition.wordExport)
        mnuSave_word_doc =
            named(fileMenu->addAction(QStringLiteral("Save as Word Doc")), "mnuSave_word_doc");
    mnupsetup = named(fileMenu->addAction(QStringLiteral("PrintSetup")), "mnupsetup");
    mnuprint = named(fileMenu->addAction(QStringLiteral("Print")), "mnuprint");
    mnuexit = named(fileMenu->addAction(QStringLiteral("Exit")), "mnuexit");

    // "Option" is a top-level entry without items: it acts when clicked.
    mnuoption = named(menuBar()->addAction(QStringLiteral("Option")), "mnuoption");

    QMenu* help = named(menuBar()->addMenu(QStringLiteral("Help")), "mnuhelp");
    mnuhelpt = named(help->addAction(QStringLiteral("Help Topic")), "mnuhelpt");
    mnuabout = named(help->addAction(QStringLiteral("About Data Capture")), "mnuabout");

    // Their windows come with the features that attach them.
    for (QAction* a : {mnuopen, mnusave, mnuSave_word_doc, mnupsetup, mnuprint, mnuoption})
        if (a)
            a->setEnabled(false);

    connect(mnuexit, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(mnuabout, &QAction::triggered, this, &MainWindow::showAbout);
    connect(mnuhelpt, &QAction::triggered, this,
            [this] { openUserManual(statusBar(), QCoreApplication::applicationDirPath()); });
    // "New" does nothing.
}

void MainWindow::buildControls()
{
    auto* central = named(new QWidget(this), "frmmainClient");
    setCentralWidget(central);

    lstmem = new MemoryList(m_module, central);
    cmdcapture = named(new QPushButton(QStringLiteral("Capture"), central), "cmdcapture");
    cmdcapture->setEnabled(false); // until the instrument link attaches

    auto* ascanLabel = named(new QLabel(QStringLiteral("A  Scan"), central), "lblascan");
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

    // The list at the left; the A-scan beside the menu data, the note lines under both.
    auto* grid = new QGridLayout(central);
    grid->addWidget(lstmem, 0, 0, 3, 1);
    grid->addWidget(cmdcapture, 3, 0);
    grid->addWidget(ascanLabel, 0, 1);
    grid->addWidget(picascan, 1, 1);
    grid->addWidget(m_ui->panel, 0, 2, 2, 1);
    grid->addWidget(m_ui->notes, 2, 1, 2, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    grid->setVerticalSpacing(6);
    m_ui->grid = grid;

    connect(lstmem, &MemoryList::itemActivated, this, &MainWindow::lstmem_DblClick);
    connect(cmdtxtsav, &QPushButton::clicked, this, &MainWindow::cmdtxtsav_Click);
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
    m_shownRow = kNoRow;
    emit recordShown(kNoRow);
}

void MainWindow::showRecord(int row)
{
    const bool bankRow = row >= 0 && row < kMemoryCount;
    if (bankRow)
        m_module.openFromBank(row);
    display_pattern();
    display_setup();
    m_shownRow = bankRow ? row : kNoRow;
    if (bankRow)
        m_module.curmem = row;
    emit recordShown(m_shownRow);
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
        showStatus(QStringLiteral("Notes not saved: the record on display is not a memory of the "
                                  "bank. Open a memory from the list first."));
        return;
    }
    m_module.saveNotes(m_shownRow, m_ui->notes->edits());
    showStatus(QStringLiteral("Notes saved into Mem %1").arg(m_shownRow + 1));
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
        mnutools = named(menuBar()->addMenu(QStringLiteral("Tools")), "mnutools");
    return mnutools;
}

void MainWindow::addBesidePanel(QWidget* widget)
{
    m_ui->grid->addWidget(widget, 0, 3, 2, 1);
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
