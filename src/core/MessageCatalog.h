#pragma once

// Every text the program assembles at run time comes from here, by key. The catalogue
// starts with the built-in Russian texts; a language file may replace any of them.

#include <QList>
#include <QPair>
#include <QString>

namespace kivora {

class MessageCatalog final
{
public:
    MessageCatalog(); // the built-in texts

    // The text of a key; the empty text for an unknown key.
    QString text(const QString &key) const;
    QString operator()(const char *key) const { return text(QLatin1String(key)); }

    // Replaces the text of a known key; unknown keys are ignored.
    void setText(const QString &key, const QString &text);
    void restoreBuiltIn();

    // Entries in catalogue order: key, current text.
    const QList<QPair<QString, QString>> &entries() const { return m_entries; }
    static QString builtInText(const QString &key);

private:
    QList<QPair<QString, QString>> m_entries;
};

} // namespace kivora
