#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace kivora::test {

// A list of texts written as UTF-8 literals: texts({"05", "11"}).
inline QStringList texts(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

} // namespace kivora::test
