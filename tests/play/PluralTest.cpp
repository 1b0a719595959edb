// Counts and their nouns: the Russian and English plural rules, forms carried in braces
// by a sentence, and language files written without forms.

#include "core/Plural.h"
#include "core/IniFile.h"
#include "core/LanguageTexts.h"
#include "play/CombinationList.h"

#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;
using namespace kivora::test;

TEST(Plural, RussianAndEnglishRules)
{
    const QString russian = s("номер|номера|номеров");
    const QList<QPair<int, const char *>> cases = {
        { 0, "номеров" },
        { 1, "номер" },
        { 2, "номера" },
        { 4, "номера" },
        { 5, "номеров" },
        { 11, "номеров" },
        { 12, "номеров" },
        { 14, "номеров" },
        { 21, "номер" },
        { 22, "номера" },
        { 25, "номеров" },
        { 101, "номер" },
        { 111, "номеров" },
        { 1001, "номер" },
        { -2, "номера" },
    };
    for (const auto &[n, form] : cases)
        EXPECT_EQ(pluralForm(n, russian), s(form)) << n;

    const QString english = s("number|numbers");
    EXPECT_EQ(pluralForm(1, english), s("number"));
    EXPECT_EQ(pluralForm(2, english), s("numbers"));
    EXPECT_EQ(pluralForm(0, english), s("numbers"));
    EXPECT_EQ(pluralForm(21, english), s("numbers"));
    // One form (an older language file) is the text for every count.
    EXPECT_EQ(pluralForm(1, s("numbers")), s("numbers"));
    EXPECT_EQ(pluralForm(2, s("номеров")), s("номеров"));
}

TEST(Plural, BracesTakeTheFormOfTheNumberBeforeThem)
{
    EXPECT_EQ(withPlurals(s("Прогноз отметил 34 {номер|номера|номеров}, а система «7 номеров» использует 7")),
        s("Прогноз отметил 34 номера, а система «7 номеров» использует 7"));
    EXPECT_EQ(withPlurals(s("1 {номер|номера|номеров} - угадано   0 {комбинация|комбинации|комбинаций}")),
        s("1 номер - угадано   0 комбинаций"));
    EXPECT_EQ(
        withPlurals(s("11 {номер|номера|номеров}, 21 {номер|номера|номеров}, 22 {номер|номера|номеров}")),
        s("11 номеров, 21 номер, 22 номера"));
    EXPECT_EQ(withPlurals(s("1 {combination|combinations}; 2 {combination|combinations}")),
        s("1 combination; 2 combinations"));
    // Digit groups: one thousand and one is many in English, one in Russian.
    EXPECT_EQ(withPlurals(s("1,001 {draw|draws}")), s("1,001 draws"));
    EXPECT_EQ(withPlurals(s("1\u00a0001 {розыгрыш|розыгрыша|розыгрышей}")), s("1\u00a0001 розыгрыш"));
    // No number before the forms: the last form, as in a caption without a count.
    EXPECT_EQ(withPlurals(s("Попадания номера за {розыгрыш|розыгрыша|розыгрышей}")),
        s("Попадания номера за розыгрышей"));
    // Braces that hold no forms, and texts without braces, are kept as written.
    EXPECT_EQ(withPlurals(s("{x} 2 {numbers")), s("{x} 2 {numbers"));
    EXPECT_EQ(withPlurals(s("Выбрано 4 номеров")), s("Выбрано 4 номеров"));
}

TEST(Plural, LanguageFilesWithAndWithoutForms)
{
    TempFolder dir;
    ASSERT_TRUE(dir.folder().seed().ok());
    const auto useLanguage = [&](const QString &file) {
        ASSERT_TRUE(IniFile(dir.folder().configPath()).writeString(s("Form"), s("LangFile"), file));
    };

    // The shipped English file carries forms.
    useLanguage(s("english.lng"));
    const LanguageTexts english(dir.folder());
    EXPECT_EQ(selectionStatus(1, english.messages()), s("Chosen 1 number"));
    EXPECT_EQ(selectionStatus(2, english.messages()), s("Chosen 2 numbers"));
    EXPECT_EQ(withPlurals(english.messages()("Str153").arg(1).arg(s("7")).arg(7)),
        s("The forecast marked 1 number and the system \"7\" uses 7: the combinations are incomplete."));

    // A user's own file written before forms existed loads and reads as it always did.
    dir.writeLines(s("lng/own.lng"),
        { s("[MainForm]"), s("Str10=Auswahl"), s("Str11=Nummern"),
            s("Str153=Die Prognose markierte %1 Nummern, das System \"%2\" nutzt %3.") });
    useLanguage(s("own.lng"));
    const LanguageTexts own(dir.folder());
    EXPECT_EQ(selectionStatus(1, own.messages()), s("Auswahl 1 Nummern"));
    EXPECT_EQ(withPlurals(own.messages()("Str153").arg(1).arg(s("7")).arg(7)),
        s("Die Prognose markierte 1 Nummern, das System \"7\" nutzt 7."));
    // A key the file does not carry keeps its built-in Russian forms.
    EXPECT_EQ(withPlurals(own.messages()("Str296").arg(21)).left(24), s("Прогноз отметил 21 номер"));
}
