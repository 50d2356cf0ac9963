#include "ReportTestData.h"

#include "core/PanelTexts.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <zip.h>

namespace quillon::test
{

PanelTexts namedPanel()
{
    PanelTexts panel;
    for (const PanelField& f : kPanelFields)
        panel.setValue(QString::fromLatin1(f.control), QString::fromLatin1(f.control));
    for (const PanelField& f : kReadoutFields)
        panel.setValue(QString::fromLatin1(f.control), QString::fromLatin1(f.control));
    panel.txttmdt = QStringLiteral("txttmdt");
    return panel;
}

QByteArray runTool(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

QString pdfText(const QString& pdf, int page)
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    args << pdf << QStringLiteral("-");
    // Some faces join "ff" into one glyph; compare the letters.
    return QString::fromUtf8(runTool(QStringLiteral("pdftotext"), args))
        .replace(QChar(0xFB00), QStringLiteral("ff"));
}

int pdfPageCount(const QString& pdf)
{
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {pdf}));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

PdfWord pdfWord(const QString& pdf, const QString& word, int page)
{
    const QString xml = QString::fromUtf8(
        runTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                 QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")}));
    const QRegularExpression re(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">%1</word>")
            .arg(QRegularExpression::escape(word)));
    const QRegularExpressionMatch m = re.match(xml);
    if (!m.hasMatch())
        return {};
    return {m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
            m.captured(4).toDouble(), true};
}

QString simplified(const QString& text)
{
    return text.simplified();
}

QStringList zipEntries(const QString& archive)
{
    QStringList names;
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!z)
        return names;
    const zip_int64_t count = zip_get_num_entries(z, 0);
    for (zip_int64_t i = 0; i < count; ++i)
        names.append(QString::fromUtf8(zip_get_name(z, zip_uint64_t(i), 0)));
    zip_close(z);
    return names;
}

QByteArray zipEntry(const QString& archive, const QString& name)
{
    QByteArray bytes;
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &error);
    if (!z)
        return bytes;
    zip_stat_t st;
    if (zip_stat(z, name.toUtf8().constData(), 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE)) {
        if (zip_file_t* f = zip_fopen(z, name.toUtf8().constData(), 0)) {
            bytes.resize(qsizetype(st.size));
            if (zip_fread(f, bytes.data(), st.size) != zip_int64_t(st.size))
                bytes.clear();
            zip_fclose(f);
        }
    }
    zip_close(z);
    return bytes;
}

} // namespace quillon::test
