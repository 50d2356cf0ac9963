#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QStringList>

namespace quillon
{

// The content of the report document: the heading paragraphs, the menu data and note lines of the
// two text boxes, and the A-scan block picture.
struct DocxContent {
    QStringList heading;
    QStringList menuLines;
    QStringList noteLines;
    QByteArray picturePng;
    QPageSize page{QPageSize::A4}; // the paper the page is laid out on
};

// The XML parts of an Office Open XML word-processing package holding the report.
namespace DocxDocument
{

inline constexpr char kPicturePart[] = "word/media/image1.png";

QByteArray contentTypes();
QByteArray packageRelationships();
QByteArray documentRelationships();
QByteArray styles();
QByteArray settings();
QByteArray coreProperties();
QByteArray appProperties();
QByteArray document(const DocxContent& content);

// A text as a document can hold it: characters that XML 1.0 cannot carry, and line and tab
// controls that would change the layout, become '?'.
QString xmlSafe(const QString& text);

} // namespace DocxDocument

} // namespace quillon
