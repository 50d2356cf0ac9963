#include "view/BankOverviewWindow.h"

#include "view/BankOverviewProxy.h"
#include "view/BankTableModel.h"
#include "view/FrozenColumnsView.h"
#include "view/Widgets.h"
#include "view/WindowSettings.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

namespace quillon
{

namespace
{
using namespace std::chrono_literals;
// Saved column widths; the key changed when "Tested" joined the columns, so that widths saved
// before are not given to the columns after it.
const QString kColumnsKey = QStringLiteral("frmoverview/columnWidths");
// How long the window says where the table was exported.
constexpr auto kExportedShown = 15s;
} // namespace

BankOverviewWindow::BankOverviewWindow(BankTableModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model), m_proxy(new BankOverviewProxy(this))
{
    setObjectName(QStringLiteral("frmoverview"));
    setWindowTitle(tr("Bank overview"));
    m_proxy->setSourceModel(&model);

    txtfilter = named(new QLineEdit(this), "txtfilter");
    txtfilter->setPlaceholderText(tr("Filter: any text of a row, e.g. KM 121"));
    txtfilter->setClearButtonEnabled(true);
    chkall = named(new QCheckBox(tr("All 200 memories"), this), "chkall");
    cmdexport = named(new QPushButton(tr("Export table"), this), "cmdexport");
    lblcount = named(new QLabel(this), "lblcount");
    lblexported = named(new QLabel(this), "lblexported");
    lblexported->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_exportedShown = new QTimer(this);
    m_exportedShown->setSingleShot(true);
    m_exportedShown->setInterval(kExportedShown);
    connect(m_exportedShown, &QTimer::timeout, lblexported, &QLabel::clear);

    grdbank = named(new FrozenColumnsView(BankTableModel::Memory + 1, this), "grdbank");
    grdbank->setModel(m_proxy);
    grdbank->setSortingEnabled(true);
    grdbank->sortByColumn(BankTableModel::Memory, Qt::AscendingOrder);
    grdbank->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdbank->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdbank->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdbank->setWordWrap(false);
    grdbank->verticalHeader()->hide();
    const int thumbHeight = int(BankTableModel::kThumbnailWidth * 231.75 / 258.75) + 4;
    grdbank->verticalHeader()->setDefaultSectionSize(thumbHeight);
    grdbank->setIconSize(QSize(BankTableModel::kThumbnailWidth, thumbHeight - 4));
    grdbank->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdbank->setColumnWidth(BankTableModel::Thumbnail, BankTableModel::kThumbnailWidth + 8);
    grdbank->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(txtfilter, 1);
    top->addWidget(chkall);
    top->addWidget(cmdexport);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grdbank, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblcount);
    bottom->addStretch(1);
    bottom->addWidget(lblexported);
    layout->addLayout(bottom);
    resize(1000, 600);
    WindowSettings::keepGeometry(this);

    connect(txtfilter, &QLineEdit::textChanged, m_proxy, &BankOverviewProxy::setFilterText);
    connect(chkall, &QCheckBox::toggled, m_proxy, &BankOverviewProxy::setShowAll);
    connect(chkall, &QCheckBox::toggled, this, &BankOverviewWindow::fitColumns);
    connect(grdbank, &QAbstractItemView::doubleClicked, this, &BankOverviewWindow::rowActivated);
    connect(cmdexport, &QPushButton::clicked, this, &BankOverviewWindow::exportRequested);
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this, &BankOverviewWindow::showCount);
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, &BankOverviewWindow::showCount);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &BankOverviewWindow::showCount);
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &BankOverviewWindow::showCount);
    showCount();
}

bool BankOverviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grdbank && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && grdbank->currentIndex().isValid()) {
            emit rowActivated();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BankOverviewWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The widths the operator left last time, else every column fitted to its texts.
    if (!WindowSettings::restoreColumns(grdbank->horizontalHeader(), kColumnsKey))
        fitColumns();
}

void BankOverviewWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    WindowSettings::saveColumns(grdbank->horizontalHeader(), kColumnsKey);
}

void BankOverviewWindow::fitColumns()
{
    for (int c = BankTableModel::Memory; c < m_model.columnCount(); ++c)
        grdbank->resizeColumnToContents(c);
}

void BankOverviewWindow::showCount()
{
    const int shown = m_proxy->rowCount();
    lblcount->setText(m_proxy->showsAll() ? tr("%n of 200 memories shown", nullptr, shown)
                                          : tr("%n marked memories shown", nullptr, shown));
}

void BankOverviewWindow::showExported(const QString& path, int rows)
{
    const QString file = QDir::toNativeSeparators(path);
    // One memory has a text of its own: English has no translator to choose the numerus form.
    lblexported->setText(rows == 1
                             ? tr("Table written: %1 (1 memory)").arg(file)
                             : tr("Table written: %1 (%n memories)", nullptr, rows).arg(file));
    m_exportedShown->start();
}

QList<int> BankOverviewWindow::shownRows() const
{
    QList<int> rows;
    for (int r = 0; r < m_proxy->rowCount(); ++r)
        rows << m_proxy->mapToSource(m_proxy->index(r, 0)).row();
    return rows;
}

QStringList BankOverviewWindow::shownHeader() const
{
    QStringList header;
    for (int c = BankTableModel::Memory; c < m_model.columnCount(); ++c)
        header << m_model.columnHeading(c);
    return header;
}

QStringList BankOverviewWindow::rowTexts(int bankRow) const
{
    QStringList texts;
    for (int c = BankTableModel::Memory; c < m_model.columnCount(); ++c)
        texts << m_model.cellText(bankRow, c);
    return texts;
}

} // namespace quillon
