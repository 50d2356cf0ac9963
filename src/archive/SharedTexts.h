#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace quillon
{

// The texts of many rows read as few strings: a text met before is handed out as the same
// (implicitly shared) string, so that a million rows with a few hundred distinct classes, codes
// and names hold a few hundred strings, and reading a row allocates nothing for them.
class SharedTexts
{
public:
    QString text(const char* utf8, qsizetype size)
    {
        // Looked up without a copy; kept with one.
        const QByteArray probe = QByteArray::fromRawData(utf8, size);
        if (const auto it = m_texts.constFind(probe); it != m_texts.cend())
            return *it;
        QString made = QString::fromUtf8(utf8, size);
        m_texts.insert(QByteArray(utf8, size), made);
        return made;
    }

private:
    QHash<QByteArray, QString> m_texts;
};

// A location's history as an archive keeps it in its summary row: a JSON array of its classes.
QByteArray historyJson(const QStringList& classes);

// Histories read back: a season's rounds find most defects unchanged, so each distinct history
// is parsed once and handed out shared.
class SharedHistories
{
public:
    QStringList history(const char* json, qsizetype size);

private:
    QHash<QByteArray, QStringList> m_histories;
};

} // namespace quillon
