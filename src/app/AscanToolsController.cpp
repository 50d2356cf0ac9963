#include "app/AscanToolsController.h"

#include "app/MainWindow.h"
#include "core/AscanDrawingBuilder.h"
#include "core/AscanGeometry.h"
#include "core/AscanImage.h"
#include "core/AscanMeasure.h"
#include "view/AscanOverlay.h"
#include "view/AscanView.h"
#include "view/GateReadoutTable.h"
#include "view/MemoryList.h"
#include "view/SaveDialog.h"
#include "view/Widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QStatusBar>

namespace quillon
{

namespace
{
constexpr double kExportPixelsPerUnit = 2.0; // the size the window shows it at by default

// Fixed: the comparison's legend is painted into copied and saved A-scan images, which are the
// same in every language.
QString memoryName(int row)
{
    return row >= 0 ? QStringLiteral("Mem %1").arg(row + 1) : QStringLiteral("On display");
}
} // namespace

AscanToolsController::AscanToolsController(MainWindow& window)
    : QObject(&window), m_window(window), m_overlay(new AscanOverlay(*window.picascan))
{
    m_cursorReadout = named(new QLabel(&window), "lblcursor");
    m_cursorReadout->setMinimumWidth(m_cursorReadout->fontMetrics().horizontalAdvance(
        //: The widest cursor readout, only measured for the label's width: translate it as the
        //: readout under the A-scan is translated.
        tr("Sample 249   Path 1234.56   Amplitude 100 %  ")));
    window.statusBar()->addPermanentWidget(m_cursorReadout);

    m_gateTable = named(new GateReadoutTable(&window), "tblgates");
    window.addUnderAscan(m_gateTable);

    QMenu* menu = named(window.menuBar()->addMenu(tr("A-scan")), "mnuascan");
    mnucopyascan = named(menu->addAction(tr("Copy A-scan")), "mnucopyascan");
    mnusaveascan = named(menu->addAction(tr("Save A-scan image")), "mnusaveascan");
    menu->addSeparator();
    mnuwholetrace = named(menu->addAction(tr("Whole trace")), "mnuwholetrace");
    mnuclearcompare = named(menu->addAction(tr("Clear comparison")), "mnuclearcompare");

    QMenu* listMenu = window.lstmem->itemMenu();
    mnucompare = named(listMenu->addAction(tr("Compare with the trace on display")), "mnucompare");
    mnucompareclear = named(listMenu->addAction(tr("Clear comparison")), "mnucompareclear");

    connect(mnucopyascan, &QAction::triggered, this, &AscanToolsController::copyAscan);
    connect(mnusaveascan, &QAction::triggered, this, &AscanToolsController::askForImageFile);
    connect(mnuwholetrace, &QAction::triggered, m_overlay, &AscanOverlay::resetZoom);
    connect(mnuclearcompare, &QAction::triggered, this, &AscanToolsController::clearComparison);
    connect(mnucompareclear, &QAction::triggered, this, &AscanToolsController::clearComparison);
    connect(mnucompare, &QAction::triggered, this, [this] { compareWith(m_menuRow); });
    connect(window.lstmem, &MemoryList::itemMenuAboutToShow, this,
            &AscanToolsController::listMenuRequested);

    connect(&window, &MainWindow::recordShown, this, &AscanToolsController::recordShown);
    connect(m_overlay, &AscanOverlay::cursorChanged, this,
            &AscanToolsController::showCursorReadout);
    Module1& module = window.module();
    connect(&module, &Module1::rowChanged, this, [this](int row) {
        if (row == m_comparedRow)
            refreshComparison();
    });
    connect(&module, &Module1::bankReplaced, this, &AscanToolsController::refreshComparison);
    mnuclearcompare->setEnabled(false);
}

void AscanToolsController::recordShown(int)
{
    // What the surface shows is measured: the gates and the range of the panel as shown. The
    // sample echo is drawn without its setup, so none of it is drawn, whatever the panel's
    // initial texts hold: no gate, no range scale.
    PanelTexts panel;
    if (m_window.setupDrawn()) {
        panel = m_window.displayedSnapshot().panel;
    } else {
        panel.setValue(u"txtgate", QString::fromUtf16(kOff));
        panel.setValue(u"txtgate2", QString::fromUtf16(kOff));
    }
    m_overlay->setMeasure(AscanMeasure(m_window.module().recbuf, panel));
    m_gateTable->showGates(m_overlay->measure().gates());
    if (m_comparedRow >= 0)
        refreshComparison(); // on the new record's axis, named in the legend
}

void AscanToolsController::showCursorReadout(int sample)
{
    m_cursorReadout->setText(sample == AscanOverlay::kNoCursor
                                 ? QString()
                                 : sampleReadout(m_overlay->measure().sample(sample)));
}

bool AscanToolsController::compareWith(int row)
{
    const Module1& module = m_window.module();
    if (row < 0 || row >= kMemoryCount || !module.marked[row]) {
        m_window.showStatus(tr("Nothing to compare: %1 holds no record.").arg(memoryName(row)),
                            5000);
        return false;
    }
    m_comparedRow = row;
    refreshComparison();
    return true;
}

void AscanToolsController::refreshComparison()
{
    const Module1& module = m_window.module();
    if (m_comparedRow < 0 || !module.marked[m_comparedRow]) {
        clearComparison();
        return;
    }
    const int row = m_comparedRow;
    compareWithRecord(module.membank[row], memoryName(row), memoryName(m_window.shownRow()));
    m_comparedRow = row;
}

void AscanToolsController::compareWithRecord(const Record& record, const QString& name,
                                             const QString& currentLegend)
{
    m_comparedRow = -1;
    // The other record's trace as the display would draw it, moved onto the sound-path axis of
    // the trace on display where both ranges have a number.
    const PanelTexts panel = panelTexts(record);
    const SoundPathAxis other{panel.number(u"txtdelay"), panel.number(u"txtrange")};
    AscanDrawing drawing;
    display_pattern(drawing, record);
    for (const AscanItem& item : drawing.items)
        if (const auto* trace = std::get_if<PolylineItem>(&item)) {
            const AscanMeasure& shown = m_overlay->measure();
            const auto moved = traceOnAxis(trace->points, other, {shown.delay(), shown.range()});
            m_overlay->setComparison(moved.value_or(trace->points), comparisonLegend(name, other),
                                     currentLegend);
            break;
        }
    mnuclearcompare->setEnabled(true);
}

QString AscanToolsController::comparisonLegend(const QString& name, SoundPathAxis other) const
{
    const AscanMeasure& shown = m_overlay->measure();
    if (other.range == 0 || !shown.hasSoundPath())
        return QStringLiteral("%1 (not to scale: no RANGE)").arg(name); // fixed, as memoryName
    if (other.range == shown.range() && other.delay == shown.delay())
        return name;
    return QStringLiteral("%1 (RANGE %2, DELAY %3)")
        .arg(name, measureNumber(other.range), measureNumber(other.delay));
}

void AscanToolsController::clearComparison()
{
    m_comparedRow = -1;
    m_overlay->clearComparison();
    mnuclearcompare->setEnabled(false);
}

void AscanToolsController::listMenuRequested(int row)
{
    m_menuRow = row;
    mnucompare->setEnabled(m_menuRow >= 0 && m_window.module().marked[m_menuRow]);
    mnucompareclear->setEnabled(m_comparedRow >= 0);
}

void AscanToolsController::copyAscan()
{
    QApplication::clipboard()->setImage(
        m_overlay->image(m_window.ascanDrawing(), kExportPixelsPerUnit));
    m_window.showStatus(tr("A-scan copied"), 3000);
}

bool AscanToolsController::saveImage(const QString& path)
{
    const AscanDrawing& model = m_window.ascanDrawing();
    const int row = m_window.shownRow();
    const Module1& module = m_window.module();
    const AscanImage image(
        [&](QPainter& painter) { m_overlay->paint(painter, model, false); },
        ascanCaption(row + 1, module.recbuf, row >= 0 ? module.bankPath() : QString()),
        kExportPixelsPerUnit);
    const bool svg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const QByteArray bytes = svg ? image.svg() : image.png();
    QSaveFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        m_window.showStatus(tr("A-scan image not saved to %1: %2").arg(path, file.errorString()));
        return false;
    }
    m_window.showStatus(tr("A-scan image saved to %1").arg(path), 5000);
    return true;
}

void AscanToolsController::askForImageFile()
{
    if (!m_saveDialog) {
        m_saveDialog = saveDialog(&m_window, "dlgsaveascan", tr("Save A-scan image"),
                                  {tr("PNG image (*.png)"), tr("SVG image (*.svg)")});
        connect(m_saveDialog, &QFileDialog::fileSelected, this,
                [this](const QString& path) { saveImage(path); });
    }
    m_saveDialog->open();
}

} // namespace quillon
