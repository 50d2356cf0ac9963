#pragma once

#include <QTableView>

namespace quillon
{

// A table whose first columns stay in view when it is scrolled right: a second view laid over
// its left edge shows them from the same model and selection, scrolls up and down with it and
// takes its column widths, row heights and sort order.
class FrozenColumnsView : public QTableView
{
    Q_OBJECT
public:
    FrozenColumnsView(int frozenColumns, QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // A frozen cell scrolls the table up or down only; any other also comes out from under the
    // frozen columns.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    // The view over the frozen columns.
    QTableView* frozenView() const { return m_frozen; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void updateGeometries() override;

private:
    // Which columns the frozen view shows, and its place and look.
    void showFrozenColumns();
    void placeFrozenView();
    int frozenWidth() const;

    int m_count;
    QTableView* m_frozen;
};

} // namespace quillon
