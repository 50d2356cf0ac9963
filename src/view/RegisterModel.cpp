#include "view/RegisterModel.h"

#include <QBrush>
#include <QColor>
#include <QDateTime>
#include <QLocale>

namespace quillon
{

namespace
{
QString shownDate(qint64 testedMs)
{
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(testedMs, Qt::UTC).date(),
                              QLocale::ShortFormat);
}
} // namespace

void RegisterModel::setLocations(std::vector<DefectLocation> locations)
{
    beginResetModel();
    m_locations = std::move(locations);
    m_rowOf.clear();
    endResetModel();
}

std::optional<size_t> RegisterModel::rowOf(const QString& key) const
{
    if (m_rowOf.isEmpty())
        for (size_t row = 0; row < m_locations.size(); ++row)
            m_rowOf.insert(m_locations[row].key, row);
    const auto it = m_rowOf.constFind(key);
    return it == m_rowOf.cend() ? std::nullopt : std::optional<size_t>(*it);
}

const DefectLocation* RegisterModel::location(const QString& key) const
{
    const std::optional<size_t> row = rowOf(key);
    return row ? &m_locations[*row] : nullptr;
}

const DefectLocation* RegisterModel::setTests(const QString& key, std::vector<RegisterTest> tests)
{
    const std::optional<size_t> row = rowOf(key);
    if (!row)
        return nullptr;
    m_locations[*row].tests = std::move(tests);
    return &m_locations[*row];
}

int RegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_locations.size());
}

int RegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_locations.size()))
        return {};
    const DefectLocation& l = m_locations[size_t(index.row())];
    const RegisterTest& last = l.latest();
    if (role == kKeyRole)
        return l.key;
    if (role == Qt::BackgroundRole) {
        if (l.worsened)
            return QBrush(QColor(255, 214, 214));
        if (l.prevMismatch)
            return QBrush(QColor(255, 243, 191));
        return {};
    }
    if (role == kSortRole) {
        switch (index.column()) {
        case ClassColumn:
            return int(l.severity);
        case TestsColumn:
            return l.inspections;
        case FirstColumn:
            return l.firstMs;
        case LastColumn:
            return last.testedMs;
        case MarksColumn:
            return int(l.worsened) * 2 + int(l.prevMismatch);
        default:
            return data(index, Qt::DisplayRole).toString().toUpper();
        }
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case DivisionColumn:
        return l.division;
    case SectionColumn:
        return l.section;
    case KmColumn:
        return l.km;
    case RailColumn:
        return l.rail;
    case LocationColumn:
        return l.location;
    case ClassColumn:
        return last.defectClass;
    case FlawCodeColumn:
        return last.flawCode;
    case TestsColumn:
        return l.inspections;
    case HistoryColumn:
        return historyText(l, role == Qt::ToolTipRole ? HistoryForm::Full : HistoryForm::Short);
    case FirstColumn:
        return shownDate(l.firstMs);
    case LastColumn:
        return shownDate(last.testedMs);
    case MarksColumn: {
        QStringList marks;
        if (l.worsened)
            marks << tr("Worsened");
        if (l.prevMismatch)
            marks << tr("Previous class differs");
        return marks.join(QStringLiteral(", "));
    }
    }
    return {};
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DivisionColumn:
        return tr("Division");
    case SectionColumn:
        return tr("Section");
    case KmColumn:
        return tr("Km. Post");
    case RailColumn:
        return tr("Rail");
    case LocationColumn:
        return tr("Location");
    case ClassColumn:
        return tr("Class");
    case FlawCodeColumn:
        return tr("Flaw Code");
    case TestsColumn:
        return tr("Tests");
    case HistoryColumn:
        return tr("History");
    case FirstColumn:
        return tr("First");
    case LastColumn:
        return tr("Last");
    case MarksColumn:
        return tr("Marks");
    }
    return {};
}

} // namespace quillon
