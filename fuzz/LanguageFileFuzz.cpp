// A language file applied to the message catalogue and the window's captions, as the
// language menu and kivora-cli read it.

#include "FuzzSupport.h"

#include "core/IniDocument.h"
#include "core/LanguageIdentity.h"
#include "core/LanguageTexts.h"
#include "core/MessageCatalog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace kivora;
    QString text;
    if (!fuzz::textOf(data, size, &text))
        return 0;
    const IniDocument document(text);
    languageIdentity(document, QStringLiteral("fuzz.lng"));
    MessageCatalog messages;
    const auto entries = messages.entries();
    for (const auto &entry : entries) {
        const QString value = document.readString(QStringLiteral("MainForm"), entry.first, QString());
        if (!value.isEmpty())
            messages.setText(entry.first, value);
    }
    // Texts with their arguments filled in, as the program shows them.
    qsizetype filled = 0;
    for (const auto &entry : messages.entries())
        filled += entry.second.arg(QStringLiteral("a")).arg(1).size();
    fuzz::require(filled >= 0);
    for (const QString &key : document.keys(QStringLiteral("MainForm")))
        withoutAccessKeys(document.readString(QStringLiteral("MainForm"), key, QString()));
    messages.restoreBuiltIn();
    return 0;
}
