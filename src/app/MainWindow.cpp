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
#include "view/WindowSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>

namespace quillon
{

struct MainWindow::Ui {
    MemoryList* list = nullptr;
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
    auto action = [](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };

    fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    fileMenu->setObjectName(QStringLiteral("mnufile"));
    mnunew = action(fileMenu, "mnunew", QStringLiteral("New"));
    mnuopen = action(fileMenu, "mnuopen", QStringLiteral("Open"));
    mnusave = action(fileMenu, "mnusave", QStringLiteral("Save"));
    if (m_edition.wordExport)
        mnuSave_word_doc = action(fileMenu, "mnuSave_word_doc", QStringLiteral("Save as Word Doc"));
    mnupsetup = action(fileMenu, "mnupsetup", QStringLiteral("PrintSetup"));
    mnuprint = action(fileMenu, "mnuprint", QStringLiteral("Print"));
    mnuexit = action(fileMenu, "mnuexit", QStringLiteral("Exit"));

    // "Option" is a top-level entry without items: it acts when clicked.
    mnuoption = menuBar()->addAction(QStringLiteral("Option"));
    mnuoption->setObjectName(QStringLiteral("mnuoption"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mnuhelp"));
    mnuhelpt = action(help, "mnuhelpt", QStringLiteral("Help Topic"));
    mnuabout = action(help, "mnuabout", QStringLiteral("About Data Capture"));

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
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmmainClient"));
    setCentralWidget(central);

    m_ui->list = new MemoryList(m_module, central);
    lstmem = m_ui->list;
    cmdcapture = new QPushButton(QStringLiteral("Capture"), central);
    cmdcapture->setObjectName(QStringLiteral("cmdcapture"));
    cmdcapture->setEnabled(false); // until the instrument link attaches

    auto* ascanLabel = new QLabel(QStringLiteral("A  Scan"), central);
    ascanLabel->setObjectName(QStringLiteral("lblascan"));
    picascan = new AscanView(central);
    picascan->setObjectName(QStringLiteral("picascan"));

    m_ui->panel = new SetupPanel(central);
    for (int i = 0; i < kPanelFieldCount; ++i)
        panelBoxes[i] = m_ui->panel->boxes()[i];
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
    // The boxes get their characters verbatim; the readouts as received, then blanked when the
    // MEASURE box reads "OFF    ".
    PanelTexts texts = panelTexts(record);
    for (int i = 0; i < kReadoutCount; ++i)
        texts.readouts[i] = textOf(record, kReadoutFields[i].position, kReadoutFields[i].read);
    m_ui->panel->setTexts(texts);
    static const int measure = panelFieldIndex("txtmea");
    if (panelBoxes[measure]->text() == QStringView(kOff))
        for (QLineEdit* box : {txtbeam, txtsurf, txtdpth})
            box->clear();

    // Gate bars and DAC curves from what the boxes now hold.
    AscanDrawing drawing = picascan->drawing();
    drawOverlays(drawing, record, m_ui->panel->texts());
    picascan->setDrawing(std::move(drawing));

    m_ui->notes->setTexts(noteTexts(record));
    cal_grt();
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
    const int row = m_ui->list->firstSelectedRow();
    if (row >= 0)
        openMemory(row);
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
    return m_ui->list->selectedRows();
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
    if (!mnutools) {
        mnutools = menuBar()->addMenu(QStringLiteral("Tools"));
        mnutools->setObjectName(QStringLiteral("mnutools"));
    }
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
    m_ui->about->show();
    m_ui->about->raise();
    m_ui->about->activateWindow();
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
