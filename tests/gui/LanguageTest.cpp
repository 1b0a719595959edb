#include "support/WindowFixture.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "support/TestText.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

using namespace kivora;

namespace {

using kivora::test::s;

QStringList keysOf(const IniDocument &doc)
{
    QStringList result;
    for (const QString &section : doc.sectionNames()) {
        for (const QString &key : doc.keys(section)) {
            // The fonts, and the file's own name and code, are not texts the program writes.
            if (!key.endsWith(QLatin1String("_FontName")) && !key.endsWith(QLatin1String("_FontSize"))
                && key != QLatin1String("LanguageName") && key != QLatin1String("LanguageCode"))
                result.append(section + QLatin1Char('/') + key);
        }
    }
    return result;
}

class Language : public test::WindowFixture
{
protected:
    QString lng(const QString &name) { return QDir(dir.filePath(s("lng"))).filePath(name); }
    QString lng(const char *name) { return QDir(dir.filePath(s("lng"))).filePath(s(name)); }
    QStringList menuTitles()
    {
        QStringList titles;
        for (QAction *action : window().menuBar()->actions())
            titles.append(action->text());
        return titles;
    }
};

} // namespace

TEST_F(Language, AMissingFileIsCreatedWithEveryText)
{
    writeConfig(
        { s("[Form]"), s("LangFile=new.lng"), s("[LotoType]"), s("L=1"), s("[L]"), s("MaxNumber=45") });
    start();
    const IniDocument doc = IniFile(lng("new.lng")).load();
    EXPECT_EQ(doc.sectionNames(),
        QStringList({ s("MainForm"), s("AboutBox"), s("AddTirag"), s("BalansForm"), s("FormSettings"),
            s("FiltersDialog"), s("ChartsDialog"), s("AnalysisDialog"), s("SystemDialog"),
            s("WheelMakeDialog"), s("WheelCheckDialog") }));
    EXPECT_EQ(doc.readString(s("MainForm"), s("N35_Caption"), QString()), s("&все"));
    EXPECT_EQ(
        doc.readString(s("MainForm"), s("BitBtn5_Hint"), QString()), s("Добавить результаты розыгрыша"));
    EXPECT_EQ(doc.readString(s("MainForm"), s("ListView1_ColumnCaption[0]"), QString()), s("№ "));
    EXPECT_EQ(doc.readString(s("MainForm"), s("Str2"), QString()), s("Выбрано: "));
    EXPECT_EQ(doc.readString(s("AddTirag"), s("AddTirag_Caption"), QString()),
        s("Добавление результатов розыгрыша"));
    const MessageCatalog builtIn;
    for (const auto &entry : builtIn.entries())
        EXPECT_FALSE(doc.readString(s("MainForm"), entry.first, QString()).isEmpty())
            << entry.first.toStdString();
    // The record lines' values are not texts to translate.
    EXPECT_FALSE(doc.value(s("MainForm"), s("ListView3_ColumnCaption[1]")).has_value());
}

TEST_F(Language, EmptyValuesAreWrittenBackAndFontSizeZeroKeepsTheFont)
{
    writeConfig(
        { s("[Form]"), s("LangFile=part.lng"), s("[LotoType]"), s("L=1"), s("[L]"), s("MaxNumber=45") });
    dir.writeLines(s("lng/part.lng"),
        { s("[MainForm]"), s("N35_Caption="), s("N37_Caption=&соседи"), s("MainForm_FontSize=0"),
            s("Str25=Пары!") });
    start();
    const IniDocument doc = IniFile(lng("part.lng")).load();
    EXPECT_EQ(doc.readString(s("MainForm"), s("N35_Caption"), QString()), s("&все"));
    EXPECT_EQ(find<QAction>("N37")->text(), s("&соседи"));
    EXPECT_EQ(doc.readInteger(s("MainForm"), s("MainForm_FontSize"), 0), window().font().pointSize());
    trigger("N35");
    EXPECT_EQ(find<QGroupBox>("GroupBox2")->title(), s("Пары!"));
}

TEST_F(Language, SwitchingToEnglishAndBack)
{
    seedDefaults();
    start();
    const QStringList russianMenus = menuTitles();
    EXPECT_EQ(russianMenus.first(), s("&Файл"));
    ASSERT_EQ(find<QMenu>("Lang")->actions().size(), 2);

    chooseLanguage("english.lng");
    const QStringList englishMenus = menuTitles();
    ASSERT_EQ(englishMenus.size(), russianMenus.size());
    for (int i = 0; i < englishMenus.size(); ++i)
        EXPECT_NE(englishMenus.at(i), russianMenus.at(i)) << englishMenus.at(i).toStdString();
    EXPECT_EQ(window().windowTitle(), s("Kivora - a helper for lottery players"));
    EXPECT_EQ(find<QToolButton>("BitBtn5")->toolTip(), s("Add draw results"));
    EXPECT_EQ(find<QGroupBox>("GroupBox3")->title(), s("Numbers"));
    EXPECT_EQ(
        find<QTableView>("ListView1")->model()->headerData(1, Qt::Horizontal).toString(), s("Not drawn for"));
    EXPECT_EQ(status(0), s("Analysed 1738 draws"));
    EXPECT_EQ(status(1), s("Chosen 0 numbers"));
    trigger("N35");
    EXPECT_EQ(find<QGroupBox>("GroupBox2")->title(), s("Pairs of numbers"));
    EXPECT_EQ(find<QMenu>("Mesto_1")->actions().first()->text(), s("Position 1"));
    screenshot("english");

    // Every visible text of the window is English now: no Cyrillic letter is left.
    const QRegularExpression cyrillic(s("[А-Яа-яЁё]"));
    for (QAction *action : window().findChildren<QAction *>()) {
        // The language menu names each language in its own tongue.
        if (action->data().toString().endsWith(QLatin1String(".lng")) || action->parent() == nullptr)
            continue;
        if (!action->text().isEmpty() && !qobject_cast<QDialog *>(action->parent())) {
            EXPECT_FALSE(action->text().contains(cyrillic)) << action->objectName().toStdString();
        }
    }

    window().close();
    EXPECT_EQ(IniFile(dir.filePath(s("kivora.INI"))).readString(s("Form"), s("LangFile"), QString()),
        s("english.lng"));
    start();
    EXPECT_EQ(menuTitles(), englishMenus);
    chooseLanguage("&russian.lng");
    EXPECT_EQ(menuTitles(), russianMenus);
    EXPECT_EQ(status(0), s("Проанализировано 1738 розыгрышей"));
}

TEST_F(Language, ShippedFilesAreCompleteAndAgree)
{
    // A fresh file written by the program holds the same texts as the shipped Russian
    // file, and the English file translates every one of them.
    writeConfig(
        { s("[Form]"), s("LangFile=fresh.lng"), s("[LotoType]"), s("L=1"), s("[L]"), s("MaxNumber=45") });
    start();
    const IniDocument fresh = IniFile(lng("fresh.lng")).load();
    const IniDocument russian = IniFile(test::sampleFile(s("lng/russian.lng"))).load();
    const IniDocument english = IniFile(test::sampleFile(s("lng/english.lng"))).load();
    // The same keys; their order in a file means nothing to the program.
    auto sorted = [](QStringList keys) {
        keys.sort();
        return keys;
    };
    EXPECT_EQ(sorted(keysOf(russian)), sorted(keysOf(fresh)));
    EXPECT_EQ(sorted(keysOf(english)), sorted(keysOf(fresh)));
    for (const QString &path : keysOf(fresh)) {
        const QString section = path.section(QLatin1Char('/'), 0, 0);
        const QString key = path.section(QLatin1Char('/'), 1);
        const QString text = fresh.readString(section, key, QString());
        EXPECT_EQ(russian.readString(section, key, QString()), text) << path.toStdString();
        const QString translated = english.readString(section, key, QString());
        EXPECT_FALSE(translated.isEmpty()) << path.toStdString();
        for (const char *marker : { "%1", "%2", "%3" })
            EXPECT_EQ(translated.contains(QLatin1String(marker)), text.contains(QLatin1String(marker)))
                << path.toStdString();
    }
}

TEST_F(Language, MenuItemsNameTheLanguagesAndAreNeverTranslatedOrWritten)
{
    seedDefaults();
    // A third file that carries a caption for the menu's third item, as older
    // versions wrote them: it must neither rename the item nor name a file.
    dir.writeLines(
        s("lng/zz.lng"), { s("[MainForm]"), s("LangItem2_Caption=Deutsch"), s("N1_Caption=&Datei") });
    start();
    const QStringList files = { s("&russian.lng"), s("english.lng"), s("zz.lng") };
    auto items = [this] {
        QStringList captions;
        for (QAction *item : find<QMenu>("Lang")->actions())
            captions.append(item->text());
        return captions;
    };
    // The language's own name, or the file name when the file does not give one.
    const QStringList names = { s("Русский"), s("English"), s("zz.lng") };
    ASSERT_EQ(items(), names);
    for (const char *file : { "english.lng", "zz.lng", "&russian.lng", "zz.lng", "english.lng" }) {
        chooseLanguage(file);
        EXPECT_EQ(items(), names) << file;
        for (QAction *item : find<QMenu>("Lang")->actions())
            EXPECT_EQ(item->isChecked(), item->data().toString() == s(file));
    }
    EXPECT_EQ(menuTitles().first(), s("&File")); // english.lng is the last choice
    chooseLanguage("zz.lng");
    EXPECT_EQ(menuTitles().first(), s("&Datei"));
    EXPECT_EQ(QDir(dir.filePath(s("lng"))).entryList(QDir::Files, QDir::Name), files);
    for (const QString &file : files) {
        const IniDocument doc = IniFile(lng(file)).load();
        for (const QString &key : doc.keys(s("MainForm")))
            EXPECT_FALSE(key.startsWith(QLatin1String("LangItem")) && file != s("zz.lng"))
                << file.toStdString() << " " << key.toStdString();
    }
}

TEST_F(Language, QtsOwnDialogsAndTheHelpFollowTheLanguage)
{
    seedDefaults();
    start();
    const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + s("/qtbase_ru.qm");
    if (QFileInfo::exists(qm)) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), s("Отмена"));
    }
    trigger("N28");
    EXPECT_TRUE(services.openedUrls.last().endsWith(s("kivora.html")));

    chooseLanguage("english.lng");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), s("Cancel"));
    trigger("N28");
    EXPECT_TRUE(services.openedUrls.last().endsWith(s("kivora-en.html")));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(s("kivora-en.html"))));
    trigger("N17");
    const QString odds = QString::fromUtf8(dir.readBytes(s("shans.htm")));
    EXPECT_TRUE(odds.contains(s("<html lang=\"en\">")));
    EXPECT_TRUE(odds.contains(s("Chances of winning")));
    EXPECT_FALSE(odds.contains(s("Шансы")));

    chooseLanguage("&russian.lng");
    if (QFileInfo::exists(qm)) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), s("Отмена"));
    }
}

TEST_F(Language, TextsSetAtRunTimeAreNeverWrittenIntoTheFile)
{
    seedDefaults();
    start();
    QTimer::singleShot(0, &window(), [this] {
        auto *ledger = window().findChild<QDialog *>(s("BalansForm"));
        ASSERT_NE(ledger, nullptr);
        ledger->reject();
    });
    trigger("N78"); // the ledger shows the lottery's name in its group box
    trigger("N35"); // the statistics panel shows "Пары номеров"
    chooseLanguage("english.lng");
    chooseLanguage("&russian.lng");
    for (const char *file : { "english.lng", "&russian.lng" }) {
        const IniDocument doc = IniFile(lng(file)).load();
        EXPECT_FALSE(doc.value(s("BalansForm"), s("GroupBox1_Caption")).has_value()) << file;
        EXPECT_NE(doc.readString(s("MainForm"), s("GroupBox2_Caption"), QString()), s("Пары номеров"))
            << file;
        EXPECT_NE(doc.readString(s("MainForm"), s("GroupBox2_Caption"), QString()), s("Pairs of numbers"))
            << file;
    }
    EXPECT_EQ(IniFile(lng("english.lng")).load().readString(s("MainForm"), s("GroupBox2_Caption"), QString()),
        s("Statistics"));
}
