#include "view/RegisterFilter.h"

#include "view/RegisterModel.h"

namespace quillon
{

RegisterFilter::RegisterFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(RegisterModel::kSortRole);
}

void RegisterFilter::setDivision(const std::optional<QString>& division)
{
    m_division = division;
    changed();
}

void RegisterFilter::setSection(const std::optional<QString>& section)
{
    m_section = section;
    changed();
}

void RegisterFilter::setDefectClass(const std::optional<QString>& defectClass)
{
    m_class = defectClass;
    changed();
}

void RegisterFilter::setWorsenedOnly(bool only)
{
    m_worsenedOnly = only;
    changed();
}

void RegisterFilter::setMismatchOnly(bool only)
{
    m_mismatchOnly = only;
    changed();
}

void RegisterFilter::changed()
{
    invalidateFilter();
}

bool RegisterFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto* model = qobject_cast<const RegisterModel*>(sourceModel());
    if (!model || sourceRow >= int(model->locations().size()))
        return false;
    const DefectLocation& l = model->locations()[size_t(sourceRow)];
    return (!m_division || l.division == *m_division) && (!m_section || l.section == *m_section) &&
           (!m_class || l.latest().defectClass == *m_class) && (!m_worsenedOnly || l.worsened) &&
           (!m_mismatchOnly || l.prevMismatch);
}

} // namespace quillon
