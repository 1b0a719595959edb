#pragma once

// A small JSON writer that keeps keys in the order they are written (QJsonObject
// sorts them), for output that reads like the documentation.

#include <QString>

namespace kivora::cli {

class JsonWriter final
{
public:
    JsonWriter &beginObject();
    JsonWriter &endObject();
    JsonWriter &beginArray();
    JsonWriter &endArray();
    JsonWriter &key(const QString &name);
    JsonWriter &value(const QString &text);
    JsonWriter &value(qint64 number);
    JsonWriter &value(int number) { return value(qint64(number)); }
    JsonWriter &value(bool flag);
    // A real number in the fewest digits that read back as the same number; null when
    // it is not finite.
    JsonWriter &value(double number);
    JsonWriter &null();
    // Where the rows of a table go after a key: the renderer writes them there, sorted
    // and cut as asked. The writing goes on as after a value.
    JsonWriter &rowsSlot();
    int rowsAt() const { return m_rowsAt; }

    const QString &text() const { return m_text; }
    static QString quote(const QString &text);

private:
    void separate();
    QString m_text;
    bool m_needComma = false;
    int m_rowsAt = -1;
};

} // namespace kivora::cli
