#include "ui/dialogs/SystemDialog.h"
#include "ui/dialogs/TitleWidth.h"

#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace kivora;

namespace {

using kivora::test::s;

class SystemDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.writeLines(s("kivora.INI"),
            { s("[for 7 numbers]"), s("7 чисел=seven.ltt"), s("Отступы=spaced.ltt"),
                s("Нет файла=missing.ltt"), s("Пусто=") });
        dir.writeLines(
            s("System/seven.ltt"), { s(";7 numbers, all pairs"), s("1 2 3 4 5 6"), s("1 2 3 4 5 7") });
        dir.writeLines(s("System/spaced.ltt"), { s("  ;kept as it is"), s(";;both marks go"), s("1 2 3") });
        dir.writeLines(s("System/default.ltt"), { s(";the default template") });
        dialog = std::make_unique<SystemDialog>(dir.folder());
        dialog->prepare(
            { s("7 чисел"), s("Отступы"), s("Нет файла"), s("Пусто"), s("Не в списке") }, s("for 7 numbers"));
        dialog->show();
    }

    QListWidget *list() const { return dialog->findChild<QListWidget *>(s("TemplateListBox")); }
    QString description() const { return dialog->findChild<QPlainTextEdit *>(s("Memo1"))->toPlainText(); }
    QPushButton *button(const char *name) const
    {
        return dialog->findChild<QPushButton *>(QLatin1String(name));
    }

    test::TempFolder dir;
    std::unique_ptr<SystemDialog> dialog;
};

} // namespace

TEST_F(SystemDialogTest, ShowsTheDescriptionLinesOfTheSelectedSystem)
{
    EXPECT_EQ(dialog->objectName(), s("SystemDialog"));
    EXPECT_EQ(dialog->windowTitle(), s("Выбор системы"));
    EXPECT_EQ(dialog->findChild<QGroupBox *>(s("GroupBox1"))->title(), s("Название системы"));
    EXPECT_EQ(dialog->findChild<QGroupBox *>(s("GroupBox2"))->title(), s("Описание системы"));
    EXPECT_TRUE(button("OKBtn")->isDefault());
    ASSERT_EQ(list()->count(), 5);
    EXPECT_EQ(dialog->selectedIndex(), 0);
    EXPECT_EQ(description(), s("7 numbers, all pairs"));

    list()->setCurrentRow(1);
    EXPECT_EQ(description(), s("  ;kept as it is\nboth marks go"));
    // A missing file, an empty value and a name that is no key show nothing; there is
    // no default template here.
    for (int row : { 2, 3, 4 }) {
        list()->setCurrentRow(row);
        EXPECT_EQ(description(), QString()) << row;
    }

    // Showing again for another list starts from its first entry.
    dialog->prepare({ s("Отступы") }, s("for 7 numbers"));
    EXPECT_EQ(list()->count(), 1);
    EXPECT_EQ(description(), s("  ;kept as it is\nboth marks go"));
}

TEST_F(SystemDialogTest, OkAndDoubleClickTellTheChosenIndex)
{
    QSignalSpy chosen(dialog.get(), &SystemDialog::systemChosen);

    list()->setCurrentRow(2);
    const QPoint centre = list()->visualItemRect(list()->item(2)).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 2);
    EXPECT_TRUE(dialog->isVisible());

    list()->setCurrentRow(1);
    button("OKBtn")->click();
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen.at(1).at(0).toInt(), 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(SystemDialogTest, CancelChoosesNothing)
{
    QSignalSpy chosen(dialog.get(), &SystemDialog::systemChosen);
    list()->setCurrentRow(3);
    button("CancelBtn")->click();
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);

    // An empty list has nothing to choose, even by OK.
    dialog->prepare({}, s("for 7 numbers"));
    dialog->show();
    button("OKBtn")->click();
    EXPECT_TRUE(chosen.isEmpty());
}

TEST_F(SystemDialogTest, TheWindowIsNeverNarrowerThanItsTitle)
{
    EXPECT_GE(dialog->minimumWidth(), widthForTitle(dialog.get()));
    // A longer title, as a language switch brings, widens the window's minimum with it.
    const int before = dialog->minimumWidth();
    dialog->setWindowTitle(s("Выбор системы для игры по отмеченным номерам текущей лотереи"));
    EXPECT_GT(dialog->minimumWidth(), before);
    EXPECT_GE(dialog->width(), widthForTitle(dialog.get()));
}
