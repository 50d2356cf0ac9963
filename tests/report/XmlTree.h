#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamAttributes>

#include <memory>
#include <vector>

namespace quillon::test
{

// A small namespace-aware element tree read with QXmlStreamReader; text nodes are kept whole,
// white space included.
struct XmlNode {
    QString ns, name;
    QXmlStreamAttributes attributes;
    QString text; // the element's own character data
    XmlNode* parent = nullptr;
    std::vector<std::unique_ptr<XmlNode>> children;

    QString attr(const char* name) const
    {
        return attributes.value(QLatin1StringView(name)).toString();
    }
    QString attr(const QString& ns, const char* name) const
    {
        return attributes.value(ns, QLatin1StringView(name)).toString();
    }
    const XmlNode* child(const QString& ns, const char* name) const;
    std::vector<const XmlNode*> all(const QString& ns, const char* name) const; // descendants
    const XmlNode* ancestor(const QString& ns, const char* name) const;
    QString allText() const; // the text of all descendants, in order
};

// The document element, or null when the bytes are not well-formed XML.
std::unique_ptr<XmlNode> parseXml(const QByteArray& bytes, QString* error = nullptr);

} // namespace quillon::test
