#pragma once

#include <QSortFilterProxyModel>

namespace quillon
{

// The overview's rows: the marked memories (or all 200), those whose texts contain the filter
// (case-insensitive), sorted by number where a column's texts have one and as text otherwise;
// "Tested" in the order the memories were tested, those without a date last.
class BankOverviewProxy : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit BankOverviewProxy(QObject* parent = nullptr);

    void setShowAll(bool all);
    bool showsAll() const { return m_all; }
    void setFilterText(const QString& text);
    // True while rows are being taken away or rearranged (a selection change then is no choice).
    bool isChangingRows() const { return m_changing; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    bool m_all = false;
    QString m_needle;
    bool m_changing = false;
};

} // namespace quillon
