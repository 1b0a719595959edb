// The help pages shipped in both languages: the same topics, every link of the contents
// leads somewhere, and every command of the program's analysis, play and import is
// described under the name the window gives it in that language.

#include "core/IniFile.h"
#include "core/TextFile.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace kivora;
using namespace kivora::test;

namespace {

QString helpPage(const char *name)
{
    QFile file(sampleFile(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return QString::fromUtf8(file.readAll());
}

QSet<QString> matches(const QString &text, const char *pattern)
{
    QSet<QString> found;
    QRegularExpressionMatchIterator it = QRegularExpression(QString::fromLatin1(pattern)).globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured(1));
    return found;
}

// The page's words without markup, spaces and line breaks made single spaces.
QString plainText(QString html)
{
    html.remove(QRegularExpression(s("<[^>]*>")));
    return html.simplified();
}

// A command's caption as the help names it: no accelerator mark, no trailing dots.
QString commandName(QString caption)
{
    caption.remove(QLatin1Char('&'));
    caption.remove(QRegularExpression(s("(\\.\\.\\.|…)$")));
    return caption;
}

} // namespace

TEST(HelpPages, BothLanguagesHaveTheSameTopicsAndNoDeadLink)
{
    const QString russian = helpPage("kivora.html");
    const QString english = helpPage("kivora-en.html");
    const QSet<QString> topics = matches(russian, "id=\"([^\"]+)\"");
    EXPECT_EQ(topics, matches(english, "id=\"([^\"]+)\""));
    for (const QString &page : { russian, english }) {
        for (const QString &link : matches(page, "href=\"#([^\"]+)\""))
            EXPECT_TRUE(topics.contains(link)) << link.toStdString();
        // The window opens the import topic straight from its question.
        EXPECT_TRUE(topics.contains(s("import")));
    }
}

TEST(HelpPages, EveryCommandIsDescribedUnderItsOwnName)
{
    struct Command
    {
        const char *section;
        const char *key;
    };
    const Command commands[] = {
        { "MainForm", "N4Charts_Caption" },
        { "MainForm", "N40Chart_Caption" },
        { "MainForm", "N4Random_Caption" },
        { "MainForm", "N4Backtest_Caption" },
        { "MainForm", "N15Filters_Caption" },
        { "MainForm", "N15Make_Caption" },
        { "MainForm", "N15Check_Caption" },
        { "MainForm", "N18Print_Caption" },
        { "MainForm", "N34_Caption" },
        { "MainForm", "N34Update_Caption" },
        { "MainForm", "N17_Caption" },
        { "MainForm", "N31_Caption" },
        { "FormSettings", "CatalogueBtn_Caption" },
    };
    const struct
    {
        const char *language;
        const char *page;
        const char *noPrediction;
    } languages[] = {
        { "lng/russian.lng", "kivora.html", "Прогноз не предсказывает розыгрыш." },
        { "lng/english.lng", "kivora-en.html", "The forecast does not predict the draw." },
    };
    for (const auto &language : languages) {
        SCOPED_TRACE(language.page);
        const IniDocument texts = IniFile(sampleFile(QString::fromLatin1(language.language))).load();
        const QString page = plainText(helpPage(language.page));
        for (const Command &command : commands) {
            const QString name = commandName(texts.readString(
                QString::fromLatin1(command.section), QString::fromLatin1(command.key), QString()));
            ASSERT_FALSE(name.isEmpty()) << command.key;
            EXPECT_TRUE(page.contains(name, Qt::CaseInsensitive))
                << command.key << ": " << name.toStdString();
        }
        // The forecast says plainly what it is not.
        EXPECT_TRUE(page.contains(s(language.noPrediction)));
    }
}
