// The tool bar a newcomer can read: a long system list narrowed by ticket size and kind
// without losing an item, and captions under the buttons as a setting that is kept.

#include "core/IniFile.h"
#include "play/SystemShapes.h"
#include "support/TestText.h"
#include "support/WindowFixture.h"
#include "ui/dialogs/WheelMakeDialog.h"
#include "ui/panes/SystemFilter.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

using namespace kivora;

namespace {

using kivora::test::s;

const char *const kButtons[]
    = { "BitBtn5", "BitBtn6", "BitBtn1", "BitBtn3", "BitBtn4", "BitBtn2", "BitBtn8", "BitBtn9", "BitBtn7" };

class SystemFilterWindow : public test::WindowFixture
{
protected:
    void SetUp() override { seedDefaults(); }

    QComboBox *systemBox() { return find<QComboBox>("ComboBox1"); }
    QListView *popupList() { return qobject_cast<QListView *>(systemBox()->view()); }

    // The rows of the system box the popup shows.
    QList<int> shownRows()
    {
        QList<int> rows;
        for (int row = 0; row < systemBox()->count(); ++row) {
            if (!popupList()->isRowHidden(row))
                rows.append(row);
        }
        return rows;
    }

    void chooseLanguage(const char *file)
    {
        for (QAction *item : find<QMenu>("Lang")->actions()) {
            if (item->data().toString() == s(file))
                item->trigger();
        }
        settle();
    }
};

} // namespace

TEST_F(SystemFilterWindow, KenoWheelsOfFiveAreTheOnlyRowsShownAndNoItemIsLost)
{
    start();
    chooseLottery(s("Кено (20 из 80)"));
    QComboBox *box = systemBox();
    auto *sizes = find<QComboBox>("SystemSizeBox");
    auto *kinds = find<QComboBox>("SystemKindBox");
    ASSERT_TRUE(sizes->isVisibleTo(&window()));
    ASSERT_TRUE(kinds->isVisibleTo(&window()));
    const QStringList before = [box] {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items.append(box->itemText(i));
        return items;
    }();
    ASSERT_GT(before.size(), SystemFilter::kLongList);
    EXPECT_EQ(shownRows().size(), before.size());
    const QString chosen = box->currentText();
    ASSERT_FALSE(chosen.isEmpty());

    sizes->setCurrentIndex(sizes->findText(s("5")));
    kinds->setCurrentIndex(3);
    settle();

    // What the core counts for the same filter, on the configuration as the program has it.
    const IniDocument ini = IniFile(dir.filePath(s("kivora.INI"))).load();
    const std::vector<SystemShape> shapes
        = systemshapes::listed(ini, s("for 20 numbers"), ini.keys(s("for 20 numbers")), dir.folder());
    const int expected = systemshapes::countAccepted(shapes, { 5, SystemKind::Wheel });
    ASSERT_GT(expected, 40);
    const QList<int> shown = shownRows();
    EXPECT_EQ(shown.size(), expected);
    const QRegularExpression wheelOfFive(s("^wheel5_\\d+_\\d+if\\d+\\.ltt$"));
    for (const int row : shown) {
        const QString file = ini.readString(s("for 20 numbers"), box->itemText(row), QString());
        EXPECT_TRUE(wheelOfFive.match(file).hasMatch()) << box->itemText(row).toStdString();
        EXPECT_TRUE(box->itemText(row).contains(s("билеты по 5,"))) << box->itemText(row).toStdString();
    }

    // Every item is still there in its place, and the chosen one stays chosen though hidden.
    ASSERT_EQ(box->count(), before.size());
    for (int i = 0; i < box->count(); ++i)
        EXPECT_EQ(box->itemText(i), before.at(i));
    EXPECT_EQ(box->currentText(), chosen);
    EXPECT_TRUE(popupList()->isRowHidden(box->currentIndex()));
    EXPECT_GE(box->findText(chosen), 0);

    // The popup opens on the narrowed list.
    box->showPopup();
    settle();
    EXPECT_TRUE(popupList()->isVisible());
    box->hidePopup();

    // Back to every kind: the one tickets and full systems of five come back.
    kinds->setCurrentIndex(0);
    settle();
    EXPECT_EQ(shownRows().size(), systemshapes::countAccepted(shapes, { 5, std::nullopt }));
    sizes->setCurrentIndex(0);
    settle();
    EXPECT_EQ(shownRows().size(), before.size());
}

TEST_F(SystemFilterWindow, TheFilterIsReachableByKeyboardAndSpeaksTheWindowsLanguage)
{
    start();
    chooseLottery(s("Кено (20 из 80)"));
    auto *sizeLabel = find<QLabel>("SystemSizeLabel");
    auto *kindLabel = find<QLabel>("SystemKindLabel");
    auto *sizes = find<QComboBox>("SystemSizeBox");
    auto *kinds = find<QComboBox>("SystemKindBox");
    EXPECT_EQ(sizeLabel->buddy(), sizes);
    EXPECT_EQ(kindLabel->buddy(), kinds);
    EXPECT_TRUE(sizeLabel->text().contains(QLatin1Char('&')));
    EXPECT_TRUE(kindLabel->text().contains(QLatin1Char('&')));
    EXPECT_NE(sizes->focusPolicy() & Qt::TabFocus, 0);
    EXPECT_FALSE(sizes->toolTip().isEmpty());
    EXPECT_FALSE(kinds->toolTip().isEmpty());
    EXPECT_EQ(kinds->itemText(3), s("сокращённые системы"));

    kinds->setCurrentIndex(1);
    settle();
    const int oneTickets = static_cast<int>(shownRows().size());
    EXPECT_EQ(oneTickets, 9);

    chooseLanguage("english.lng");
    EXPECT_EQ(sizeLabel->text(), s("Tic&kets of"));
    EXPECT_EQ(kindLabel->text(), s("K&ind"));
    EXPECT_EQ(sizes->itemText(0), s("all"));
    EXPECT_EQ(kinds->itemText(1), s("one ticket"));
    EXPECT_EQ(kinds->itemText(3), s("wheels"));
    EXPECT_TRUE(sizes->toolTip().startsWith(s("Show"))) << sizes->toolTip().toStdString();
    // The choice and what it hides stay through the switch.
    EXPECT_EQ(kinds->currentIndex(), 1);
    EXPECT_EQ(shownRows().size(), oneTickets);
}

TEST_F(SystemFilterWindow, AShortListShowsNoFilterAndHidesNothing)
{
    start();
    chooseLottery(s("Кено (20 из 80)"));
    find<QComboBox>("SystemKindBox")->setCurrentIndex(2);
    settle();
    chooseLottery(s("6 из 45"));
    EXPECT_FALSE(find<QComboBox>("SystemSizeBox")->isVisibleTo(&window()));
    EXPECT_FALSE(find<QComboBox>("SystemKindBox")->isVisibleTo(&window()));
    EXPECT_LE(systemBox()->count(), SystemFilter::kLongList);
    EXPECT_EQ(shownRows().size(), systemBox()->count());
    // Back on Keno the list starts whole again.
    chooseLottery(s("Кено (20 из 80)"));
    EXPECT_EQ(find<QComboBox>("SystemKindBox")->currentIndex(), 0);
    EXPECT_EQ(shownRows().size(), systemBox()->count());
}

TEST_F(SystemFilterWindow, ANewWheelJoinsTheFilteredListWithItsShape)
{
    start();
    chooseLottery(s("Кено (20 из 80)"));
    auto *sizes = find<QComboBox>("SystemSizeBox");
    auto *kinds = find<QComboBox>("SystemKindBox");
    sizes->setCurrentIndex(sizes->findText(s("3")));
    kinds->setCurrentIndex(3);
    settle();
    const int shownBefore = static_cast<int>(shownRows().size());
    const int count = systemBox()->count();

    const QString name = s("8 номеров: билеты по 3, мои");
    services.textAnswers.enqueue(name);
    QTimer::singleShot(0, &window(), [&] {
        auto *dialog = window().findChild<WheelMakeDialog *>(s("WheelMakeDialog"));
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QSpinBox *>(s("NumbersBox"))->setValue(8);
        dialog->findChild<QSpinBox *>(s("TicketBox"))->setValue(3);
        dialog->findChild<QSpinBox *>(s("MatchBox"))->setValue(2);
        dialog->findChild<QSpinBox *>(s("DrawnBox"))->setValue(3);
        dialog->findChild<QSpinBox *>(s("SecondsBox"))->setValue(1);
        QSignalSpy finished(dialog, &WheelMakeDialog::searchFinished);
        dialog->findChild<QPushButton *>(s("StartBtn"))->click();
        ASSERT_TRUE(finished.wait(20000));
        dialog->findChild<QPushButton *>(s("OKBtn"))->click();
    });
    trigger("N15Make");

    ASSERT_EQ(systemBox()->count(), count + 1);
    const int added = systemBox()->count() - 1;
    EXPECT_EQ(systemBox()->itemText(added), name);
    EXPECT_EQ(systemBox()->currentIndex(), added);
    EXPECT_EQ(SystemFilter::shapeAt(systemBox(), added), (SystemShape { 8, 3, SystemKind::Wheel }));
    EXPECT_FALSE(popupList()->isRowHidden(added));
    EXPECT_EQ(shownRows().size(), shownBefore + 1);
}

TEST_F(SystemFilterWindow, CaptionsUnderTheIconsAreASettingThatIsKept)
{
    start();
    auto *captions = find<QAction>("N20Captions");
    ASSERT_TRUE(captions->isCheckable());
    // A configuration of an earlier version has no such key: icons alone.
    EXPECT_FALSE(captions->isChecked());
    for (const char *name : kButtons)
        EXPECT_EQ(find<QToolButton>(name)->toolButtonStyle(), Qt::ToolButtonIconOnly) << name;

    captions->trigger();
    // On a screen of the smallest size the window is made for.
    window().resize(1366, 740);
    settle();
    for (const char *name : kButtons) {
        auto *button = find<QToolButton>(name);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << name;
        EXPECT_FALSE(button->text().isEmpty()) << name;
        EXPECT_TRUE(button->isVisible()) << name;
        // The whole caption fits the button.
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text())) << name;
    }
    EXPECT_EQ(find<QToolButton>("BitBtn5")->text(), s("Добавить"));
    EXPECT_EQ(find<QToolButton>("BitBtn7")->text(), s("Выход"));
    window().close();
    EXPECT_EQ(IniFile(dir.filePath(s("kivora.INI"))).readString(s("Form"), s("ToolbarCaptions"), QString()),
        s("1"));

    start();
    EXPECT_TRUE(find<QAction>("N20Captions")->isChecked());
    EXPECT_EQ(find<QToolButton>("BitBtn3")->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    chooseLanguage("english.lng");
    EXPECT_EQ(find<QToolButton>("BitBtn5")->text(), s("Add"));
    EXPECT_EQ(find<QAction>("N20Captions")->text(), s("Button &captions"));
    find<QAction>("N20Captions")->trigger();
    settle();
    EXPECT_EQ(find<QToolButton>("BitBtn3")->toolButtonStyle(), Qt::ToolButtonIconOnly);
    window().close();
    EXPECT_EQ(IniFile(dir.filePath(s("kivora.INI"))).readString(s("Form"), s("ToolbarCaptions"), QString()),
        s("0"));
    start();
    EXPECT_FALSE(find<QAction>("N20Captions")->isChecked());
}
