#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace quillon::cli
{

// Writes compact JSON as the commands print it: integers without a decimal point, a text's
// characters as themselves (UTF-8), control characters (C0, DEL and C1) escaped as \u00XX.
// Commas between members and elements are placed by the writer.
class JsonWriter
{
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(const char* name);

    void value(int v);
    void value(double v);
    void value(bool v);
    void value(const QString& text);
    void value(const char* text) { value(QString::fromLatin1(text)); }

    // A member in one call: key(name) then value(v).
    template <typename T> void member(const char* name, const T& v)
    {
        key(name);
        value(v);
    }
    // A member whose value is an array of texts (a QStringList, or any container of QString).
    template <typename Texts> void textsMember(const char* name, const Texts& texts)
    {
        key(name);
        beginArray();
        for (const QString& text : texts)
            value(text);
        endArray();
    }

    // The document, followed by a line end.
    QByteArray finish() const { return m_out + '\n'; }

    // A text as a JSON string literal, quotes included.
    static QByteArray quoted(const QString& text);

private:
    void separate();
    void open(char bracket);
    void close(char bracket);
    QByteArray m_out;
    QVector<bool> m_first; // per open container: nothing written into it yet
    bool m_afterKey = false;
};

} // namespace quillon::cli
