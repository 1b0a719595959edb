#pragma once

// The texts of the current language file without a window: the message catalogue and
// the captions of the main window that results carry (statistics titles, column
// captions). kivora-cli reads them so that its output matches the window's; nothing
// is written back.

#include "core/IniDocument.h"
#include "core/MessageCatalog.h"

namespace kivora {

class ProgramFolder;

// A menu caption as plain text: "&Пары номеров" -> "Пары номеров", "&&" -> "&".
QString withoutAccessKeys(QString text);

class LanguageTexts final
{
public:
    // The language file named by LangFile of section Form ("&russian.lng" by default).
    explicit LanguageTexts(const ProgramFolder &folder);

    const MessageCatalog &messages() const { return m_messages; }
    // "ru", "en": the language of the file, for the forms of dates and numbers.
    const QString &languageCode() const { return m_languageCode; }
    // A main-window text such as "DopNomer_Caption": the file's non-empty value, or
    // the built-in text; access-key marks ("&") removed.
    QString caption(const QString &key, const QString &builtIn) const;
    // Its column caption i of a list ("ListView1_ColumnCaption[1]").
    QString columnCaption(const QString &list, int i, const QString &builtIn) const;

private:
    IniDocument m_document;
    MessageCatalog m_messages;
    QString m_languageCode;
};

} // namespace kivora
