#pragma once

#include <QSortFilterProxyModel>

#include <optional>

namespace quillon
{

// The register as the window lists it: only the locations of the division, section and class
// chosen (empty: any), and of the worsened or mismatched ones when asked; sorted by a column's
// value when a heading is clicked, else in the register's order.
class RegisterFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit RegisterFilter(QObject* parent = nullptr);

    // None: any.
    void setDivision(const std::optional<QString>& division);
    void setSection(const std::optional<QString>& section);
    void setDefectClass(const std::optional<QString>& defectClass);
    void setWorsenedOnly(bool only);
    void setMismatchOnly(bool only);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    void changed();

    std::optional<QString> m_division;
    std::optional<QString> m_section;
    std::optional<QString> m_class;
    bool m_worsenedOnly = false;
    bool m_mismatchOnly = false;
};

} // namespace quillon
