#pragma once

#include "core/DefectLocation.h"

#include <QAbstractTableModel>
#include <QHash>

#include <optional>

#include <vector>

namespace quillon
{

// The located defects of the register for a table, one row per location in the register's own
// order. Each column sorts by its value (the class by severity, the dates by time) through
// kSortRole.
class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        DivisionColumn,
        SectionColumn,
        KmColumn,
        RailColumn,
        LocationColumn,
        ClassColumn,
        FlawCodeColumn,
        TestsColumn,
        HistoryColumn,
        FirstColumn,
        LastColumn,
        MarksColumn,
        ColumnCount
    };
    static constexpr int kSortRole = Qt::UserRole;
    static constexpr int kKeyRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    // The register anew; the rows keep their location keys, so a view can find its selection
    // again.
    void setLocations(std::vector<DefectLocation> locations);
    const std::vector<DefectLocation>& locations() const { return m_locations; }
    const DefectLocation* location(const QString& key) const;
    // Keeps the tests of a location once they are read; the location, null when there is none.
    const DefectLocation* setTests(const QString& key, std::vector<RegisterTest> tests);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::optional<size_t> rowOf(const QString& key) const;

    std::vector<DefectLocation> m_locations;
    mutable QHash<QString, size_t> m_rowOf; // by location key, made on first use
};

} // namespace quillon
