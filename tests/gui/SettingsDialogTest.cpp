#include "ui/dialogs/SettingsDialog.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "support/FakeServices.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace kivora;

namespace {

using kivora::test::s;

class SettingsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.writeLines(s("kivora.INI"),
            { s("[Form]"), s("LangFile=&russian.lng"), s(""), s("[LotoType]"), s("A=0"), s("B=1"), s(""),
                s("[A]"), s("MinNumber=1"), s("MaxNumber=36"), s("DrawNumber=5"), s("CountOfAddBall=1"),
                s("MinnumberOfAddBall=1"), s("MaxnumberOfAddBall=4"), s("BaseFile=a.lot"), s("Machine=M1,M2"),
                s("SetOfBall=S1"), s("WWW=http://a"), s(""), s("[B]"), s("DrawNumber=6"), s(""),
                s("[for 5 numbers]"), s("6 номеров=six.ltt"), s("7 номеров=seven.ltt") });
        dialog = std::make_unique<SettingsDialog>(dir.folder(), messages, services);
        dialog->show();
    }

    template<typename T> T *widget(const char *name) const
    {
        T *found = dialog->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QListWidget *lotteries() const { return widget<QListWidget>("ListViewLoto"); }
    QTableWidget *params() const { return widget<QTableWidget>("ParamsListEditor"); }
    QTableWidget *templates() const { return widget<QTableWidget>("TemplateListEditor"); }
    void click(const char *name) const { widget<QPushButton>(name)->click(); }

    QString param(int row) const { return params()->item(row, 1)->text(); }
    void setParam(int row, const QString &value) const { params()->item(row, 1)->setText(value); }
    void selectLottery(int row) const { lotteries()->setCurrentRow(row); }
    QStringList rowNames() const
    {
        QStringList names;
        for (int row = 0; row < lotteries()->count(); ++row)
            names.append(lotteries()->item(row)->text());
        return names;
    }

    IniDocument ini() const { return IniFile(dir.folder().configPath()).load(); }
    QString read(const char *section, const char *key) const
    {
        return ini().readString(s(section), s(key), s("<none>"));
    }
    QByteArray bytes() const { return dir.readBytes(s("kivora.INI")); }

    test::TempFolder dir;
    test::FakeServices services;
    MessageCatalog messages;
    std::unique_ptr<SettingsDialog> dialog;
};

} // namespace

TEST_F(SettingsDialogTest, ShowsTheListAndTheFirstLotterysValues)
{
    EXPECT_EQ(dialog->objectName(), s("FormSettings"));
    EXPECT_EQ(dialog->windowTitle(), s("Настройка программы Kivora"));
    ASSERT_EQ(rowNames(), QStringList({ s("A"), s("B") }));
    EXPECT_EQ(lotteries()->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(lotteries()->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(params()->item(2, 0)->text(), s("Количество номеров одного розыгрыша "));
    EXPECT_EQ(param(1), s("36"));
    EXPECT_EQ(param(7), s("M1,M2"));
    // Enter confirms the dialog; it never adds a lottery row.
    EXPECT_FALSE(widget<QPushButton>("BitBtn1")->isDefault());
    EXPECT_TRUE(widget<QPushButton>("BitBtn4")->isDefault());

    // A missing key shows the dialog's default, and saving writes it.
    selectLottery(1);
    EXPECT_EQ(param(1), s("45"));
    EXPECT_EQ(param(2), s("6"));
    EXPECT_EQ(param(9), s("http://"));
    click("BitBtn5");
    EXPECT_EQ(read("B", "MaxNumber"), s("45"));
    EXPECT_EQ(read("B", "Machine"), s("-"));
    EXPECT_TRUE(services.messages.isEmpty());
}

TEST_F(SettingsDialogTest, ValuesNotAppliedAreAppliedOrDroppedOnlyWhenTheUserSaysSo)
{
    // Going back keeps the typed value and the selection.
    setParam(1, s("40"));
    services.saveChoices.enqueue(PlatformServices::SaveChoice::Cancel);
    selectLottery(1);
    ASSERT_EQ(services.saveQuestions.size(), 1);
    EXPECT_TRUE(services.saveQuestions.first().contains(s("«A»")));
    EXPECT_EQ(lotteries()->currentRow(), 0);
    EXPECT_EQ(param(1), s("40"));
    EXPECT_EQ(read("A", "MaxNumber"), s("36"));

    // Dropping them shows the other lottery; A keeps its file value.
    services.saveChoices.enqueue(PlatformServices::SaveChoice::Discard);
    selectLottery(1);
    EXPECT_EQ(param(1), s("45"));
    selectLottery(0);
    EXPECT_EQ(param(1), s("36"));
    EXPECT_EQ(services.saveQuestions.size(), 2); // nothing typed the second time

    // Applying them writes them before the editor moves on.
    setParam(1, s("40"));
    services.saveChoices.enqueue(PlatformServices::SaveChoice::Save);
    selectLottery(1);
    EXPECT_EQ(read("A", "MaxNumber"), s("40"));
    EXPECT_EQ(param(1), s("45"));

    // A value that would be refused stays for the user to correct.
    setParam(2, s("0"));
    services.saveChoices.enqueue(PlatformServices::SaveChoice::Save);
    selectLottery(0);
    EXPECT_EQ(lotteries()->currentRow(), 1);
    EXPECT_EQ(param(2), s("0"));
    EXPECT_EQ(read("B", "DrawNumber"), s("6"));
}

TEST_F(SettingsDialogTest, CancelDropsTypedValuesAndEnterAddsNoRow)
{
    QTest::keyClick(params(), Qt::Key_Return);
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_EQ(rowNames(), QStringList({ s("A"), s("B") }));
    dialog->show();

    setParam(1, s("40"));
    click("BitBtn3");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(read("A", "MaxNumber"), s("36"));
    dialog->show();
    EXPECT_EQ(param(1), s("36"));
}

TEST_F(SettingsDialogTest, AddedLotteriesAreListedByOkButGetASectionOnlyByApply)
{
    click("BitBtn1");
    click("BitBtn1");
    ASSERT_EQ(rowNames(), QStringList({ s("A"), s("B"), s("NewLoto_3"), s("NewLoto_4") }));
    EXPECT_EQ(lotteries()->item(3)->checkState(), Qt::Checked);
    EXPECT_EQ(ini().keys(s("LotoType")), QStringList({ s("A"), s("B") })); // nothing written yet

    lotteries()->item(1)->setCheckState(Qt::Unchecked);
    lotteries()->item(0)->setCheckState(Qt::Checked);
    click("BitBtn4");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_EQ(services.lastMessage(), messages("Str52"));
    EXPECT_EQ(ini().keys(s("LotoType")), QStringList({ s("A"), s("B"), s("NewLoto_3"), s("NewLoto_4") }));
    EXPECT_EQ(read("LotoType", "A"), s("1"));
    EXPECT_EQ(read("LotoType", "B"), s("0"));
    EXPECT_EQ(read("LotoType", "NewLoto_3"), s("1"));
    EXPECT_EQ(read("LotoType", "NewLoto_4"), s("1"));
    EXPECT_FALSE(ini().hasSection(s("NewLoto_3")));
    EXPECT_FALSE(ini().hasSection(s("NewLoto_4")));

    // The list stays as the user left it; the unticked lottery stays in it.
    dialog->show();
    ASSERT_EQ(rowNames().size(), 4);
    EXPECT_EQ(lotteries()->item(1)->checkState(), Qt::Unchecked);
    selectLottery(2);
    click("BitBtn5");
    EXPECT_EQ(read("NewLoto_3", "MaxNumber"), s("45"));
    EXPECT_FALSE(ini().hasSection(s("NewLoto_4")));
}

TEST_F(SettingsDialogTest, DeleteAsksThenErasesTheSectionAtOnceAndTheKeyOnlyByOk)
{
    selectLottery(1);
    const QByteArray before = bytes();
    click("BitBtn2"); // the question is answered "no"
    ASSERT_EQ(services.confirmQuestions.size(), 1);
    EXPECT_TRUE(services.confirmQuestions.first().contains(s("«B»")));
    EXPECT_EQ(rowNames(), QStringList({ s("A"), s("B") }));
    EXPECT_EQ(bytes(), before);

    for (int i = 0; i < 3; ++i)
        services.confirmAnswers.enqueue(true);
    click("BitBtn2");
    EXPECT_FALSE(ini().hasSection(s("B")));
    EXPECT_EQ(ini().keys(s("LotoType")), QStringList({ s("A"), s("B") }));
    EXPECT_EQ(rowNames(), QStringList({ s("A") }));
    EXPECT_EQ(lotteries()->currentRow(), 0);
    EXPECT_EQ(param(1), s("36"));

    // A row added after a deletion does not take a name still in use.
    click("BitBtn1");
    click("BitBtn1");
    EXPECT_EQ(rowNames(), QStringList({ s("A"), s("NewLoto_2"), s("NewLoto_3") }));
    click("BitBtn2"); // A is selected
    click("BitBtn1");
    EXPECT_EQ(rowNames(), QStringList({ s("NewLoto_2"), s("NewLoto_3"), s("NewLoto_4") }));

    click("BitBtn4");
    EXPECT_EQ(ini().keys(s("LotoType")), QStringList({ s("NewLoto_2"), s("NewLoto_3"), s("NewLoto_4") }));
}

TEST_F(SettingsDialogTest, RenameMovesAllTenValuesAndShowsTheLotteryLast)
{
    setParam(9, s("http://typed"));
    dialog->onLotteryRenamed(0, s("Z"));
    EXPECT_EQ(rowNames(), QStringList({ s("Z"), s("B") }));
    EXPECT_FALSE(ini().hasSection(s("A")));
    EXPECT_EQ(ini().keys(s("LotoType")), QStringList({ s("B"), s("Z") }));
    EXPECT_EQ(read("LotoType", "Z"), s("1")); // although A was hidden
    EXPECT_EQ(ini().keys(s("Z")).size(), 10);
    EXPECT_EQ(read("Z", "MaxNumber"), s("36"));
    EXPECT_EQ(read("Z", "MaxnumberOfAddBall"), s("4"));
    EXPECT_EQ(read("Z", "Machine"), s("M1,M2"));
    EXPECT_EQ(read("Z", "WWW"), s("http://typed"));

    // The row keeps its tick, so OK writes it hidden again, in list order.
    click("BitBtn4");
    EXPECT_EQ(ini().keys(s("LotoType")), QStringList({ s("Z"), s("B") }));
    EXPECT_EQ(read("LotoType", "Z"), s("0"));
}

TEST_F(SettingsDialogTest, RenameThroughTheInPlaceEditor)
{
    lotteries()->editItem(lotteries()->item(0));
    auto *editor = lotteries()->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(s("  Лото 5 из 36 "));
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor commits, then the rename runs: each is one queued step.
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(rowNames(), QStringList({ s("Лото 5 из 36"), s("B") }));
    EXPECT_EQ(read("Лото 5 из 36", "DrawNumber"), s("5"));
    EXPECT_FALSE(ini().hasSection(s("A")));
}

TEST_F(SettingsDialogTest, RenameToTheSameNameKeepsSectionAndValues)
{
    const QByteArray before = bytes();
    dialog->onLotteryRenamed(0, s("A"));
    EXPECT_EQ(bytes(), before);

    dialog->onLotteryRenamed(0, s("a"));
    EXPECT_EQ(rowNames(), QStringList({ s("a"), s("B") }));
    EXPECT_EQ(ini().keys(s("LotoType")), QStringList({ s("B"), s("a") }));
    EXPECT_EQ(read("A", "MaxNumber"), s("36"));
    EXPECT_EQ(read("A", "BaseFile"), s("a.lot"));
}

TEST_F(SettingsDialogTest, RenamesThatWouldLoseDataAreRefused)
{
    const QByteArray before = bytes();
    dialog->onLotteryRenamed(0, s("b")); // B's definition would be overwritten
    dialog->onLotteryRenamed(0, s("Form"));
    dialog->onLotteryRenamed(0, s(""));
    setParam(2, s("0"));
    dialog->onLotteryRenamed(0, s("Z")); // would write an unloadable lottery
    EXPECT_EQ(services.messages.size(), 4);
    EXPECT_TRUE(services.lastMessage().contains(s("Количество номеров одного розыгрыша")));
    EXPECT_EQ(rowNames(), QStringList({ s("A"), s("B") }));
    EXPECT_EQ(bytes(), before);
}

TEST_F(SettingsDialogTest, ValuesOutsideTheLimitsAreRefusedAndNothingIsWritten)
{
    const QByteArray before = bytes();
    const struct
    {
        int row;
        const char *value;
        const char *caption;
    } cases[] = {
        { 1, "101", "Максимальный номер в лотереи" },
        { 0, "40", "Минимальный номер в лотереи" }, // above MaxNumber 36
        { 2, "37", "Количество номеров одного розыгрыша" },
        { 3, "-1", "Количество дополнительных номеров" },
        { 5, "четыре", "Максимальный дополнительный номер" },
        { 5, "101", "Максимальный дополнительный номер" }, // cut to 100 before, silently
        { 10, "12 руб", "Цена билета" },
    };
    for (const auto &c : cases) {
        dialog->show();
        setParam(c.row, s(c.value));
        setParam(6, s("other.lot"));
        services.messages.clear();
        click("BitBtn5");
        click("BitBtn4");
        ASSERT_EQ(services.messages.size(), 2) << c.value;
        EXPECT_EQ(services.messages[0].kind, PlatformServices::MessageKind::Warning);
        EXPECT_TRUE(services.messages[0].text.contains(s(c.caption))) << services.lastMessage().toStdString();
        EXPECT_EQ(params()->currentRow(), c.row);
        EXPECT_TRUE(dialog->isVisible()); // OK refused: the user corrects the value
        EXPECT_EQ(bytes(), before);
        click("BitBtn3");
    }
}

TEST_F(SettingsDialogTest, TemplatePageEditsTheSystemListOfTheDrawSize)
{
    auto *pages = widget<QTabWidget>("PageControl1");
    pages->setCurrentIndex(1);
    auto *copy = widget<QListWidget>("ListView1");
    ASSERT_EQ(copy->count(), 2);
    EXPECT_EQ(copy->currentRow(), 0);
    ASSERT_EQ(templates()->rowCount(), 2); // A draws 5
    EXPECT_EQ(templates()->item(1, 0)->text(), s("7 номеров"));
    EXPECT_EQ(templates()->item(1, 1)->text(), s("seven.ltt"));

    // Keys stay unique: a duplicate name goes back to what it was.
    templates()->item(1, 0)->setText(s("6 НОМЕРОВ"));
    QApplication::processEvents();
    EXPECT_EQ(templates()->item(1, 0)->text(), s("7 номеров"));
    ASSERT_EQ(services.messages.size(), 1);

    click("TemplateAddBtn");
    ASSERT_EQ(templates()->rowCount(), 3);
    templates()->item(2, 0)->setText(s("8 номеров"));
    templates()->item(2, 1)->setText(s("eight.ltt"));
    click("TemplateAddBtn"); // left without a name: not written
    templates()->setCurrentCell(0, 0);
    click("TemplateDeleteBtn");
    click("BitBtn5");
    EXPECT_EQ(ini().keyValueLines(s("for 5 numbers")),
        QStringList({ s("7 номеров=seven.ltt"), s("8 номеров=eight.ltt") }));

    // B has no system list yet; applying its empty page leaves none.
    copy->setCurrentRow(1);
    EXPECT_EQ(templates()->rowCount(), 0);
    click("BitBtn5");
    EXPECT_FALSE(ini().hasSection(s("for 6 numbers")));

    // Every row deleted: the section is erased.
    copy->setCurrentRow(0);
    while (templates()->rowCount() > 0) {
        templates()->setCurrentCell(0, 0);
        click("TemplateDeleteBtn");
    }
    click("BitBtn4");
    EXPECT_FALSE(ini().hasSection(s("for 5 numbers")));
    EXPECT_EQ(services.lastMessage(), messages("Str52"));
    // OK on this page leaves the lottery values alone.
    EXPECT_EQ(read("A", "MaxNumber"), s("36"));
}

TEST_F(SettingsDialogTest, TicketPriceIsWrittenOnlyWhenGiven)
{
    EXPECT_TRUE(param(10).isEmpty());
    setParam(10, s("12,50"));
    click("BitBtn5");
    EXPECT_EQ(read("A", "TicketPrice"), s("12,50"));
    setParam(10, s(""));
    click("BitBtn5");
    EXPECT_EQ(read("A", "TicketPrice"), s("<none>"));
    EXPECT_EQ(read("A", "WWW"), s("http://a"));
}

TEST_F(SettingsDialogTest, PastedControlCharactersAreRefusedAndNothingIsWritten)
{
    const QByteArray before = bytes();
    setParam(7, s("M1\x1b[2J,M2"));
    click("BitBtn5");
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_EQ(services.messages[0].kind, PlatformServices::MessageKind::Warning);
    EXPECT_TRUE(services.lastMessage().contains(messages("Str420")));
    EXPECT_TRUE(services.lastMessage().contains(s("Названия лототронов")));
    EXPECT_EQ(params()->currentRow(), 7);
    click("BitBtn4");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(bytes(), before);
    click("BitBtn3");

    services.messages.clear();
    dialog->onLotteryRenamed(0, s("A") + QChar(0x2028) + s("B"));
    EXPECT_EQ(services.lastMessage(), messages("Str420"));
    EXPECT_EQ(rowNames(), QStringList({ s("A"), s("B") }));
    EXPECT_EQ(bytes(), before);

    // The system page: a name goes back to what it was, a file name is refused by Apply.
    widget<QTabWidget>("PageControl1")->setCurrentIndex(1);
    services.messages.clear();
    templates()->item(0, 0)->setText(s("6\tномеров"));
    QApplication::processEvents();
    EXPECT_EQ(templates()->item(0, 0)->text(), s("6 номеров"));
    EXPECT_EQ(services.lastMessage(), messages("Str420"));
    templates()->item(1, 1)->setText(s("seven.ltt\r\n[Form]"));
    click("BitBtn5");
    EXPECT_EQ(services.lastMessage(), messages("Str420"));
    EXPECT_EQ(templates()->currentRow(), 1);
    EXPECT_EQ(bytes(), before);
}

TEST_F(SettingsDialogTest, AGameOfTheCatalogueFillsTheRowsAndIsWrittenWithItsKeysByOk)
{
    click("CatalogueBtn");
    auto *picker = dialog->findChild<QDialog *>(s("CataloguePicker"));
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(picker->isVisible());
    auto *list = picker->findChild<QListWidget *>(s("CatalogueList"));
    ASSERT_NE(list, nullptr);
    EXPECT_GE(list->count(), 20);
    // The find field narrows the list; the Russian name finds the game too.
    picker->findChild<QLineEdit *>(s("CatalogueFind"))->setText(s("МЕГА"));
    QStringList shown;
    for (int row = 0; row < list->count(); ++row) {
        if (!list->item(row)->isHidden())
            shown.append(list->item(row)->text());
    }
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.first().startsWith(s("Mega Millions")));
    picker->findChild<QPushButton *>(s("CatalogueOk"))->click();

    ASSERT_EQ(rowNames(), QStringList({ s("A"), s("B"), s("Mega Millions") }));
    EXPECT_EQ(lotteries()->currentRow(), 2);
    EXPECT_EQ(param(1), s("70"));
    EXPECT_EQ(param(2), s("5"));
    EXPECT_EQ(param(3), s("1"));
    EXPECT_EQ(param(5), s("24"));
    EXPECT_EQ(param(10), s("5"));
    EXPECT_FALSE(ini().hasSection(s("Mega Millions"))); // nothing written before OK
    // The rows stay editable before OK.
    setParam(6, s("mm.lot"));
    click("BitBtn4");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(read("LotoType", "Mega Millions"), s("1"));
    EXPECT_EQ(read("Mega Millions", "MaxnumberOfAddBall"), s("24"));
    EXPECT_EQ(read("Mega Millions", "BaseFile"), s("mm.lot"));
    EXPECT_EQ(read("Mega Millions", "CatalogueName"), s("Mega Millions"));
    EXPECT_TRUE(read("Mega Millions", "ResultsUrl").startsWith(s("https://")));
    EXPECT_EQ(read("Mega Millions", "ImportDateFormat"), s("mm/dd/yyyy"));
    EXPECT_TRUE(dir.readBytes(s("mm.lot")).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(s("mm.lot"))));

    // The same game once more is refused with the reason; no row is added.
    dialog->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed list goes
    ASSERT_EQ(dialog->findChild<QDialog *>(s("CataloguePicker")), nullptr);
    click("CatalogueBtn");
    picker = dialog->findChild<QDialog *>(s("CataloguePicker"));
    ASSERT_NE(picker, nullptr);
    picker->findChild<QLineEdit *>(s("CatalogueFind"))->setText(s("mega millions"));
    picker->findChild<QPushButton *>(s("CatalogueOk"))->click();
    EXPECT_EQ(services.lastMessage(), messages("Str78").arg(s("Mega Millions")));
    EXPECT_EQ(rowNames().size(), 3);
}
