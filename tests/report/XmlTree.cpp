#include "XmlTree.h"

#include <QXmlStreamReader>

namespace quillon::test
{

const XmlNode* XmlNode::child(const QString& ns, const char* name) const
{
    for (const auto& c : children)
        if (c->ns == ns && c->name == QLatin1StringView(name))
            return c.get();
    return nullptr;
}

namespace
{
void collect(const XmlNode& node, const QString& ns, const char* name,
             std::vector<const XmlNode*>& out)
{
    for (const auto& c : node.children) {
        if (c->ns == ns && c->name == QLatin1StringView(name))
            out.push_back(c.get());
        collect(*c, ns, name, out);
    }
}
} // namespace

std::vector<const XmlNode*> XmlNode::all(const QString& ns, const char* name) const
{
    std::vector<const XmlNode*> out;
    collect(*this, ns, name, out);
    return out;
}

const XmlNode* XmlNode::ancestor(const QString& ns, const char* name) const
{
    for (const XmlNode* p = parent; p; p = p->parent)
        if (p->ns == ns && p->name == QLatin1StringView(name))
            return p;
    return nullptr;
}

QString XmlNode::allText() const
{
    QString t = text;
    for (const auto& c : children)
        t += c->allText();
    return t;
}

std::unique_ptr<XmlNode> parseXml(const QByteArray& bytes, QString* error)
{
    QXmlStreamReader r(bytes);
    std::unique_ptr<XmlNode> root;
    XmlNode* current = nullptr;
    while (!r.atEnd()) {
        switch (r.readNext()) {
        case QXmlStreamReader::StartElement: {
            auto node = std::make_unique<XmlNode>();
            node->ns = r.namespaceUri().toString();
            node->name = r.name().toString();
            node->attributes = r.attributes();
            node->parent = current;
            XmlNode* raw = node.get();
            if (current)
                current->children.push_back(std::move(node));
            else
                root = std::move(node);
            current = raw;
            break;
        }
        case QXmlStreamReader::EndElement:
            current = current ? current->parent : nullptr;
            break;
        case QXmlStreamReader::Characters:
            if (current)
                current->text += r.text();
            break;
        default:
            break;
        }
    }
    if (r.hasError()) {
        if (error)
            *error = r.errorString();
        return nullptr;
    }
    return root;
}

} // namespace quillon::test
