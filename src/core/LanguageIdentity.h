#pragma once

// Which language a language file holds: its name for the language menu ("Русский",
// "English") and its code ("ru", "en") for Qt's own translations and the help page.
// Keys LanguageName and LanguageCode of section MainForm say it; a file without them
// (written by an older version, or by a translator who did not add them) is named by
// its file name and taken as Russian when its File menu reads so, or lacks it (the
// program completes a file with its built-in Russian texts), English otherwise.

#include <QLocale>
#include <QString>

namespace kivora {

class IniDocument;

struct LanguageIdentity
{
    QString name;
    QString code;
};

LanguageIdentity languageIdentity(const IniDocument &doc, const QString &fileName);

// The locale that writes dates and numbers in the language of code ("ru", "en"): the
// system's own when it speaks that language (its region's forms: en_GB writes
// 8 December), else the language's. An English window on a Russian system writes
// English dates and "25.00", not the system's "25,00".
QLocale interfaceLocale(const QString &code, const QLocale &system = QLocale::system());

} // namespace kivora
