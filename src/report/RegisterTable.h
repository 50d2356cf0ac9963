#pragma once

#include "core/DefectLocation.h"
#include "report/TableExport.h"

#include <vector>

namespace quillon
{

// The defect register as a table for the spreadsheet writers: one row per location (the
// register's own columns, named as the JSON output names them, the history as
// "OBS > OBS > IMR"), or one row per test of every location.
class RegisterTable : public TableRows
{
public:
    enum Rows { Locations, Tests };
    RegisterTable(const std::vector<DefectLocation>& locations, Rows rows)
        : m_locations(locations), m_rows(rows)
    {
    }

    QStringList header() const override;
    int keyColumns() const override { return 0; }
    int testedColumn() const override { return -1; }
    void forEach(const Row& row) const override;

private:
    const std::vector<DefectLocation>& m_locations;
    Rows m_rows;
};

// The register as CSV (one row per location) and as an XLSX workbook with a "Register" sheet and
// a "Tests" sheet.
QByteArray registerCsv(const std::vector<DefectLocation>& locations);
std::optional<QString> writeRegisterXlsx(const QString& path,
                                         const std::vector<DefectLocation>& locations);

} // namespace quillon
