// The window's texts as a newcomer meets them: dates in the interface language, the
// add-draw mask of a Keno draw whole, the results menu telling the view on show, the
// details view's captions, the settings dialog on the lottery on show, and the check
// report named by what it reports.

#include "core/IniFile.h"
#include "support/TestText.h"
#include "support/WindowFixture.h"
#include "ui/TextEditorWindow.h"

#include <QDateEdit>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <functional>

using namespace kivora;
using kivora::test::s;

namespace {

class InterfaceTexts : public test::WindowFixture
{
protected:
    void SetUp() override { seedDefaults(); }

    void useEnglish()
    {
        ASSERT_TRUE(
            IniFile(dir.folder().configPath()).writeString(s("Form"), s("LangFile"), s("english.lng")));
    }

    // Runs `act` on the named dialog once it is shown modally, then closes it.
    void whenShown(const char *dialogName, std::function<void(QDialog *)> act)
    {
        QTimer::singleShot(0, &window(), [this, dialogName, act] {
            auto *dialog = window().findChild<QDialog *>(QLatin1String(dialogName));
            ASSERT_NE(dialog, nullptr);
            act(dialog);
            dialog->reject();
        });
    }

    QString addDialogDate()
    {
        QString date;
        whenShown("AddTirag", [&date](QDialog *dialog) {
            date = dialog->findChild<QDateEdit *>(QStringLiteral("DateTimePicker1"))->text();
        });
        trigger("N9");
        return date;
    }
};

} // namespace

// Whatever the system's locale (the tests run under C), the date of a new draw is
// written in the window's language.
TEST_F(InterfaceTexts, TheAddDialogWritesDatesInTheInterfaceLanguage)
{
    start();
    const QString russian = addDialogDate();
    EXPECT_TRUE(russian.contains(s("декабря"))) << russian.toStdString();
    EXPECT_FALSE(russian.contains(s("December"))) << russian.toStdString();
    window().close();

    useEnglish();
    start();
    const QString english = addDialogDate();
    EXPECT_TRUE(english.contains(s("December"))) << english.toStdString();
}

TEST_F(InterfaceTexts, AKenoDrawShowsEveryFieldOfItsMask)
{
    start();
    chooseLottery(s("Кено (20 из 80)"));
    int shown = 0;
    int needed = 0;
    whenShown("AddTirag", [&](QDialog *dialog) {
        auto *mask = dialog->findChild<QLineEdit *>(QStringLiteral("MaskEdit1"));
        EXPECT_EQ(mask->displayText().count(QLatin1Char(',')), 19);
        needed = mask->fontMetrics().horizontalAdvance(mask->displayText());
        // Inside the dialog, not cut at its edge.
        shown = std::min(mask->width(), dialog->width() - mask->mapTo(dialog, QPoint(0, 0)).x());
    });
    trigger("N9");
    EXPECT_GT(shown, needed);
}

TEST_F(InterfaceTexts, TheResultsMenuTicksTheViewOnShowAndTheDetailsHaveCaptions)
{
    start();
    auto *results = find<QTableView>("StringGrid2");
    auto *details = find<QTableView>("DateGrid");
    EXPECT_TRUE(results->isVisibleTo(&window()));
    EXPECT_TRUE(find<QAction>("N86")->isChecked());
    EXPECT_FALSE(find<QAction>("N87")->isChecked());

    trigger("N87");
    EXPECT_TRUE(details->isVisibleTo(&window()));
    EXPECT_TRUE(find<QAction>("N87")->isChecked());
    EXPECT_FALSE(details->horizontalHeader()->isHidden());
    EXPECT_EQ(details->model()->headerData(1, Qt::Horizontal).toString(), s("Дата"));
    EXPECT_EQ(details->model()->headerData(2, Qt::Horizontal).toString(), s("Лототрон"));
}

TEST_F(InterfaceTexts, TheTensGridTellsEachGroupsNumbers)
{
    start();
    trigger("N60");
    settle();
    auto *grid = find<QTableView>("StringGrid4");
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(), s("01-10"));
    EXPECT_EQ(grid->model()->headerData(4, Qt::Horizontal, Qt::ToolTipRole).toString(), s("41-45"));
}

TEST_F(InterfaceTexts, SettingsOpenOnTheLotteryOnShow)
{
    start();
    chooseLottery(s("4 из 20"));
    QString listed;
    bool boundsShown = false;
    QString shared;
    whenShown("FormSettings", [&](QDialog *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("ListViewLoto"));
        listed = list->currentItem() ? list->currentItem()->text() : QString();
        auto *params = dialog->findChild<QTableWidget *>(QStringLiteral("ParamsListEditor"));
        boundsShown = !params->isRowHidden(4) && !params->isRowHidden(5);
        dialog->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
        shared = dialog->findChild<QLabel *>(QStringLiteral("SharedSystemsLabel"))->text();
    });
    trigger("N21");
    EXPECT_EQ(listed, s("4 из 20"));
    EXPECT_TRUE(boundsShown);
    EXPECT_TRUE(shared.contains(s("4 номера"))) << shared.toStdString();
    EXPECT_TRUE(shared.contains(s("4 из 20"))) << shared.toStdString();

    // A lottery without additional numbers has no bounds for them to fill in.
    chooseLottery(s("6 из 45"));
    bool boundsHidden = false;
    whenShown("FormSettings", [&](QDialog *dialog) {
        dialog->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("ListViewLoto"));
        listed = list->currentItem() ? list->currentItem()->text() : QString();
        auto *params = dialog->findChild<QTableWidget *>(QStringLiteral("ParamsListEditor"));
        boundsHidden = params->isRowHidden(4) && params->isRowHidden(5);
        // Typing a count shows them again.
        params->item(3, 1)->setText(s("1"));
        boundsShown = !params->isRowHidden(4);
        params->item(3, 1)->setText(s("0"));
    });
    trigger("N21");
    EXPECT_EQ(listed, s("6 из 45"));
    EXPECT_TRUE(boundsHidden);
    EXPECT_TRUE(boundsShown);
}

TEST_F(InterfaceTexts, ACheckReportIsNamedByItsFirstLine)
{
    dir.writeLines(s("result.tmp"), { s("Результаты 1738 розыгрыша в 6 из 45 :"), s("01  02") });
    TextEditorWindow report(dir.filePath(s("result.tmp")), services, {});
    EXPECT_EQ(report.windowTitle(), s("Результаты 1738 розыгрыша в 6 из 45"));
    dir.writeLines(s("notes.txt"), { s("a line") });
    TextEditorWindow notes(dir.filePath(s("notes.txt")), services, {});
    EXPECT_TRUE(notes.windowTitle().endsWith(s("notes.txt")));
}
