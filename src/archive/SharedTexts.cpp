#include "archive/SharedTexts.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace quillon
{

QByteArray historyJson(const QStringList& classes)
{
    return QJsonDocument(QJsonArray::fromStringList(classes)).toJson(QJsonDocument::Compact);
}

QStringList SharedHistories::history(const char* json, qsizetype size)
{
    const QByteArray probe = QByteArray::fromRawData(json, size);
    if (const auto it = m_histories.constFind(probe); it != m_histories.cend())
        return *it;
    QStringList classes;
    for (const QJsonValue& v : QJsonDocument::fromJson(probe).array())
        classes.append(v.toString());
    m_histories.insert(QByteArray(json, size), classes);
    return classes;
}

} // namespace quillon
