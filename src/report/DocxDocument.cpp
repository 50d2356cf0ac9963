#include "report/DocxDocument.h"

#include "report/DocxLayout.h"

#include <QDateTime>
#include <QXmlStreamWriter>

#include <array>
#include <functional>

// Fixed: every text of the document is the report's format, English in every language.
namespace quillon::DocxDocument
{

namespace
{

using namespace DocxLayout;
using namespace Qt::StringLiterals;

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
    w.writeStartDocument(u"1.0"_s, true);
    body(w);
    w.writeEndDocument();
    return bytes;
}

QString emus(double points)
{
    return QString::number(emu(points));
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
    return QString::number(points) + u"pt"_s;
}

using Attributes = std::initializer_list<std::pair<const char*, QString>>;

void attributes(QXmlStreamWriter& w, Attributes list)
{
    for (const auto& [key, value] : list)
        w.writeAttribute(QLatin1String(key), value);
}

void empty(QXmlStreamWriter& w, const char* name, Attributes list = {})
{
    w.writeEmptyElement(QLatin1String(name));
    attributes(w, list);
}

void start(QXmlStreamWriter& w, const char* name, Attributes list = {})
{
    w.writeStartElement(QLatin1String(name));
    attributes(w, list);
}

// Closes the `count` innermost open elements.
void end(QXmlStreamWriter& w, int count)
{
    while (count-- > 0)
        w.writeEndElement();
}

// A relationships part: the id, type and target of each relationship.
QByteArray relationships(std::initializer_list<std::array<QString, 3>> list)
{
    return xmlPart([list](QXmlStreamWriter& w) {
        w.writeStartElement(u"Relationships"_s);
        w.writeDefaultNamespace(QLatin1String(kNsRel));
        for (const auto& [id, type, target] : list)
            empty(w, "Relationship", {{"Id", id}, {"Type", type}, {"Target", target}});
        w.writeEndElement();
    });
}

// No space before or after a paragraph, and its lines `line` twips apart as `rule` says.
void spacing(QXmlStreamWriter& w, const QString& line, const QString& rule)
{
    empty(w, "w:spacing", {{"w:before", u"0"_s}, {"w:after", u"0"_s}});
    attributes(w, {{"w:line", line}, {"w:lineRule", rule}});
}

// Run properties: Times New Roman, 12 pt, bold or regular.
void runProperties(QXmlStreamWriter& w, bool bold)
{
    w.writeStartElement(u"w:rPr"_s);
    empty(w, "w:rFonts",
          {{"w:ascii", kFont}, {"w:hAnsi", kFont}, {"w:cs", kFont}, {"w:eastAsia", kFont}});
    empty(w, "w:b", {{"w:val", bold ? u"1"_s : u"0"_s}});
    empty(w, "w:bCs", {{"w:val", bold ? u"1"_s : u"0"_s}});
    empty(w, "w:sz", {{"w:val", halfPoints(kFontPoints)}});
    empty(w, "w:szCs", {{"w:val", halfPoints(kFontPoints)}});
    w.writeEndElement();
}

void textRun(QXmlStreamWriter& w, const QString& text, bool bold)
{
    w.writeStartElement(u"w:r"_s);
    runProperties(w, bold);
    w.writeStartElement(u"w:t"_s);
    w.writeAttribute(u"xml:space"_s, u"preserve"_s);
    w.writeCharacters(xmlSafe(text));
    end(w, 2); // w:t, w:r
}

// A paragraph of a text box: exactly one line of 12 pt, no space before or after.
void boxParagraph(QXmlStreamWriter& w, const QString& text)
{
    w.writeStartElement(u"w:p"_s);
    w.writeStartElement(u"w:pPr"_s);
    spacing(w, twips(kLineSpacingPoints), u"exact"_s);
    empty(w, "w:contextualSpacing");
    runProperties(w, false);
    w.writeEndElement();
    textRun(w, text, false);
    w.writeEndElement();
}

void boxContent(QXmlStreamWriter& w, const QStringList& lines)
{
    w.writeStartElement(u"w:txbxContent"_s);
    for (const QString& line : lines)
        boxParagraph(w, line);
    w.writeEndElement();
}

// The anchor of a floating shape placed relative to the page, in front of the text.
void startAnchor(QXmlStreamWriter& w, const QRectF& place, qint64 z, int id, const QString& name)
{
    const QString zero = u"0"_s;
    const QString one = u"1"_s;
    start(w, "wp:anchor", {{"distT", zero}, {"distB", zero}, {"distL", zero}, {"distR", zero}});
    attributes(w,
               {{"simplePos", zero}, {"relativeHeight", QString::number(z)}, {"behindDoc", zero}});
    attributes(w, {{"locked", zero}, {"layoutInCell", one}, {"allowOverlap", one}});
    empty(w, "wp:simplePos", {{"x", zero}, {"y", zero}});
    for (const auto& [axis, offset] :
         {std::pair{"wp:positionH", place.left()}, std::pair{"wp:positionV", place.top()}}) {
        start(w, axis, {{"relativeFrom", u"page"_s}});
        w.writeTextElement(u"wp:posOffset"_s, emus(offset));
        w.writeEndElement();
    }
    empty(w, "wp:extent", {{"cx", emus(place.width())}, {"cy", emus(place.height())}});
    empty(w, "wp:effectExtent", {{"l", zero}, {"t", zero}, {"r", zero}, {"b", zero}});
    empty(w, "wp:wrapNone");
    empty(w, "wp:docPr", {{"id", QString::number(id)}, {"name", name}});
}

void shapeTransform(QXmlStreamWriter& w, const char* element, const QRectF& place)
{
    w.writeStartElement(QLatin1String(element));
    w.writeStartElement(u"a:xfrm"_s);
    empty(w, "a:off", {{"x", u"0"_s}, {"y", u"0"_s}});
    empty(w, "a:ext", {{"cx", emus(place.width())}, {"cy", emus(place.height())}});
    w.writeEndElement();
    start(w, "a:prstGeom", {{"prst", u"rect"_s}});
    empty(w, "a:avLst");
    w.writeEndElement();
}

// A rectangle with a text frame: a drawing shape for Word 2010 and later and LibreOffice, with a
// VML rectangle as the fallback for Word 2007.
void textBox(QXmlStreamWriter& w, const QRectF& place, qint64 z, int id, const QString& name,
             const QStringList& lines)
{
    w.writeStartElement(u"w:r"_s);
    w.writeStartElement(u"mc:AlternateContent"_s);
    start(w, "mc:Choice", {{"Requires", u"wps"_s}});
    w.writeStartElement(u"w:drawing"_s);
    startAnchor(w, place, z, id, name);
    empty(w, "wp:cNvGraphicFramePr");
    w.writeStartElement(u"a:graphic"_s);
    start(w, "a:graphicData", {{"uri", QLatin1String(kNsWps)}});
    w.writeStartElement(u"wps:wsp"_s);
    empty(w, "wps:cNvSpPr");
    shapeTransform(w, "wps:spPr", place);
    w.writeStartElement(u"a:solidFill"_s);
    empty(w, "a:srgbClr", {{"val", u"FFFFFF"_s}});
    w.writeEndElement();
    start(w, "a:ln", {{"w", u"9525"_s}});
    w.writeStartElement(u"a:solidFill"_s);
    empty(w, "a:srgbClr", {{"val", u"000000"_s}});
    end(w, 3); // a:solidFill, a:ln, wps:spPr
    w.writeStartElement(u"wps:txbx"_s);
    boxContent(w, lines);
    w.writeEndElement();
    start(w, "wps:bodyPr", {{"rot", u"0"_s}, {"vert", u"horz"_s}, {"wrap", u"square"_s}});
    attributes(w, {{"lIns", emus(kBoxInsetLeft)}, {"tIns", emus(kBoxInsetTopBottom)}});
    attributes(w, {{"rIns", emus(kBoxInsetRight)}, {"bIns", emus(kBoxInsetTopBottom)}});
    attributes(w, {{"anchor", u"t"_s}, {"anchorCtr", u"0"_s}});
    empty(w, "a:noAutofit");
    end(w, 7); // wps:bodyPr and the rest out to mc:Choice

    w.writeStartElement(u"mc:Fallback"_s);
    w.writeStartElement(u"w:pict"_s);
    start(w, "v:rect", {{"id", name}, {"o:spid", u"_x0000_s%1"_s.arg(1024 + id)}});
    w.writeAttribute(u"style"_s,
                     QStringLiteral("position:absolute;margin-left:%1;margin-top:%2;width:%3;"
                                    "height:%4;z-index:%5;mso-position-horizontal-relative:page;"
                                    "mso-position-vertical-relative:page")
                         .arg(pt(place.left()), pt(place.top()), pt(place.width()),
                              pt(place.height()), QString::number(z)));
    attributes(
        w, {{"fillcolor", u"white"_s}, {"strokecolor", u"black"_s}, {"strokeweight", u".75pt"_s}});
    start(w, "v:textbox",
          {{"inset",
            u"%1,%2,%3,%2"_s.arg(pt(kBoxInsetLeft), pt(kBoxInsetTopBottom), pt(kBoxInsetRight))}});
    boxContent(w, lines);
    w.writeEndElement(); // v:textbox
    empty(w, "w10:wrap", {{"anchorx", u"page"_s}, {"anchory", u"page"_s}});
    end(w, 5); // v:rect and the rest out to w:r
}

void picture(QXmlStreamWriter& w, const QRectF& place, qint64 z, int id, const QString& name)
{
    w.writeStartElement(u"w:r"_s);
    w.writeStartElement(u"w:drawing"_s);
    startAnchor(w, place, z, id, name);
    w.writeStartElement(u"wp:cNvGraphicFramePr"_s);
    empty(w, "a:graphicFrameLocks", {{"noChangeAspect", u"1"_s}});
    w.writeEndElement();
    w.writeStartElement(u"a:graphic"_s);
    start(w, "a:graphicData", {{"uri", QLatin1String(kNsPic)}});
    w.writeStartElement(u"pic:pic"_s);
    w.writeStartElement(u"pic:nvPicPr"_s);
    empty(w, "pic:cNvPr", {{"id", QString::number(id)}, {"name", u"image1.png"_s}});
    empty(w, "pic:cNvPicPr");
    w.writeEndElement();
    w.writeStartElement(u"pic:blipFill"_s);
    empty(w, "a:blip", {{"r:embed", QLatin1String(kPictureRelId)}});
    w.writeStartElement(u"a:stretch"_s);
    empty(w, "a:fillRect");
    end(w, 2); // a:stretch, pic:blipFill
    shapeTransform(w, "pic:spPr", place);
    end(w, 7); // pic:spPr and the rest out to w:r
}

void headingParagraph(QXmlStreamWriter& w, const QString& text,
                      const std::function<void()>& anchoredShapes = {})
{
    w.writeStartElement(u"w:p"_s);
    w.writeStartElement(u"w:pPr"_s);
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
    w.writeStartElement(u"w:sectPr"_s);
    empty(w, "w:pgSz", {{"w:w", inTwips(mm.width())}, {"w:h", inTwips(mm.height())}});
    empty(w, "w:pgMar", {{"w:top", twips(kTopMargin)}, {"w:right", twips(kRightMargin)}});
    attributes(w, {{"w:bottom", twips(kBottomMargin)}, {"w:left", twips(kLeftMargin)}});
    attributes(w, {{"w:header", u"720"_s}, {"w:footer", u"720"_s}, {"w:gutter", u"0"_s}});
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
        w.writeStartElement(u"Types"_s);
        w.writeDefaultNamespace(u"http://schemas.openxmlformats.org/package/2006/content-types"_s);
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
    const QString base = QLatin1String(kRelTypeBase);
    return relationships(
        {{u"rId1"_s, base + u"officeDocument"_s, u"word/document.xml"_s},
         {u"rId2"_s,
          QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships/"
                         "metadata/core-properties"),
          u"docProps/core.xml"_s},
         {u"rId3"_s, base + u"extended-properties"_s, u"docProps/app.xml"_s}});
}

QByteArray documentRelationships()
{
    const QString base = QLatin1String(kRelTypeBase);
    return relationships(
        {{u"rIdStyles"_s, base + u"styles"_s, u"styles.xml"_s},
         {u"rIdSettings"_s, base + u"settings"_s, u"settings.xml"_s},
         {QLatin1String(kPictureRelId), base + u"image"_s, u"media/image1.png"_s}});
}

QByteArray styles()
{
    return xmlPart([](QXmlStreamWriter& w) {
        w.writeStartElement(u"w:styles"_s);
        w.writeNamespace(QLatin1String(kNsW), u"w"_s);
        w.writeStartElement(u"w:docDefaults"_s);
        w.writeStartElement(u"w:rPrDefault"_s);
        runProperties(w, false);
        w.writeEndElement();
        w.writeStartElement(u"w:pPrDefault"_s);
        w.writeStartElement(u"w:pPr"_s);
        spacing(w, u"240"_s, u"auto"_s);
        end(w, 3); // w:pPr, w:pPrDefault, w:docDefaults

        // The normal style puts no space between paragraphs of the same style.
        start(w, "w:style",
              {{"w:type", u"paragraph"_s}, {"w:default", u"1"_s}, {"w:styleId", u"Normal"_s}});
        empty(w, "w:name", {{"w:val", u"Normal"_s}});
        empty(w, "w:qFormat");
        w.writeStartElement(u"w:pPr"_s);
        empty(w, "w:contextualSpacing");
        w.writeEndElement();
        runProperties(w, false);
        end(w, 2); // w:style, w:styles
    });
}

QByteArray settings()
{
    return xmlPart([](QXmlStreamWriter& w) {
        w.writeStartElement(u"w:settings"_s);
        w.writeNamespace(QLatin1String(kNsW), u"w"_s);
        empty(w, "w:zoom", {{"w:percent", u"100"_s}});
        empty(w, "w:defaultTabStop", {{"w:val", u"720"_s}});
        empty(w, "w:characterSpacingControl", {{"w:val", u"doNotCompress"_s}});
        w.writeStartElement(u"w:compat"_s);
        empty(w, "w:compatSetting",
              {{"w:name", u"compatibilityMode"_s},
               {"w:uri", u"http://schemas.microsoft.com/office/word"_s},
               {"w:val", u"15"_s}});
        end(w, 2); // w:compat, w:settings
    });
}

QByteArray coreProperties()
{
    return xmlPart([](QXmlStreamWriter& w) {
        w.writeStartElement(u"cp:coreProperties"_s);
        w.writeNamespace(
            QStringLiteral(
                "http://schemas.openxmlformats.org/package/2006/metadata/core-properties"),
            u"cp"_s);
        w.writeNamespace(u"http://purl.org/dc/elements/1.1/"_s, u"dc"_s);
        w.writeNamespace(u"http://purl.org/dc/terms/"_s, u"dcterms"_s);
        w.writeNamespace(u"http://www.w3.org/2001/XMLSchema-instance"_s, u"xsi"_s);
        w.writeTextElement(u"dc:title"_s, u"Ultrasonic Test Report"_s);
        w.writeTextElement(u"dc:creator"_s, u"Quillon"_s);
        const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
        for (const char* name : {"dcterms:created", "dcterms:modified"}) {
            start(w, name, {{"xsi:type", u"dcterms:W3CDTF"_s}});
            w.writeCharacters(now);
            w.writeEndElement();
        }
        w.writeEndElement();
    });
}

QByteArray appProperties()
{
    return xmlPart([](QXmlStreamWriter& w) {
        w.writeStartElement(u"Properties"_s);
        w.writeDefaultNamespace(QStringLiteral(
            "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"));
        w.writeTextElement(u"Application"_s, u"Quillon"_s);
        w.writeEndElement();
    });
}

QByteArray document(const DocxContent& content)
{
    return xmlPart([&content](QXmlStreamWriter& w) {
        w.writeStartElement(u"w:document"_s);
        for (const auto& [uri, prefix] : {std::pair{kNsW, "w"},
                                          {kNsR, "r"},
                                          {kNsWp, "wp"},
                                          {kNsA, "a"},
                                          {kNsPic, "pic"},
                                          {kNsWps, "wps"},
                                          {kNsMc, "mc"},
                                          {kNsV, "v"},
                                          {kNsO, "o"},
                                          {kNsW10, "w10"}})
            w.writeNamespace(QLatin1String(uri), QLatin1String(prefix));
        w.writeStartElement(u"w:body"_s);

        // The shapes are anchored in the first paragraph, positioned on the page.
        const auto shapes = [&w, &content] {
            textBox(w, kMenuBox, kMenuZ, 1, u"Menu Data"_s, content.menuLines);
            textBox(w, kNotesBox, kNotesZ, 2, u"Notes"_s, content.noteLines);
            picture(w, kPicture, kPictureZ, 3, u"A Scan"_s);
        };
        const QStringList heading =
            content.heading.isEmpty() ? QStringList{QString()} : content.heading;
        for (qsizetype i = 0; i < heading.size(); ++i)
            headingParagraph(w, heading[i], i == 0 ? std::function<void()>(shapes) : nullptr);
        sectionProperties(w, content.page);
        end(w, 2); // w:body, w:document
    });
}

} // namespace quillon::DocxDocument
