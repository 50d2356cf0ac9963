#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>

#include <optional>

namespace quillon
{

// A PDF on the locale's paper, with the program as its creator, painted and then put in place
// under its name only when complete: nothing half-written is ever left there.
class PdfFile
{
public:
    struct Page {
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        double marginMillimeters = 0; // on every side
        int dotsPerInch = 300;
    };
    // `title` is the document's own property (fixed, as every text of a file).
    PdfFile(const QString& path, const QString& title, const Page& page);
    ~PdfFile();

    // Opens the file and starts painting; false when it cannot be written.
    bool begin();
    QPdfWriter& writer() { return *m_writer; }
    QPainter& painter() { return m_painter; }
    // Ends painting and puts the file in place when `keep`, else drops it. False when the
    // complete file could not be put in place.
    bool finish(bool keep = true);

private:
    QSaveFile m_file;
    QString m_title;
    Page m_page;
    std::optional<QPdfWriter> m_writer;
    QPainter m_painter;
};

} // namespace quillon
