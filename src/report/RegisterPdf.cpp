#include "report/RegisterPdf.h"

#include "report/PdfFile.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace quillon
{

namespace
{
constexpr double kMarginMillimeters = 10;
constexpr int kDotsPerInch = 300;
constexpr int kTextPoints = 7;
constexpr int kTitlePoints = 14;
const QColor kWorsenedFill(255, 214, 214);
const QColor kMismatchFill(255, 243, 191);
// Fixed: the register's page is a document of record, English in every language.
const QString kLegend = QStringLiteral(
    "Red: WORSENED, the class is worse than at the test before.   Yellow: PREV. MISMATCH, the "
    "previous class written at the latest test is not the class recorded at the test before.");

struct Column {
    const char* title;
    int share; // of the page's width
};
constexpr std::array<Column, 14> kColumns{{{"Division", 7},
                                           {"Section", 8},
                                           {"Km. Post", 7},
                                           {"Rail", 5},
                                           {"Location", 12},
                                           {"Class", 4},
                                           {"Flaw Code", 7},
                                           {"Tests", 4},
                                           {"History", 16},
                                           {"First", 11},
                                           {"Last", 11},
                                           {"Mem", 4},
                                           {"Operator", 11},
                                           {"Marks", 17}}};

QStringList lineTexts(const DefectLocation& l)
{
    QStringList marks;
    if (l.worsened)
        marks << QStringLiteral("WORSENED");
    if (l.prevMismatch)
        marks << QStringLiteral("PREV. MISMATCH");
    const RegisterTest& last = l.latest();
    return {l.division,
            l.section,
            l.km,
            l.rail,
            l.location,
            last.defectClass,
            last.flawCode,
            QString::number(l.inspections),
            historyText(l, HistoryForm::Short),
            clockIsoText(l.firstMs).replace(u'T', u' '),
            clockIsoText(last.testedMs).replace(u'T', u' '),
            QString::number(last.memory),
            last.operatorName,
            marks.join(QStringLiteral(", "))};
}

// Paints one row of cells; `bold` for the heading row.
void paintRow(QPainter& painter, const QStringList& texts, const std::vector<QRectF>& cells,
              double top, double height)
{
    const QFontMetricsF metrics(painter.font());
    for (size_t c = 0; c < cells.size(); ++c) {
        const QRectF cell(cells[c].left(), top, cells[c].width(), height);
        const double pad = metrics.averageCharWidth() / 2;
        painter.drawText(cell.adjusted(pad, 0, -pad, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(texts[int(c)], Qt::ElideRight, cell.width() - 2 * pad));
    }
}
} // namespace

ReportError writeRegisterPdf(const QString& path, const std::vector<DefectLocation>& locations,
                             const QString& source, const QDateTime& madeAt)
{
    PdfFile pdf(path, QStringLiteral("Defect register"),
                {QPageLayout::Landscape, kMarginMillimeters, kDotsPerInch});
    if (!pdf.begin())
        return ReportError::OutputNotWritable;
    {
        QPdfWriter& writer = pdf.writer();
        QPainter& painter = pdf.painter();
        const double width = writer.width();
        const double height = writer.height();
        QFont text(QStringLiteral("DejaVu Sans"));
        // The columns are laid out for A4; a narrower paper (Letter) takes the text a little
        // smaller, so that every column keeps what it holds on A4.
        const double a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter).height() -
                          2 * kMarginMillimeters; // landscape: its long side across
        const double printable = writer.pageLayout().paintRect(QPageLayout::Millimeter).width();
        text.setPointSizeF(kTextPoints * std::min(1.0, printable / a4));
        // No ligatures: a path or a place name copied out of the page must be the letters typed.
        text.setStyleStrategy(QFont::PreferNoShaping);
        QFont bold = text;
        bold.setBold(true);
        QFont title = bold;
        title.setPointSize(kTitlePoints);
        const double line = QFontMetricsF(text, &writer).height() * 1.5;
        const double titleHeight = QFontMetricsF(title, &writer).height() * 1.4;
        const double headingBottom = titleHeight + 3 * line;
        const double footTop = height - line;

        std::vector<QRectF> cells;
        int shares = 0;
        for (const Column& c : kColumns)
            shares += c.share;
        double x = 0;
        for (const Column& c : kColumns) {
            cells.emplace_back(x, 0, width * c.share / shares, line);
            x += cells.back().width();
        }
        QStringList titles;
        for (const Column& c : kColumns)
            titles << QString::fromLatin1(c.title);

        const int perPage = std::max(1, int((footTop - headingBottom - line) / line));
        const int pages = std::max(1, int((locations.size() + perPage - 1) / perPage));
        const QString sourceLine = [&] {
            const QString after = QStringLiteral("      Date of report: %1      Locations: %2")
                                      .arg(madeAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
                                      .arg(locations.size());
            const QString before = QStringLiteral("Source: ");
            // A long path gives up its middle, never the date and the count after it.
            const QFontMetricsF metrics(text, &writer);
            const double room = width - metrics.horizontalAdvance(before + after);
            return before + metrics.elidedText(source, Qt::ElideMiddle, room) + after;
        }();
        size_t next = 0;
        for (int page = 1; page <= pages; ++page) {
            if (page > 1 && !writer.newPage()) {
                pdf.finish(false);
                return ReportError::PageNotStarted;
            }
            painter.setFont(title);
            painter.drawText(QRectF(0, 0, width, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("Defect register"));
            painter.setFont(text);
            painter.drawText(QRectF(0, titleHeight, width, line), Qt::AlignLeft | Qt::AlignVCenter,
                             sourceLine);
            painter.drawText(QRectF(0, titleHeight + line, width, line),
                             Qt::AlignLeft | Qt::AlignVCenter, kLegend);
            painter.setFont(bold);
            const double tableTop = headingBottom;
            paintRow(painter, titles, cells, tableTop, line);
            painter.drawLine(QPointF(0, tableTop + line), QPointF(width, tableTop + line));
            painter.setFont(text);
            double y = tableTop + line;
            for (int i = 0; i < perPage && next < locations.size(); ++i, ++next) {
                const DefectLocation& l = locations[next];
                if (l.worsened || l.prevMismatch)
                    painter.fillRect(QRectF(0, y, width, line),
                                     l.worsened ? kWorsenedFill : kMismatchFill);
                paintRow(painter, lineTexts(l), cells, y, line);
                y += line;
            }
            painter.drawText(QRectF(0, footTop, width, line), Qt::AlignRight | Qt::AlignVCenter,
                             QStringLiteral("Page %1 of %2").arg(page).arg(pages));
        }
    }
    return pdf.finish() ? ReportError::None : ReportError::OutputNotCommitted;
}

} // namespace quillon
