#pragma once

// The named spin boxes and labels both wheel dialogs are built of; the object names
// are the keys of the language files.

#include <QLabel>
#include <QSpinBox>

namespace kivora::wheeldialog {

inline QSpinBox *spinBox(QWidget *parent, const char *name, int min, int max, int value)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(min, max);
    box->setValue(value);
    return box;
}

inline QLabel *label(QWidget *parent, const char *name, const QString &text, QWidget *buddy)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    result->setBuddy(buddy);
    return result;
}

} // namespace kivora::wheeldialog
