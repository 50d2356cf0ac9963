#include "report/DocxDocument.h"

#include "report/DocxLayout.h"

#include <QDateTime>
#include <QXmlStreamWriter>

#include <functional>

namespace quillon::DocxDocument
{

namespace
{

using namespace DocxLayout;

constexpr char kNsW[] = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr char kNsR[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr char kNsWp[] = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
constexpr char kNsA[] = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr char kNsPic[] = "http://schemas.openxmlformats.org/drawingml/2006/picture";
constexpr char kNsWps[] = "http://schemas.microsoft.com/office/word/2010/wordprocessingShape";
constexpr char kNsMc[] = "http://schemas.openxmlformats.org/markup-compatibility/2006";
constexpr char kNsV[] = "urn:schemas-microsoft-com:vml";
constexpr char kNsO[] = "urn:schemas-microsoft-com:office:office";
constexpr char kNsW10[] = "urn:schemas-microsoft-com:office:word";
constexpr char kNsRel[] = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr char kRelTypeBase[] =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

constexpr char kFont[] = "Times New Roman";
constexpr char kPictureRelId[] = "rIdAscan";

// Stacking of the floating shapes: the picture, added last, lies on top.
constexpr qint64 kMenuZ = 251659264;
constexpr qint64 kNotesZ = 251660288;
constexpr qint64 kPictureZ = 251661312;

QByteArray xmlPart(const std::function<void(QXmlStreamWriter&)>& body)
{
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.writeStartDocument(QStringLiteral("1.0"), true);
    body(w);
    w.writeEndDocument();
    return bytes;
}

QString number(qint64 value)
{
    return QString::number(value);
}

QString halfPoints(double points)
{
    return QString::number(qRound(points * 2));
}

QString twips(double points)
{
    return QString::number(qRound(points * kTwipsPerPoint));
}

QString pt(double points)
{
    return QString::number(points) + QStringLiteral("pt");
}

void relationship(QXmlStreamWriter& w, const QString& id, const QString& type,
                  const QString& target)
{
    w.writeEmptyElement(QStringLiteral("Relationship"));
    w.writeAttribute(QStringLiteral("Id"), id);
    w.writeAttribute(QStringLiteral("Type"), type);
    w.writeAttribute(QStringLiteral("Target"), target);
}

void empty(QXmlStreamWriter& w, const char* name,
           std::initializer_list<std::pair<const char*, QString>> attributes = {})
{
    w.writeEmptyElement(QLatin1String(name));
    for (const auto& [key, value] : attributes)
        w.writeAttribute(QLatin1String(key), value);
}

// Run properties: Times New Roman, 12 pt, bold or regular.
void runProperties(QXmlStreamWriter& w, bool bold)
{
    w.writeStartElement(QStringLiteral("w:rPr"));
    empty(w, "w:rFonts",
          {{"w:ascii", kFont}, {"w:hAnsi", kFont}, {"w:cs", kFont}, {"w:eastAsia", kFont}});
    empty(w, "w:b", {{"w:val", bold ? QStringLiteral("1") : QStringLiteral("0")}});
    empty(w, "w:bCs", {{"w:val", bold ? QStringLiteral("1") : QStringLiteral("0")}});
    empty(w, "w:sz", {{"w:val", halfPoints(kFontPoints)}});
    empty(w, "w:szCs", {{"w:val", halfPoints(kFontPoints)}});
    w.writeEndElement();
}

void textRun(QXmlStreamWriter& w, const QString& text, bool bold)
{
    w.writeStartElement(QStringLiteral("w:r"));
    runProperties(w, bold);
    w.writeStartElement(QStringLiteral("w:t"));
    w.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    w.writeCharacters(xmlSafe(text));
    w.writeEndElement();
    w.writeEndElement();
}

// A paragraph of a text box: exactly one line of 12 pt, no space before or after.
void boxParagraph(QXmlStreamWriter& w, const QString& text)
{
    w.writeStartElement(QStringLiteral("w:p"));
    w.writeStartElement(QStringLiteral("w:pPr"));
    empty(w, "w:spacing",
          {{"w:before", QStringLiteral("0")},
           {"w:after", QStringLiteral("0")},
           {"w:line", twips(kLineSpacingPoints)},
           {"w:lineRule", QStringLiteral("exact")}});
    empty(w, "w:contextualSpacing");
    runProperties(w, false);
    w.writeEndElement();
    textRun(w, text, false);
    w.writeEndElement();
}

void boxContent(QXmlStreamWriter& w, const QStringList& lines)
{
    w.writeStartElement(QStringLiteral("w:txbxContent"));
    for (const QString& line : lines)
        boxParagraph(w, line);
    w.writeEndElement();
}

// The anchor of a floating shape placed relative to the page, in front of the text.
void startAnchor(QXmlStreamWriter& w, const QRectF& place, qint64 z, int id, const QString& name)
{
    w.writeStartElement(QStringLiteral("wp:anchor"));
    for (const char* side : {"distT", "distB", "distL", "distR"})
        w.writeAttribute(QLatin1String(side), QStringLiteral("0"));
    w.writeAttribute(QStringLiteral("simplePos"), QStringLiteral("0"));
    w.writeAttribute(QStringLiteral("relativeHeight"), number(z));
    w.writeAttribute(QStringLiteral("behindDoc"), QStringLiteral("0"));
    w.writeAttribute(QStringLiteral("locked"), QStringLiteral("0"));
    w.writeAttribute(QStringLiteral("layoutInCell"), QStringLiteral("1"));
    w.writeAttribute(QStringLiteral("allowOverlap"), QStringLiteral("1"));
    empty(w, "wp:simplePos", {{"x", QStringLiteral("0")}, {"y", QStringLiteral("0")}});
    w.writeStartElement(QStringLiteral("wp:positionH"));
    w.writeAttribute(QStringLiteral("relativeFrom"), QStringLiteral("page"));
    w.writeTextElement(QStringLiteral("wp:posOffset"), number(emu(place.left())));
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("wp:positionV"));
    w.writeAttribute(QStringLiteral("relativeFrom"), QStringLiteral("page"));
    w.writeTextElement(QStringLiteral("wp:posOffset"), number(emu(place.top())));
    w.writeEndElement();
    empty(w, "wp:extent",
          {{"cx", number(emu(place.width()))}, {"cy", number(emu(place.height()))}});
    empty(w, "wp:effectExtent",
          {{"l", QStringLiteral("0")},
           {"t", QStringLiteral("0")},
           {"r", QStringLiteral("0")},
           {"b", QStringLiteral("0")}});
    empty(w, "wp:wrapNone");
    empty(w, "wp:docPr", {{"id", QString::number(id)}, {"name", name}});
}

void shapeTransform(QXmlStreamWriter& w, const char* element, const QRectF& place)
{
    w.writeStartElement(QLatin1String(element));
    w.writeStartElement(QStringLiteral("a:xfrm"));
    empty(w, "a:off", {{"x", QStringLiteral("0")}, {"y", QStringLiteral("0")}});
    empty(w, "a:ext", {{"cx", number(emu(place.width()))}, {"cy", number(emu(place.height()))}});
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("a:prstGeom"));
    w.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
    empty(w, "a:avLst");
    w.writeEndElement();
}

// A rectangle with a text frame: a drawing shape for Word 2010 and later and LibreOffice, with a
// VML rectangle as the fallback for Word 2007.
void textBox(QXmlStreamWriter& w, const QRectF& place, qint64 z, int id, const QString& name,
             const QStringList& lines)
{
    w.writeStartElement(QStringLiteral("w:r"));
    w.writeStartElement(QStringLiteral("mc:AlternateContent"));
    w.writeStartElement(QStringLiteral("mc:Choice"));
    w.writeAttribute(QStringLiteral("Requires"), QStringLiteral("wps"));
    w.writeStartElement(QStringLiteral("w:drawing"));
    startAnchor(w, place, z, id, name);
    empty(w, "wp:cNvGraphicFramePr");
    w.writeStartElement(QStringLiteral("a:graphic"));
    w.writeStartElement(QStringLiteral("a:graphicData"));
    w.writeAttribute(QStringLiteral("uri"), QLatin1String(kNsWps));
    w.writeStartElement(QStringLiteral("wps:wsp"));
    empty(w, "wps:cNvSpPr");
    shapeTransform(w, "wps:spPr", place);
    w.writeStartElement(QStringLiteral("a:solidFill"));
    empty(w, "a:srgbClr", {{"val", QStringLiteral("FFFFFF")}});
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("a:ln"));
    w.writeAttribute(QStringLiteral("w"), QStringLiteral("9525"));
    w.writeStartElement(QStringLiteral("a:solidFill"));
    empty(w, "a:srgbClr", {{"val", QStringLiteral("000000")}});
    w.writeEndElement();
    w.writeEndElement(); // a:ln
    w.writeEndElement(); // wps:spPr
    w.writeStartElement(QStringLiteral("wps:txbx"));
    boxContent(w, lines);
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("wps:bodyPr"));
    w.writeAttribute(QStringLiteral("rot"), QStringLiteral("0"));
    w.writeAttribute(QStringLiteral("vert"), QStringLiteral("horz"));
    w.writeAttribute(QStringLiteral("wrap"), QStringLiteral("square"));
    w.writeAttribute(QStringLiteral("lIns"), number(emu(kBoxInsetLeft)));
    w.writeAttribute(QStringLiteral("tIns"), number(emu(kBoxInsetTopBottom)));
    w.writeAttribute(QStringLiteral("rIns"), number(emu(kBoxInsetRight)));
    w.writeAttribute(QStringLiteral("bIns"), number(emu(kBoxInsetTopBottom)));
    w.writeAttribute(QStringLiteral("anchor"), QStringLiteral("t"));
    w.writeAttribute(QStringLiteral("anchorCtr"), QStringLiteral("0"));
    empty(w, "a:noAutofit");
    w.writeEndElement(); // wps:bodyPr
    w.writeEndElement(); // wps:wsp
    w.writeEndElement(); // a:graphicData
    w.writeEndElement(); // a:graphic
    w.writeEndElement(); // wp:anchor
    w.writeEndElement(); // w:drawing
    w.writeEndElement(); // mc:Choice

    w.writeStartElement(QStringLiteral("mc:Fallback"));
    w.writeStartElement(QStringLiteral("w:pict"));
    w.writeStartElement(QStringLiteral("v:rect"));
    w.writeAttribute(QStringLiteral("id"), name);
    w.writeAttribute(QStringLiteral("o:spid"), QStringLiteral("_x0000_s%1").arg(1024 + id));
    w.writeAttribute(
        QStringLiteral("style"),
        QStringLiteral("position:absolute;margin-left:%1;margin-top:%2;width:%3;height:%4;"
                       "z-index:%5;mso-position-horizontal-relative:page;"
                       "mso-position-vertical-relative:page")
            .arg(pt(place.left()), pt(place.top()), pt(place.width()), pt(place.height()),
                 number(z)));
    w.writeAttribute(QStringLiteral("fillcolor"), QStringLiteral("white"));
    w.writeAttribute(QStringLiteral("strokecolor"), QStringLiteral("black"));
    w.writeAttribute(QStringLiteral("strokeweight"), QStringLiteral(".75pt"));
    w.writeStartElement(QStringLiteral("v:textbox"));
    w.writeAttribute(QStringLiteral("inset"),
                     QStringLiteral("%1,%2,%3,%2")
                         .arg(pt(kBoxInsetLeft), pt(kBoxInsetTopBottom), pt(kBoxInsetRight)));
    boxContent(w, lines);
    w.writeEndElement(); // v:textbox
    empty(w, "w10:wrap",
          {{"anchorx", QStringLiteral("page")}, {"anchory", QStringLiteral("page")}});
    w.writeEndElement(); // v:rect
    w.writeEndElement(); // w:pict
    w.writeEndElement(); // mc:Fallback
    w.writeEndElement(); // mc:AlternateContent
    w.writeEndElement(); // w:r
}

void picture(QXmlStreamWriter& w, const QRectF& place, qint64 z, int id, const QString& name)
{
    w.writeStartElement(QStringLiteral("w:r"));
    w.writeStartElement(QStringLiteral("w:drawing"));
    startAnchor(w, place, z, id, name);
    w.writeStartElement(QStringLiteral("wp:cNvGraphicFramePr"));
    empty(w, "a:graphicFrameLocks", {{"noChangeAspect", QStringLiteral("1")}});
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("a:graphic"));
    w.writeStartElement(QStringLiteral("a:graphicData"));
    w.writeAttribute(QStringLiteral("uri"), QLatin1String(kNsPic));
    w.writeStartElement(QStringLiteral("pic:pic"));
    w.writeStartElement(QStringLiteral("pic:nvPicPr"));
    empty(w, "pic:cNvPr", {{"id", QString::number(id)}, {"name", QStringLiteral("image1.png")}});
    empty(w, "pic:cNvPicPr");
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("pic:blipFill"));
    empty(w, "a:blip", {{"r:embed", QLatin1String(kPictureRelId)}});
    w.writeStartElement(QStringLiteral("a:stretch"));
    empty(w, "a:fillRect");
    w.writeEndElement();
    w.writeEndElement(); // pic:blipFill
    shapeTransform(w, "pic:spPr", place);
    w.writeEndElement(); // pic:spPr
    w.writeEndElement(); // pic:pic
    w.writeEndElement(); // a:graphicData
    w.writeEndElement(); // a:graphic
    w.writeEndElement(); // wp:anchor
    w.writeEndElement(); // w:drawing
    w.writeEndElement(); // w:r
}

void headingParagraph(QXmlStreamWriter& w, const QString& text,
                      const std::function<void()>& anchoredShapes = {})
{
    w.writeStartElement(QStringLiteral("w:p"));
    w.writeStartElement(QStringLiteral("w:pPr"));
    runProperties(w, true);
    w.writeEndElement();
    if (anchoredShapes)
        anchoredShapes();
    if (!text.isEmpty())
        textRun(w, text, true);
    w.writeEndElement();
}

void sectionProperties(QXmlStreamWriter& w, const QPageSize& page)
{
    // In twips from the size in millimetres, which is exact for both papers (A4 is 11906 x 16838).
    const QSizeF mm = page.size(QPageSize::Millimeter);
    const auto inTwips = [](double millimetres) {
        return QString::number(qRound(millimetres / 25.4 * 1440));
    };
    w.writeStartElement(QStringLiteral("w:sectPr"));
    empty(w, "w:pgSz", {{"w:w", inTwips(mm.width())}, {"w:h", inTwips(mm.height())}});
    empty(w, "w:pgMar",
          {{"w:top", twips(kTopMargin)},
           {"w:right", twips(kRightMargin)},
           {"w:bottom", twips(kBottomMargin)},
           {"w:left", twips(kLeftMargin)},
           {"w:header", QStringLiteral("720")},
           {"w:footer", QStringLiteral("720")},
           {"w:gutter", QStringLiteral("0")}});
    w.writeEndElement();
}

} // namespace

QString xmlSafe(const QString& text)
{
    QString safe = text;
    for (QChar& c : safe) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0xFFFE || u == 0xFFFF || c.isSurrogate())
            c = QLatin1Char('?');
    }
    return safe;
}

QByteArray contentTypes()
{
    return xmlPart([](QXmlStreamWriter& w) {
        w.writeStartElement(QStringLiteral("Types"));
        w.writeDefaultNamespace(
            QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
        const auto def = [&w](const char* ext, const char* type) {
            empty(w, "Default",
                  {{"Extension", QLatin1String(ext)}, {"ContentType", QLatin1String(type)}});
        };
        const auto part = [&w](const char* name, const char* type) {
            empty(w, "Override",
                  {{"PartName", QLatin1String(name)}, {"ContentType", QLatin1String(type)}});
        };
        def("rels", "application/vnd.openxmlformats-package.relationships+xml");
        def("xml", "application/xml");
        def("png", "image/png");
        part("/word/document.xml",
             "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
        part("/word/styles.xml",
             "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml");
        part("/word/settings.xml",
             "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml");
        part("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
        part("/docProps/app.xml",
             "application/vnd.openxmlformats-officedocument.extended-properties+xml");
        w.writeEndElement();
    });
}

QByteArray packageRelationships()
{
    return xmlPart([](QXmlStreamWriter& w) {
        w.writeStartElement(QStringLiteral("Relationships"));
        w.writeDefaultNamespace(QLatin1String(kNsRel));
        relationship(w, QStringLiteral("rId1"),
                     QLatin1String(kRelTypeBase) + QStringLiteral("officeDocument"),
                     QStringLiteral("word/document.xml"));
        relationship(w, QStringLiteral("rId2"),
                     QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships/"
                                    "metadata/core-properties"),
                     QStringLiteral("docProps/core.xml"));
        relationship(w, QStringLiteral("rId3"),
                     QLatin1String(kRelTypeBase) + QStringLiteral("extended-properties"),
                     QStringLiteral("docProps/app.xml"));
        w.writeEndElement();
    });
}

QByteArray documentRelationships()
{
    return xmlPart([](QXmlStreamWriter& w) {
        w.writeStartElement(QStringLiteral("Relationships"));
        w.writeDefaultNamespace(QLatin1String(kNsRel));
        relationship(w, QStringLiteral("rIdStyles"),
                     QLatin1String(kRelTypeBase) + QStringLiteral("styles"),
                     QStringLiteral("styles.xml"));
        relationship(w, QStringLiteral("rIdSettings"),
                     QLatin1String(kRelTypeBase) + QStringLiteral("settings"),
                     QStringLiteral("settings.xml"));
        relationship(w, QLatin1String(kPictureRelId),
                     QLatin1String(kRelTypeBase) + QStringLiteral("image"),
                     QStringLiteral("media/image1.png"));
        w.writeEndElement();
    });
}

QByteArray styles()
{
    return xmlPart([](QXmlStreamWriter& w) {
        w.writeStartElement(QStringLiteral("w:styles"));
        w.writeNamespace(QLatin1String(kNsW), QStringLiteral("w"));
        w.writeStartElement(QStringLiteral("w:docDefaults"));
        w.writeStartElement(QStringLiteral("w:rPrDefault"));
        runProperties(w, false);
        w.writeEndElement();
        w.writeStartElement(QStringLiteral("w:pPrDefault"));
        w.writeStartElement(QStringLiteral("w:pPr"));
        empty(w, "w:spacing",
              {{"w:before", QStringLiteral("0")},
               {"w:after", QStringLiteral("0")},
               {"w:line", QStringLiteral("240")},
               {"w:lineRule", QStringLiteral("auto")}});
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndElement(); // w:docDefaults

        // The normal style puts no space between paragraphs of the same style.
        w.writeStartElement(QStringLiteral("w:style"));
        w.writeAttribute(QStringLiteral("w:type"), QStringLiteral("paragraph"));
        w.writeAttribute(QStringLiteral("w:default"), QStringLiteral("1"));
        w.writeAttribute(QStringLiteral("w:styleId"), QStringLiteral("Normal"));
        empty(w, "w:name", {{"w:val", QStringLiteral("Normal")}});
        empty(w, "w:qFormat");
        w.writeStartElement(QStringLiteral("w:pPr"));
        empty(w, "w:contextualSpacing");
        w.writeEndElement();
        runProperties(w, false);
        w.writeEndElement();
        w.writeEndElement(); // w:styles
    });
}

QByteArray settings()
{
    return xmlPart([](QXmlStreamWriter& w) {
        w.writeStartElement(QStringLiteral("w:settings"));
        w.writeNamespace(QLatin1String(kNsW), QStringLiteral("w"));
        empty(w, "w:zoom", {{"w:percent", QStringLiteral("100")}});
        empty(w, "w:defaultTabStop", {{"w:val", QStringLiteral("720")}});
        empty(w, "w:characterSpacingControl", {{"w:val", QStringLiteral("doNotCompress")}});
        w.writeStartElement(QStringLiteral("w:compat"));
        empty(w, "w:compatSetting",
              {{"w:name", QStringLiteral("compatibilityMode")},
               {"w:uri", QStringLiteral("http://schemas.microsoft.com/office/word")},
               {"w:val", QStringLiteral("15")}});
        w.writeEndElement();
        w.writeEndElement();
    });
}

QByteArray coreProperties()
{
    return xmlPart([](QXmlStreamWriter& w) {
        w.writeStartElement(QStringLiteral("cp:coreProperties"));
        w.writeNamespace(
            QStringLiteral(
                "http://schemas.openxmlformats.org/package/2006/metadata/core-properties"),
            QStringLiteral("cp"));
        w.writeNamespace(QStringLiteral("http://purl.org/dc/elements/1.1/"), QStringLiteral("dc"));
        w.writeNamespace(QStringLiteral("http://purl.org/dc/terms/"), QStringLiteral("dcterms"));
        w.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"),
                         QStringLiteral("xsi"));
        w.writeTextElement(QStringLiteral("dc:title"), QStringLiteral("Ultrasonic Test Report"));
        w.writeTextElement(QStringLiteral("dc:creator"), QStringLiteral("Quillon"));
        const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
        for (const char* name : {"dcterms:created", "dcterms:modified"}) {
            w.writeStartElement(QLatin1String(name));
            w.writeAttribute(QStringLiteral("xsi:type"), QStringLiteral("dcterms:W3CDTF"));
            w.writeCharacters(now);
            w.writeEndElement();
        }
        w.writeEndElement();
    });
}

QByteArray appProperties()
{
    return xmlPart([](QXmlStreamWriter& w) {
        w.writeStartElement(QStringLiteral("Properties"));
        w.writeDefaultNamespace(QStringLiteral(
            "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"));
        w.writeTextElement(QStringLiteral("Application"), QStringLiteral("Quillon"));
        w.writeEndElement();
    });
}

QByteArray document(const DocxContent& content)
{
    return xmlPart([&content](QXmlStreamWriter& w) {
        w.writeStartElement(QStringLiteral("w:document"));
        w.writeNamespace(QLatin1String(kNsW), QStringLiteral("w"));
        w.writeNamespace(QLatin1String(kNsR), QStringLiteral("r"));
        w.writeNamespace(QLatin1String(kNsWp), QStringLiteral("wp"));
        w.writeNamespace(QLatin1String(kNsA), QStringLiteral("a"));
        w.writeNamespace(QLatin1String(kNsPic), QStringLiteral("pic"));
        w.writeNamespace(QLatin1String(kNsWps), QStringLiteral("wps"));
        w.writeNamespace(QLatin1String(kNsMc), QStringLiteral("mc"));
        w.writeNamespace(QLatin1String(kNsV), QStringLiteral("v"));
        w.writeNamespace(QLatin1String(kNsO), QStringLiteral("o"));
        w.writeNamespace(QLatin1String(kNsW10), QStringLiteral("w10"));
        w.writeStartElement(QStringLiteral("w:body"));

        // The shapes are anchored in the first paragraph, positioned on the page.
        const auto shapes = [&w, &content] {
            textBox(w, kMenuBox, kMenuZ, 1, QStringLiteral("Menu Data"), content.menuLines);
            textBox(w, kNotesBox, kNotesZ, 2, QStringLiteral("Notes"), content.noteLines);
            picture(w, kPicture, kPictureZ, 3, QStringLiteral("A Scan"));
        };
        const QStringList heading =
            content.heading.isEmpty() ? QStringList{QString()} : content.heading;
        for (qsizetype i = 0; i < heading.size(); ++i)
            headingParagraph(w, heading[i], i == 0 ? std::function<void()>(shapes) : nullptr);
        sectionProperties(w, content.page);
        w.writeEndElement(); // w:body
        w.writeEndElement(); // w:document
    });
}

} // namespace quillon::DocxDocument
