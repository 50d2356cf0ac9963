#include "report/PdfFile.h"

#include "report/LocalPaper.h"

namespace quillon
{

PdfFile::PdfFile(const QString& path, const QString& title, const Page& page)
    : m_file(path), m_title(title), m_page(page)
{
}

PdfFile::~PdfFile()
{
    finish(false);
}

bool PdfFile::begin()
{
    if (!m_file.open(QIODevice::WriteOnly))
        return false;
    m_writer.emplace(&m_file);
    m_writer->setResolution(m_page.dotsPerInch);
    m_writer->setCreator(QStringLiteral("Quillon"));
    m_writer->setTitle(m_title);
    const double m = m_page.marginMillimeters;
    m_writer->setPageLayout(QPageLayout(localPaper(), m_page.orientation, QMarginsF(m, m, m, m),
                                        QPageLayout::Millimeter));
    if (m_painter.begin(&*m_writer))
        return true;
    finish(false);
    return false;
}

bool PdfFile::finish(bool keep)
{
    if (m_painter.isActive())
        m_painter.end();
    m_writer.reset();
    if (!m_file.isOpen())
        return false;
    if (keep)
        return m_file.commit();
    m_file.cancelWriting();
    return false;
}

} // namespace quillon
