// Language files key their texts by window and component names. These tests hold the
// program to the keys that files in users' hands already carry: the shipped files and
// one written by version 1.0 of the program.

#include "support/WindowFixture.h"

#include "core/IniFile.h"
#include "core/TextFile.h"
#include "support/Taken.h"
#include "support/TestText.h"
#include "ui/FileDialogTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>

using namespace kivora;

namespace {

using kivora::test::s;

// Window texts only: the message catalogue and the fonts are not components' texts.
bool isComponentKey(const QString &key)
{
    static const QRegularExpression message(s("^Str\\d+$"));
    return !message.match(key).hasMatch() && !key.endsWith(QLatin1String("_FontName"))
        && !key.endsWith(QLatin1String("_FontSize")) && key != QLatin1String("LanguageName")
        && key != QLatin1String("LanguageCode");
}

// The tool bar's captions under the icons, its system filter and the menu item that
// shows the captions, added later still.
QStringList toolBarCaptionsAndSystemFilter()
{
    QStringList keys { s("MainForm/N20Captions_Caption"), s("MainForm/SystemSizeLabel_Caption"),
        s("MainForm/SystemSizeBox_Hint"), s("MainForm/SystemKindLabel_Caption"),
        s("MainForm/SystemKindBox_Hint"), s("MainForm/BitBtnUpdate_Caption") };
    for (const int button : { 1, 2, 3, 4, 5, 6, 7, 8, 9 })
        keys.append(s("MainForm/BitBtn%1_Caption").arg(button));
    for (int i = 0; i < 10; ++i)
        keys.append(s("MainForm/SystemSizeBox_Items[%1]").arg(i));
    for (int i = 0; i < 4; ++i)
        keys.append(s("MainForm/SystemKindBox_Items[%1]").arg(i));
    return keys;
}

// Components added after version 1.0: a file of 1.0 has no key for them yet, and the
// program completes it.
QStringList addedSince10()
{
    return { s("MainForm/N11Text_Caption"), s("MainForm/N18Print_Caption"), s("MainForm/N47Print_Caption"),
        s("MainForm/N15Filters_Caption"), s("MainForm/N4Charts_Caption"), s("MainForm/N4Random_Caption"),
        s("MainForm/N4Backtest_Caption"), s("MainForm/N40Chart_Caption"),
        s("FormSettings/ParamsListEditor_Strings[10]"), s("MainForm/N15Make_Caption"),
        s("MainForm/N15Check_Caption"), s("FormSettings/TabSheet3_Caption"),
        s("FormSettings/EditorLabel_Caption"), s("FormSettings/EditorChooseBtn_Caption"),
        s("FormSettings/EditorClearBtn_Caption"), s("FormSettings/CalculatorLabel_Caption"),
        s("FormSettings/CalculatorChooseBtn_Caption"), s("FormSettings/CalculatorClearBtn_Caption"),
        s("FormSettings/ProgramsNote_Caption"), s("FormSettings/CatalogueBtn_Caption"),
        s("MainForm/N46Undo_Caption"), s("MainForm/DateGrid_ColumnCaption[0]"),
        s("MainForm/DateGrid_ColumnCaption[1]"), s("MainForm/DateGrid_ColumnCaption[2]"),
        s("MainForm/DateGrid_ColumnCaption[3]"), s("MainForm/N34Update_Caption"),
        s("MainForm/BitBtnUpdate_Hint") };
}

// Every text a language file can set, as the widgets show it now.
QSet<QString> shownTexts(QWidget *window)
{
    QSet<QString> texts;
    QList<QObject *> objects = window->findChildren<QObject *>();
    objects.prepend(window);
    auto headers = [&texts](const QAbstractItemModel *model) {
        for (int i = 0; model && i < model->columnCount(); ++i)
            texts.insert(model->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString());
    };
    for (QObject *object : objects) {
        if (auto *widget = qobject_cast<QWidget *>(object)) {
            texts.insert(widget->windowTitle());
            texts.insert(widget->toolTip());
        }
        if (auto *action = qobject_cast<QAction *>(object))
            texts.insert(action->text());
        else if (auto *menu = qobject_cast<QMenu *>(object))
            texts.insert(menu->title());
        else if (auto *label = qobject_cast<QLabel *>(object))
            texts.insert(label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(object))
            texts.insert(button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(object))
            texts.insert(group->title());
        else if (auto *dialogTexts = qobject_cast<FileDialogTexts *>(object)) {
            texts.insert(dialogTexts->title());
            texts.insert(dialogTexts->filter());
        } else if (auto *combo = qobject_cast<QComboBox *>(object)) {
            for (int i = 0; i < combo->count(); ++i)
                texts.insert(combo->itemText(i));
        } else if (auto *tabs = qobject_cast<QTabWidget *>(object)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts.insert(tabs->tabText(i));
        } else if (auto *tree = qobject_cast<QTreeWidget *>(object)) {
            for (int i = 0; i < tree->columnCount(); ++i)
                texts.insert(tree->headerItem()->text(i));
        } else if (auto *table = qobject_cast<QTableWidget *>(object)) {
            headers(table->model());
            for (int row = 0; row < table->rowCount(); ++row) {
                if (table->item(row, 0))
                    texts.insert(table->item(row, 0)->text());
            }
        } else if (auto *view = qobject_cast<QTableView *>(object)) {
            headers(view->model());
        }
    }
    return texts;
}

class LanguageKeys : public test::WindowFixture
{
protected:
    // Gives every component key of the file a text of its own ("#12"), starts the
    // window on it and checks that each of those texts reached a widget, and that
    // the program found nothing it had to add to the file.
    void checkEveryKeyReachesItsWidget(const QString &source)
    {
        IniDocument marked = IniFile(source).load();
        QStringList keys;
        for (const QString &section : marked.sectionNames()) {
            for (const QString &key : marked.keys(section)) {
                if (!isComponentKey(key))
                    continue;
                keys.append(section + QLatin1Char('/') + key);
                marked.writeString(section, key, QLatin1Char('#') + QString::number(keys.size()));
            }
        }
        ASSERT_GT(keys.size(), 150);
        const QString path = dir.filePath(s("lng/marked.lng"));
        QDir().mkpath(dir.filePath(s("lng")));
        ASSERT_TRUE(test::taken(textfile::writeText(path, marked.toText()), nullptr));

        writeConfig({ s("[Form]"), s("LangFile=marked.lng"), s("[LotoType]"), s("L=1"), s("[L]"),
            s("MaxNumber=45") });
        start();

        const QSet<QString> texts = shownTexts(&window());
        for (int i = 0; i < keys.size(); ++i)
            EXPECT_TRUE(texts.contains(QLatin1Char('#') + QString::number(i + 1)))
                << "no widget takes " << keys.at(i).toStdString();

        // Keys the program wrote back are texts whose key the file did not have.
        const IniDocument after = IniFile(path).load();
        for (const QString &section : after.sectionNames()) {
            for (const QString &key : after.keys(section)) {
                const QString path = section + QLatin1Char('/') + key;
                const bool newWindow = !IniFile(source).load().hasSection(section);
                if (isComponentKey(key) && !addedSince10().contains(path) && !newWindow
                    && !toolBarCaptionsAndSystemFilter().contains(path)) {
                    EXPECT_TRUE(keys.contains(path)) << "a widget lost its key: " << path.toStdString();
                }
            }
        }
    }
};

} // namespace

TEST_F(LanguageKeys, ShippedRussianFile)
{
    checkEveryKeyReachesItsWidget(test::sampleFile(s("lng/russian.lng")));
}

TEST_F(LanguageKeys, ShippedEnglishFile)
{
    checkEveryKeyReachesItsWidget(test::sampleFile(s("lng/english.lng")));
}

TEST_F(LanguageKeys, FileWrittenByVersionOne)
{
    checkEveryKeyReachesItsWidget(QStringLiteral(KIVORA_TEST_DATA "/lng/written-by-1.0.lng"));
}
