#include "report/TableExport.h"

#include "core/BankTable.h"

#include <QFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace quillon
{

namespace
{
void appendCsvField(QByteArray& out, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\r') &&
        !utf8.contains('\n')) {
        out += utf8;
        return;
    }
    out += '"';
    for (char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendCsvRow(QByteArray& out, const QStringList& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendCsvField(out, fields[i]);
    }
    out += "\r\n";
}

struct WorkbookCloser {
    void operator()(lxw_workbook* w) const
    {
        if (w)
            workbook_close(w);
    }
};

// A number format that shows as many decimals as the text has ("0.0" stays 0.0).
lxw_format* numberFormat(lxw_workbook* book, QStringView text, std::array<lxw_format*, 4>& made)
{
    const qsizetype point = text.indexOf(u'.');
    int decimals = 0;
    if (point >= 0)
        for (qsizetype i = point + 1; i < text.size() && text[i].isDigit(); ++i)
            ++decimals;
    decimals = std::min(decimals, 3);
    if (!made[decimals]) {
        made[decimals] = workbook_add_format(book);
        static const char* const patterns[] = {"0", "0.0", "0.00", "0.000"};
        format_set_num_format(made[decimals], patterns[decimals]);
    }
    return made[decimals];
}
} // namespace

QByteArray csvOf(const TableRows& table)
{
    QByteArray text("\xEF\xBB\xBF");
    appendCsvRow(text, table.header());
    table.forEach(
        [&text](const QStringList& texts, int, const Record&) { appendCsvRow(text, texts); });
    return text;
}

namespace
{
// A workbook written beside the target and moved over it once whole: a failure leaves nothing
// behind.
class PartialWorkbook
{
public:
    explicit PartialWorkbook(const QString& path)
        : m_path(path), m_partial(path + QStringLiteral(".part"))
    {
        const QByteArray file = QFile::encodeName(m_partial);
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE; // rows go out as written: a season stays small
        m_book.reset(workbook_new_opt(file.constData(), &options));
        if (m_book) {
            m_bold = workbook_add_format(m_book.get());
            format_set_bold(m_bold);
        }
    }

    lxw_workbook* book() const { return m_book.get(); }
    lxw_format* bold() const { return m_bold; }

    // A sheet with the heading and the table's rows; `eachRow` is called after each row with
    // its sheet row, memory and record.
    using Each = std::function<void(lxw_row_t, int, const Record&)>;
    void writeTable(lxw_worksheet* sheet, const TableRows& table, const Each& eachRow = {})
    {
        const QStringList header = table.header();
        const int columns = int(header.size());
        std::vector<double> widths(columns, 4.0);
        const auto widen = [&widths](int column, const QString& text) {
            widths[column] = std::max(widths[column], std::min(60.0, text.size() * 1.1 + 2));
        };
        worksheet_freeze_panes(sheet, 1, 0);
        for (int c = 0; c < columns; ++c) {
            worksheet_write_string(sheet, 0, lxw_col_t(c), header[c].toUtf8().constData(), m_bold);
            widen(c, header[c]);
        }
        lxw_row_t r = 1;
        table.forEach([&](const QStringList& texts, int memory, const Record& record) {
            for (int c = 0; c < std::min(columns, int(texts.size())); ++c) {
                const QString& text = texts[c];
                widen(c, text);
                if (isDecimalNumber(text))
                    worksheet_write_number(sheet, r, lxw_col_t(c), text.trimmed().toDouble(),
                                           numberFormat(m_book.get(), text, m_numberFormats));
                else
                    worksheet_write_string(sheet, r, lxw_col_t(c), text.toUtf8().constData(),
                                           nullptr);
            }
            if (eachRow)
                eachRow(r, memory, record);
            ++r;
        });
        for (int c = 0; c < columns; ++c)
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), widths[c], nullptr);
        if (columns > 0)
            worksheet_autofilter(sheet, 0, 0, r - 1, lxw_col_t(columns - 1));
    }

    std::optional<QString> finish()
    {
        const lxw_error result = workbook_close(m_book.release());
        if (result != LXW_NO_ERROR) {
            QFile::remove(m_partial);
            return QString::fromUtf8(lxw_strerror(result));
        }
        QFile::remove(m_path);
        if (!QFile::rename(m_partial, m_path)) {
            QFile::remove(m_partial);
            return QStringLiteral("cannot replace the file");
        }
        return std::nullopt;
    }

private:
    QString m_path;
    QString m_partial;
    std::unique_ptr<lxw_workbook, WorkbookCloser> m_book;
    lxw_format* m_bold = nullptr;
    std::array<lxw_format*, 4> m_numberFormats{};
};
} // namespace

std::optional<QString> writeXlsx(const QString& path, const TableRows& table)
{
    PartialWorkbook workbook(path);
    if (!workbook.book())
        return QStringLiteral("cannot create the workbook");
    lxw_worksheet* bank = workbook_add_worksheet(workbook.book(), "Bank");
    lxw_worksheet* samples = workbook_add_worksheet(workbook.book(), "Samples");
    worksheet_freeze_panes(samples, 1, 1);
    worksheet_write_string(samples, 0, 0, "memory", workbook.bold());
    for (int i = 0; i < kSampleCount; ++i)
        worksheet_write_number(samples, 0, lxw_col_t(i + 1), i, workbook.bold());
    workbook.writeTable(bank, table, [samples](lxw_row_t r, int memory, const Record& record) {
        worksheet_write_number(samples, r, 0, memory, nullptr);
        for (int i = 0; i < kSampleCount; ++i)
            worksheet_write_number(samples, r, lxw_col_t(i + 1), record[i], nullptr);
    });
    return workbook.finish();
}

std::optional<QString> writeXlsxSheets(const QString& path, const std::vector<NamedSheet>& sheets)
{
    PartialWorkbook workbook(path);
    if (!workbook.book())
        return QStringLiteral("cannot create the workbook");
    for (const NamedSheet& s : sheets)
        workbook.writeTable(workbook_add_worksheet(workbook.book(), s.name.toUtf8().constData()),
                            *s.table);
    return workbook.finish();
}

} // namespace quillon
