#include "report/TableExport.h"

#include "core/BankTable.h"
#include "report/LocalPaper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace quillon
{

namespace
{
void appendCsvField(QByteArray& out, QStringView text)
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
        appendCsvField(out, trimmedCell(fields[i]));
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

// A workbook is written beside its target ("<path>.part") and moved over it once whole: a failure
// leaves nothing behind.
std::unique_ptr<lxw_workbook, WorkbookCloser> newWorkbook(const QString& partial)
{
    const QByteArray file = QFile::encodeName(partial);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE; // rows go out as written: a season of banks stays small
    return std::unique_ptr<lxw_workbook, WorkbookCloser>(
        workbook_new_opt(file.constData(), &options));
}

std::optional<QString> finishWorkbook(std::unique_ptr<lxw_workbook, WorkbookCloser> book,
                                      const QString& partial, const QString& path)
{
    const lxw_error result = workbook_close(book.release());
    if (result != LXW_NO_ERROR) {
        QFile::remove(partial);
        return QString::fromUtf8(lxw_strerror(result));
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        return QCoreApplication::translate("TableExport", "cannot replace the file");
    }
    return std::nullopt;
}

// The workbook's cell formats, each made once: texts a space in from the left edge, numbers and
// dates a space in from the right, so that neighbours never touch.
class CellFormats
{
public:
    explicit CellFormats(lxw_workbook* book) : m_book(book)
    {
        heading = workbook_add_format(book);
        format_set_bold(heading);
        format_set_bottom(heading, LXW_BORDER_THIN);
        format_set_indent(heading, 1);
        text = workbook_add_format(book);
        format_set_indent(text, 1);
        tested = rightAligned("yyyy-mm-dd hh:mm");
    }

    // Shows the number's decimals (up to three) and its unit as the cell's text has them.
    lxw_format* number(const CellNumber& n)
    {
        const int decimals = std::min(n.decimals, 3);
        QByteArray pattern("0");
        if (decimals > 0)
            pattern += '.' + QByteArray(decimals, '0');
        if (!n.unit.isEmpty())
            pattern += '"' + n.unit.toUtf8() + '"';
        lxw_format*& made = m_numbers[pattern];
        if (!made)
            made = rightAligned(pattern);
        return made;
    }

    lxw_format* heading;
    lxw_format* text;
    lxw_format* tested;

private:
    lxw_format* rightAligned(const QByteArray& pattern)
    {
        lxw_format* f = workbook_add_format(m_book);
        format_set_num_format(f, pattern.constData());
        format_set_align(f, LXW_ALIGN_RIGHT);
        format_set_indent(f, 1);
        return f;
    }

    lxw_workbook* m_book;
    std::map<QByteArray, lxw_format*> m_numbers;
};

// One cell of a row: a number cell where the text reads as one, else the trimmed text.
void writeCell(lxw_worksheet* sheet, lxw_row_t r, int c, QStringView text, CellFormats& formats)
{
    if (const auto n = cellNumber(text))
        worksheet_write_number(sheet, r, lxw_col_t(c), n->value, formats.number(*n));
    else if (const QStringView t = trimmedCell(text); !t.isEmpty())
        worksheet_write_string(sheet, r, lxw_col_t(c), t.toUtf8().constData(), formats.text);
}

// "2024-09-01T10:00" as a date cell; nothing for an empty text.
void writeTested(lxw_worksheet* sheet, lxw_row_t r, int c, const QString& text,
                 const CellFormats& formats)
{
    const QDateTime at = QDateTime::fromString(text, Qt::ISODate);
    if (!at.isValid())
        return;
    lxw_datetime cell{at.date().year(), at.date().month(),  at.date().day(),
                      at.time().hour(), at.time().minute(), 0};
    worksheet_write_datetime(sheet, r, lxw_col_t(c), &cell, formats.tested);
}

// Landscape on the locale's paper, the heading row on every page, the page number below.
void setUpPages(lxw_worksheet* sheet)
{
    worksheet_set_landscape(sheet);
    constexpr uint8_t kLetter = 1, kA4 = 9;
    worksheet_set_paper(sheet, localPaper().id() == QPageSize::Letter ? kLetter : kA4);
    worksheet_repeat_rows(sheet, 0, 0);
    worksheet_gridlines(sheet, LXW_SHOW_ALL_GRIDLINES);
    worksheet_set_footer(sheet, "&L&A&RPage &P of &N");
}
} // namespace

// Fixed: the files' headings and sheet names never follow the interface's language.
QByteArray csvOf(const TableRows& table)
{
    QByteArray text("\xEF\xBB\xBF");
    appendCsvRow(text, table.header());
    table.forEach([&text](const QStringList& texts, const Record&) { appendCsvRow(text, texts); });
    return text;
}

std::optional<QString> writeXlsx(const QString& path, const TableRows& table)
{
    const QString partial = path + QStringLiteral(".part");
    std::unique_ptr<lxw_workbook, WorkbookCloser> book = newWorkbook(partial);
    if (!book)
        return QCoreApplication::translate("TableExport", "cannot create the workbook");
    CellFormats formats(book.get());
    lxw_worksheet* bank = workbook_add_worksheet(book.get(), "Bank");
    lxw_worksheet* samples = workbook_add_worksheet(book.get(), "Samples");
    const QStringList header = table.header();
    const int columns = int(header.size());
    const int keys = std::min(table.keyColumns(), columns);
    const int tested = table.testedColumn();
    std::vector<double> widths(columns, 4.0);
    const auto widen = [&widths](int column, qsizetype length) {
        widths[column] = std::max(widths[column], std::min(60.0, length * 1.1 + 2));
    };

    setUpPages(bank);
    worksheet_fit_to_pages(bank, 1, 0);
    worksheet_freeze_panes(bank, 1, lxw_col_t(keys));
    for (int c = 0; c < columns; ++c) {
        const QByteArray heading = header[c].toUtf8();
        worksheet_write_string(bank, 0, lxw_col_t(c), heading.constData(), formats.heading);
        if (c < keys)
            worksheet_write_string(samples, 0, lxw_col_t(c), heading.constData(), formats.heading);
        widen(c, header[c].size() + 2); // and the filter's button
    }
    setUpPages(samples);
    worksheet_repeat_columns(samples, 0, lxw_col_t(std::max(keys, 1) - 1));
    worksheet_freeze_panes(samples, 1, lxw_col_t(keys));
    for (int i = 0; i < kSampleCount; ++i)
        worksheet_write_number(samples, 0, lxw_col_t(keys + i), i, formats.heading);

    lxw_row_t r = 1;
    table.forEach([&](const QStringList& texts, const Record& record) {
        for (int c = 0; c < std::min(columns, int(texts.size())); ++c) {
            const QString& text = texts[c];
            widen(c, trimmedCell(text).size());
            if (c == tested)
                writeTested(bank, r, c, text, formats);
            else
                writeCell(bank, r, c, text, formats);
            if (c < keys)
                writeCell(samples, r, c, text, formats);
        }
        for (int i = 0; i < kSampleCount; ++i)
            worksheet_write_number(samples, r, lxw_col_t(keys + i), record[i], nullptr);
        ++r;
    });
    for (int c = 0; c < columns; ++c) {
        worksheet_set_column(bank, lxw_col_t(c), lxw_col_t(c), widths[c], nullptr);
        if (c < keys)
            worksheet_set_column(samples, lxw_col_t(c), lxw_col_t(c), widths[c], nullptr);
    }
    if (columns > 0)
        worksheet_autofilter(bank, 0, 0, r - 1, lxw_col_t(columns - 1));

    return finishWorkbook(std::move(book), partial, path);
}

std::optional<QString> writeXlsxSheets(const QString& path, const std::vector<NamedSheet>& sheets)
{
    const QString partial = path + QStringLiteral(".part");
    std::unique_ptr<lxw_workbook, WorkbookCloser> book = newWorkbook(partial);
    if (!book)
        return QCoreApplication::translate("TableExport", "cannot create the workbook");
    CellFormats formats(book.get());
    for (const NamedSheet& named : sheets) {
        lxw_worksheet* sheet = workbook_add_worksheet(book.get(), named.name.toUtf8().constData());
        const QStringList header = named.table->header();
        const int columns = int(header.size());
        std::vector<double> widths(columns, 4.0);
        setUpPages(sheet);
        worksheet_fit_to_pages(sheet, 1, 0);
        worksheet_freeze_panes(sheet, 1, 0);
        for (int c = 0; c < columns; ++c) {
            worksheet_write_string(sheet, 0, lxw_col_t(c), header[c].toUtf8().constData(),
                                   formats.heading);
            widths[c] = std::max(widths[c], std::min(60.0, (header[c].size() + 2) * 1.1 + 2));
        }
        lxw_row_t r = 1;
        named.table->forEach([&](const QStringList& texts, const Record&) {
            for (int c = 0; c < std::min(columns, int(texts.size())); ++c) {
                widths[c] =
                    std::max(widths[c], std::min(60.0, trimmedCell(texts[c]).size() * 1.1 + 2));
                writeCell(sheet, r, c, texts[c], formats);
            }
            ++r;
        });
        for (int c = 0; c < columns; ++c)
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), widths[c], nullptr);
        if (columns > 0)
            worksheet_autofilter(sheet, 0, 0, r - 1, lxw_col_t(columns - 1));
    }
    return finishWorkbook(std::move(book), partial, path);
}

} // namespace quillon
