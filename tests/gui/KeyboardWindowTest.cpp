// The window without a mouse: Tab walks from pane to pane instead of from cell to
// cell, Space marks a number from any column, Enter on a statistic's row marks its
// numbers, and every menu entry opens by an access key of its own.

#include "support/WindowFixture.h"

#include "support/TestText.h"
#include "ui/MenuItems.h"
#include "ui/models/StatTableModel.h"

#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTest>

#include <set>

using namespace kivora;

namespace {

using kivora::test::s;

class Keyboard : public test::WindowFixture
{
protected:
    void focusOn(const char *name)
    {
        // A wait window of a statistic took the activation with it when it closed.
        for (int i = 0; i < 50 && QApplication::activeWindow() != &window(); ++i) {
            window().activateWindow();
            QTest::qWait(20);
        }
        ASSERT_EQ(QApplication::activeWindow(), &window());
        find<QWidget>(name)->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), find<QWidget>(name));
    }
    // The names of the widgets the focus visits, from the one it is on, in at most
    // `presses` presses of the key.
    QStringList focusPath(Qt::Key key, Qt::KeyboardModifiers modifiers, int presses)
    {
        QStringList path;
        for (int i = 0; i < presses && QApplication::focusWidget(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            path.append(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
        }
        return path;
    }
    // Opens every menu as the user would, and checks that the entries of each have an
    // access key and none shares it with a neighbour.
    void expectOwnAccessKeys(const QList<QAction *> &entries, const QString &where)
    {
        std::set<QChar> keys;
        for (QAction *entry : entries) {
            if (entry->isSeparator() || !entry->isVisible())
                continue;
            const QChar key = menuitems::accessKey(entry->text());
            EXPECT_FALSE(key.isNull()) << where.toStdString() << ": " << entry->text().toStdString();
            EXPECT_TRUE(key.isNull() || keys.insert(key).second)
                << where.toStdString() << ": " << entry->text().toStdString() << " repeats its key";
            if (QMenu *menu = entry->menu()) {
                menu->popup(QPoint(0, 0));
                expectOwnAccessKeys(menu->actions(), where + QStringLiteral(" > ") + entry->text());
                menu->hide();
            }
        }
    }
};

} // namespace

TEST_F(Keyboard, TabGoesFromPaneToPaneAndReachesTheNumberList)
{
    seedDefaults();
    start();
    focusOn("StringGrid2");
    const QStringList forward = focusPath(Qt::Key_Tab, Qt::NoModifier, 12);
    EXPECT_TRUE(forward.contains(s("ListView1"))) << forward.join(QLatin1Char(' ')).toStdString();
    EXPECT_NE(forward.value(0), s("StringGrid2")) << "Tab stayed in the results grid";

    // Back from the combination grid: Shift+Tab leaves it at once.
    focusOn("StringGrid1");
    const QStringList backward = focusPath(Qt::Key_Backtab, Qt::ShiftModifier, 12);
    EXPECT_NE(backward.value(0), s("StringGrid1"));
    EXPECT_TRUE(backward.contains(s("ListView1"))) << backward.join(QLatin1Char(' ')).toStdString();
}

TEST_F(Keyboard, SpaceMarksTheCurrentNumberFromAnyColumn)
{
    seedDefaults();
    start();
    auto *list = find<QTableView>("ListView1");
    focusOn("ListView1");
    ASSERT_GT(list->model()->columnCount(), 1);
    list->setCurrentIndex(list->model()->index(3, 1));
    QTest::keyClick(list, Qt::Key_Space);
    settle();
    EXPECT_TRUE(numbers()->isFlagged(3));
    EXPECT_EQ(numbers()->flaggedCount(), 1);
    list->setCurrentIndex(list->model()->index(3, 2));
    QTest::keyClick(list, Qt::Key_Space);
    settle();
    EXPECT_EQ(numbers()->flaggedCount(), 0);
}

TEST_F(Keyboard, EnterOnAStatisticRowMarksItsNumbers)
{
    seedDefaults();
    start();
    trigger("N35"); // all pairs
    auto *list = find<QTableView>("ListView2");
    ASSERT_GT(list->model()->rowCount(), 0);
    focusOn("ListView2");
    list->setCurrentIndex(list->model()->index(0, 1));
    QTest::keyClick(list, Qt::Key_Return);
    settle();
    EXPECT_EQ(numbers()->flaggedCount(), 2);
}

TEST_F(Keyboard, EveryMenuEntryHasAnAccessKeyOfItsOwnInBothLanguages)
{
    seedDefaults();
    start();
    expectOwnAccessKeys(window().menuBar()->actions(), s("Russian"));
    chooseLanguage("english.lng");
    expectOwnAccessKeys(window().menuBar()->actions(), s("English"));
    // The menu bar's own choice of keys where the file gives none or one twice.
    EXPECT_EQ(menuitems::accessKey(s("Se&ttings")), QChar(u't'));
    EXPECT_TRUE(menuitems::accessKey(s("Rock && roll")).isNull());
}
