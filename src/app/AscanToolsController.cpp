#include "app/AscanToolsController.h"

#include "app/MainWindow.h"
#include "core/AscanDrawingBuilder.h"
#include "core/AscanMeasure.h"
#include "core/AscanSvg.h"
#include "core/PaintedImage.h"
#include "view/AscanOverlay.h"
#include "view/AscanView.h"
#include "view/MemoryList.h"
#include "view/SaveDialog.h"
#include "view/Widgets.h"

#include <QApplication>
#include <QClipboard>
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
        QStringLiteral("Sample 249   Path 1234.56   Amplitude 100 %  ")));
    window.statusBar()->addPermanentWidget(m_cursorReadout);

    m_peakReadouts = named(new QLabel(&window), "lblpeaks");
    m_peakReadouts->setWordWrap(true);
    m_peakReadouts->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_peakReadouts->setFixedWidth(m_peakReadouts->fontMetrics().horizontalAdvance(
        QStringLiteral("Gate 1 peak 100 % at 1234.56 (sample 249),")));
    window.addBesidePanel(m_peakReadouts);

    QMenu* menu = named(window.menuBar()->addMenu(QStringLiteral("A-scan")), "mnuascan");
    mnucopyascan = named(menu->addAction(QStringLiteral("Copy A-scan")), "mnucopyascan");
    mnusaveascan = named(menu->addAction(QStringLiteral("Save A-scan image")), "mnusaveascan");
    menu->addSeparator();
    mnuwholetrace = named(menu->addAction(QStringLiteral("Whole trace")), "mnuwholetrace");
    mnuclearcompare = named(menu->addAction(QStringLiteral("Clear comparison")), "mnuclearcompare");

    m_listMenu = named(new QMenu(window.lstmem), "mnulstmem");
    mnucompare = named(m_listMenu->addAction(QStringLiteral("Compare with the trace on display")),
                       "mnucompare");
    mnucompareclear =
        named(m_listMenu->addAction(QStringLiteral("Clear comparison")), "mnucompareclear");
    window.lstmem->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(mnucopyascan, &QAction::triggered, this, &AscanToolsController::copyAscan);
    connect(mnusaveascan, &QAction::triggered, this, &AscanToolsController::askForImageFile);
    connect(mnuwholetrace, &QAction::triggered, m_overlay, &AscanOverlay::resetZoom);
    connect(mnuclearcompare, &QAction::triggered, this, &AscanToolsController::clearComparison);
    connect(mnucompareclear, &QAction::triggered, this, &AscanToolsController::clearComparison);
    connect(mnucompare, &QAction::triggered, this, [this] { compareWith(m_menuRow); });
    connect(window.lstmem, &QWidget::customContextMenuRequested, this,
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
    m_overlay->setMeasure(
        AscanMeasure(m_window.module().recbuf, m_window.displayedSnapshot().panel));
    showPeakReadouts();
    if (m_comparedRow >= 0)
        refreshComparison(); // the legend names the memory now on display
}

void AscanToolsController::showCursorReadout(int sample)
{
    m_cursorReadout->setText(sample == AscanOverlay::kNoCursor
                                 ? QString()
                                 : sampleReadout(m_overlay->measure().sample(sample)));
}

void AscanToolsController::showPeakReadouts()
{
    QStringList lines;
    for (const GateReading& gate : m_overlay->measure().gates())
        lines.append(gateReadout(gate));
    m_peakReadouts->setText(lines.join(u'\n'));
}

bool AscanToolsController::compareWith(int row)
{
    const Module1& module = m_window.module();
    if (row < 0 || row >= kMemoryCount || !module.marked[row]) {
        m_window.showStatus(
            QStringLiteral("Nothing to compare: %1 holds no record.").arg(memoryName(row)), 5000);
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

void AscanToolsController::compareWithRecord(const Record& record, const QString& legend,
                                             const QString& currentLegend)
{
    m_comparedRow = -1;
    // The other record's trace exactly as the display would draw it.
    AscanDrawing drawing;
    display_pattern(drawing, record);
    for (const AscanItem& item : drawing.items)
        if (const auto* trace = std::get_if<PolylineItem>(&item)) {
            m_overlay->setComparison(trace->points, legend, currentLegend);
            break;
        }
    mnuclearcompare->setEnabled(true);
}

void AscanToolsController::clearComparison()
{
    m_comparedRow = -1;
    m_overlay->clearComparison();
    mnuclearcompare->setEnabled(false);
}

void AscanToolsController::listMenuRequested(const QPoint& pos)
{
    MemoryList* list = m_window.lstmem;
    const QModelIndex index = list->indexAt(pos);
    m_menuRow = index.isValid() ? index.row() : list->firstSelectedRow();
    mnucompare->setEnabled(m_menuRow >= 0 && m_window.module().marked[m_menuRow]);
    mnucompareclear->setEnabled(m_comparedRow >= 0);
    m_listMenu->popup(list->viewport()->mapToGlobal(pos));
}

void AscanToolsController::copyAscan()
{
    QApplication::clipboard()->setImage(
        m_overlay->image(m_window.ascanDrawing(), kExportPixelsPerUnit));
    m_window.showStatus(QStringLiteral("A-scan copied"), 3000);
}

bool AscanToolsController::saveImage(const QString& path)
{
    const AscanDrawing& model = m_window.ascanDrawing();
    const bool svg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const QByteArray bytes =
        svg ? svgImage(QSizeF(kAscanWidth, kAscanHeight), kExportPixelsPerUnit,
                       [&](QPainter& painter) { m_overlay->paint(painter, model, false); })
            : pngBytes(m_overlay->image(model, kExportPixelsPerUnit));
    QSaveFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        m_window.showStatus(
            QStringLiteral("A-scan image not saved to %1: %2").arg(path, file.errorString()));
        return false;
    }
    m_window.showStatus(QStringLiteral("A-scan image saved to %1").arg(path), 5000);
    return true;
}

void AscanToolsController::askForImageFile()
{
    if (!m_saveDialog) {
        m_saveDialog =
            saveDialog(&m_window, "dlgsaveascan", QStringLiteral("Save A-scan image"),
                       {QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG image (*.svg)")});
        connect(m_saveDialog, &QFileDialog::fileSelected, this,
                [this](const QString& path) { saveImage(path); });
    }
    m_saveDialog->open();
}

} // namespace quillon
