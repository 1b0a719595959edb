#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace kivora::test {

// A text written as a UTF-8 literal: s("6 из 45").
inline QString s(const char *text)
{
    return QString::fromUtf8(text);
}

// A list of texts written as UTF-8 literals: texts({"05", "11"}).
inline QStringList texts(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

} // namespace kivora::test
