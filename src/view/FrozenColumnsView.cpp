#include "view/FrozenColumnsView.h"

#include <QHeaderView>
#include <QScrollBar>

namespace quillon
{

FrozenColumnsView::FrozenColumnsView(int frozenColumns, QWidget* parent)
    : QTableView(parent), m_count(frozenColumns), m_frozen(new QTableView(this))
{
    m_frozen->setObjectName(QStringLiteral("frozen"));
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->setFrameShape(QFrame::NoFrame);
    m_frozen->verticalHeader()->hide();
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollMode(ScrollPerPixel);
    m_frozen->horizontalHeader()->setSortIndicatorShown(true);
    m_frozen->horizontalHeader()->setSectionsClickable(true);
    m_frozen->horizontalHeader()->setHighlightSections(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(m_frozen);

    // Widths, heights, scrolling and the sort order follow each other both ways; a header
    // ignores a size or an order it already has, so nothing echoes back.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int c, int, int size) {
        if (c < m_count) {
            m_frozen->setColumnWidth(c, size);
            placeFrozenView();
        }
    });
    connect(m_frozen->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int c, int, int size) {
                if (c < m_count)
                    setColumnWidth(c, size);
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int size) { m_frozen->setRowHeight(row, size); });
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, m_frozen->horizontalHeader(),
            &QHeaderView::setSortIndicator);
    connect(m_frozen->horizontalHeader(), &QHeaderView::sortIndicatorChanged, horizontalHeader(),
            &QHeaderView::setSortIndicator);
    // A frozen cell takes the keyboard to the table, and opens and activates as any other.
    connect(m_frozen, &QAbstractItemView::pressed, this,
            [this] { setFocus(Qt::MouseFocusReason); });
    connect(m_frozen, &QAbstractItemView::doubleClicked, this, &QAbstractItemView::doubleClicked);
    connect(m_frozen, &QAbstractItemView::activated, this, &QAbstractItemView::activated);
}

void FrozenColumnsView::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this,
                &FrozenColumnsView::showFrozenColumns);
        connect(model, &QAbstractItemModel::columnsInserted, this,
                &FrozenColumnsView::showFrozenColumns);
    }
    showFrozenColumns();
}

void FrozenColumnsView::showFrozenColumns()
{
    if (!model())
        return;
    for (int c = 0; c < model()->columnCount(); ++c) {
        m_frozen->setColumnHidden(c, c >= m_count);
        if (c < m_count)
            m_frozen->setColumnWidth(c, columnWidth(c));
    }
    placeFrozenView();
}

int FrozenColumnsView::frozenWidth() const
{
    int width = 0;
    for (int c = 0; c < m_count; ++c)
        width += columnWidth(c);
    return width;
}

void FrozenColumnsView::placeFrozenView()
{
    // The look the table was given after it was made.
    m_frozen->setSelectionBehavior(selectionBehavior());
    m_frozen->setSelectionMode(selectionMode());
    m_frozen->setEditTriggers(editTriggers());
    m_frozen->setWordWrap(wordWrap());
    m_frozen->setIconSize(iconSize());
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_frozen->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    m_frozen->setGeometry(viewport()->x(), horizontalHeader()->y(), frozenWidth(),
                          horizontalHeader()->height() + viewport()->height());
    m_frozen->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void FrozenColumnsView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    placeFrozenView();
}

void FrozenColumnsView::showEvent(QShowEvent* event)
{
    QTableView::showEvent(event);
    placeFrozenView();
}

void FrozenColumnsView::updateGeometries()
{
    QTableView::updateGeometries();
    placeFrozenView();
}

QModelIndex FrozenColumnsView::moveCursor(CursorAction cursorAction,
                                          Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // A cell reached by moving left comes out from under the frozen columns.
    const int hidden = frozenWidth() - visualRect(current).left();
    if (cursorAction == MoveLeft && current.column() >= m_count && hidden > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
    return current;
}

void FrozenColumnsView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    // Up or down only for a frozen cell; any other comes out from under the frozen columns.
    const int across = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() < m_count) {
        horizontalScrollBar()->setValue(across);
        return;
    }
    const int hidden = frozenWidth() - visualRect(index).left();
    if (hidden > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
}

} // namespace quillon
