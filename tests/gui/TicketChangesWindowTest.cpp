// What the player changes in the ticket list, and what survives it: deleting the
// ticket under the cursor and taking it back, a forecast over marks of the player's
// own or larger than the ticket, a draw added, a check that is refused, a save, and
// the check of a system that states its guarantee.

#include "support/WindowFixture.h"

#include "core/MessageCatalog.h"
#include "support/TestText.h"
#include "ui/dialogs/WheelCheckDialog.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>

using namespace kivora;

namespace {

using kivora::test::s;

// The marked numbers, whatever order the list shows them in.
QStringList markedCaptions(StatTableModel *model)
{
    QStringList captions = model->flaggedCaptions();
    captions.sort();
    return captions;
}

// "6 из 45" with a one-ticket system and a seven-ticket one, three draws.
class TicketChangesWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeSixOf45WithThreeDraws();
        dir.writeLines(s("System/seven.ltt"),
            { s(";7 numbers, all of six"), s("1 2 3 4 5 6"), s("1 2 3 4 5 7"), s("1 2 3 4 6 7"),
                s("1 2 3 5 6 7"), s("1 2 4 5 6 7"), s("1 3 4 5 6 7"), s("2 3 4 5 6 7") });
        start();
        window().resize(1200, 800);
        window().show();
        settle();
    }

    void chooseSystem(int index)
    {
        auto *box = window().findChild<QComboBox *>(s("ComboBox1"));
        ASSERT_NE(box, nullptr);
        box->setCurrentIndex(index);
        emit box->activated(index);
        settle();
    }
    QTableView *ticketView() { return find<QTableView>("StringGrid1"); }
    // The pop-up menu of the ticket list opened at a point of its rows' area, and
    // closed again: what it offers stays set.
    void openMenuAt(const QPoint &point)
    {
        emit ticketView()->customContextMenuRequested(point);
        settle();
        if (auto *menu = window().findChild<QMenu *>(s("CombMenu")))
            menu->hide();
    }
    QAction *action(const char *name) { return window().findChild<QAction *>(QLatin1String(name)); }

    const MessageCatalog messages;
};

} // namespace

TEST_F(TicketChangesWindow, DeleteActsOnlyOnATicketUnderTheCursorAndCtrlZTakesItBack)
{
    chooseSystem(1);
    tickFirst(7);
    ASSERT_EQ(combinations()->rowCount(), 7);
    const QStringList thirdRow = combinations()->list().row(2);
    QTableView *view = ticketView();
    const int below = view->rowViewportPosition(6) + view->rowHeight(6) + 2;
    ASSERT_LT(below, view->viewport()->height()) << "the rows fill the list";

    // Beside the rows: nothing to delete, and nothing is, even after a row was current.
    view->setCurrentIndex(combinations()->index(0, 0));
    openMenuAt(QPoint(5, below));
    EXPECT_FALSE(action("N46")->isEnabled());
    trigger("N46");
    EXPECT_EQ(combinations()->rowCount(), 7);

    // On the third row: that row goes, and the count follows.
    openMenuAt(QPoint(5, view->rowViewportPosition(2) + 1));
    EXPECT_TRUE(action("N46")->isEnabled());
    trigger("N46");
    ASSERT_EQ(combinations()->rowCount(), 6);
    EXPECT_NE(combinations()->list().row(2), thirdRow);
    EXPECT_TRUE(status(2).startsWith(s("Комбинаций: 6"))) << status(2).toStdString();
    openMenuAt(QPoint(5, view->rowViewportPosition(0) + 1));
    trigger("N46");
    EXPECT_EQ(combinations()->rowCount(), 5);

    // Ctrl+Z brings the deletions back, the last first.
    QAction *undo = action("N46Undo");
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_TRUE(undo->isEnabled());
    trigger("N46Undo");
    EXPECT_EQ(combinations()->rowCount(), 6);
    trigger("N46Undo");
    EXPECT_EQ(combinations()->rowCount(), 7);
    EXPECT_EQ(combinations()->list().row(2), thirdRow);
    EXPECT_TRUE(status(2).startsWith(s("Комбинаций: 7"))) << status(2).toStdString();
    EXPECT_FALSE(undo->isEnabled());
    screenshot("tickets-after-undo");
}

TEST_F(TicketChangesWindow, CtrlZTakesBackClearedMarksAndTheirTickets)
{
    chooseSystem(1);
    tickFirst(7);
    const QStringList marked = markedCaptions(numbers());
    trigger("N23");
    EXPECT_EQ(numbers()->flaggedCount(), 0);
    EXPECT_TRUE(combinations()->list().isEmpty());
    trigger("N46Undo");
    EXPECT_EQ(markedCaptions(numbers()), marked);
    EXPECT_EQ(combinations()->rowCount(), 7);
    EXPECT_EQ(status(1), s("Выбрано 7 номеров"));
    // A new mark makes a new list: there is nothing to take back then.
    trigger("N23");
    tickFirst(1);
    EXPECT_FALSE(action("N46Undo")->isEnabled());
}

TEST_F(TicketChangesWindow, AnAddedDrawKeepsTheSystemAndTheMarks)
{
    chooseSystem(1);
    tickFirst(7);
    const QStringList marked = markedCaptions(numbers());
    QTimer::singleShot(0, &window(), [this] {
        auto *dialog = window().findChild<QDialog *>(s("AddTirag"));
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit *>(s("MaskEdit1"))->setText(s("05,16,23,32,41,45"));
        dialog->findChild<QPushButton *>(s("OKBtn"))->click();
        if (dialog->isVisible())
            dialog->reject();
    });
    trigger("N9");
    settle();
    ASSERT_EQ(dir.readLines(s("6x45.lot")).size(), 4);
    EXPECT_EQ(window().findChild<QComboBox *>(s("ComboBox1"))->currentText(), s("7 номеров"));
    EXPECT_EQ(markedCaptions(numbers()), marked);
    EXPECT_EQ(combinations()->rowCount(), 7);
    EXPECT_EQ(status(1), s("Выбрано 7 номеров"));
}

TEST_F(TicketChangesWindow, ARefusedCheckLeavesNoEarlierReport)
{
    chooseSystem(1);
    tickFirst(7);
    const QString saved = dir.filePath(s("mine.ltc"));
    services.saveAnswers.enqueue(saved);
    trigger("N12");
    // Saving says so, with the file's name.
    EXPECT_EQ(status(0), messages("Str650").arg(QDir::toNativeSeparators(saved)));

    dir.writeLines(
        s("other.ltc"), { s("5 из 36"), s("Выбрано:  5 номеров - 1 комбинация"), s("01   02   03") });
    const QString report = dir.filePath(s("result.tmp"));
    struct Refusal
    {
        QString file;
        QString draw;
    };
    const QList<Refusal> refusals = { { dir.filePath(s("other.ltc")), QString() }, { saved, s("abc") } };
    for (const Refusal &refusal : refusals) {
        services.openAnswers.enqueue(saved);
        services.textAnswers.enqueue(s("125"));
        trigger("N19");
        ASSERT_TRUE(QFile::exists(report));
        services.editedFiles.clear();
        services.openAnswers.enqueue(refusal.file);
        if (!refusal.draw.isEmpty())
            services.textAnswers.enqueue(refusal.draw);
        trigger("N19");
        EXPECT_FALSE(QFile::exists(report)) << refusal.file.toStdString();
        EXPECT_TRUE(services.editedFiles.isEmpty());
    }
}

namespace {

// Keno: twenty numbers drawn of eighty, tickets of two or ten. Of the two draws the
// forecast marks the twenty numbers of the newer one (each due in the draw after next).
class KenoForecastWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeConfig({ s("[LotoType]"), s("Кено (20 из 80)=1"), s("[Кено (20 из 80)]"), s("MaxNumber=80"),
            s("DrawNumber=20"), s("BaseFile=keno.lot"), s("[for 20 numbers]"),
            s("2 номера (один билет)=two.ltt"), s("10 номеров (один билет)=ten.ltt") });
        QStringList first;
        QStringList second;
        for (int n = 1; n <= 20; ++n) {
            first.append(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
            second.append(QStringLiteral("%1").arg(n + 20, 2, 10, QLatin1Char('0')));
        }
        dir.writeLines(s("keno.lot"),
            { s("1,01.01.2020,-,-,") + first.join(QLatin1Char(',')),
                s("2,02.01.2020,-,-,") + second.join(QLatin1Char(',')) });
        dir.writeLines(s("System/two.ltt"), { s("; one ticket of two"), s("1 2") });
        dir.writeLines(s("System/ten.ltt"), { s("; one ticket of ten"), s("1 2 3 4 5 6 7 8 9 10") });
        start();
        window().resize(1366, 768);
        window().show();
        settle();
    }

    const MessageCatalog messages;
};

} // namespace

TEST_F(KenoForecastWindow, TheForecastOffersTheBestNumbersForTheTicketAndAsksBeforeReplacingMarks)
{
    auto *systems = find<QComboBox>("ComboBox1");
    systems->setCurrentIndex(1);
    emit systems->activated(1);
    settle();

    // The player's own marks stay unless the player agrees to lose them.
    tickFirst(3);
    const QStringList own = numbers()->flaggedCaptions();
    services.confirmAnswers.enqueue(false);
    trigger("N53");
    ASSERT_EQ(services.confirmQuestions.size(), 1);
    EXPECT_EQ(services.confirmQuestions.first(), messages("Str652").arg(3));
    EXPECT_EQ(numbers()->flaggedCaptions(), own);

    // Agreed, then the best ten of the twenty kept: one full ticket of the forecast.
    services.confirmQuestions.clear();
    services.confirmAnswers.enqueue(true);
    services.confirmAnswers.enqueue(true);
    trigger("N53");
    ASSERT_GE(services.confirmQuestions.size(), 2);
    EXPECT_EQ(services.confirmQuestions.at(1),
        messages("Str651").arg(20).arg(s("10 номеров (один билет)")).arg(10));
    const QStringList kept = numbers()->flaggedCaptions();
    ASSERT_EQ(kept.size(), 10);
    for (const QString &number : kept)
        EXPECT_GT(number.toInt(), 20) << number.toStdString();
    EXPECT_EQ(systems->currentIndex(), 1);
    EXPECT_EQ(combinations()->list().markedCaptions().size(), 10);
    screenshot("keno-forecast-best-ten");

    // The forecast's own marks go without a question. Keeping the best declined: all
    // twenty stay marked, as the forecast made them.
    services.confirmQuestions.clear();
    services.confirmAnswers.enqueue(false);
    trigger("N53");
    ASSERT_FALSE(services.confirmQuestions.isEmpty());
    EXPECT_TRUE(services.confirmQuestions.first().startsWith(s("Прогноз отметил 20")));
    EXPECT_EQ(numbers()->flaggedCount(), 20);
}

namespace {

// A system whose name states its guarantee: two tickets of six of seven numbers, so
// that whichever six are drawn one ticket holds five of them.
class StatedSystemWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeConfig({ s("[LotoType]"), s("6 из 45=1"), s("[6 из 45]"), s("MaxNumber=45"), s("DrawNumber=6"),
            s("BaseFile=6x45.lot"), s("[for 6 numbers]"), s("7 номеров: 5 из 6, 2 билета=seven.ltt") });
        dir.writeLines(s("6x45.lot"),
            { s("123,01.01.2005,-,-,01,02,04,05,06,10"), s("124,08.01.2005,-,-,07,08,09,11,12,13") });
        dir.writeLines(s("System/seven.ltt"), { s(";7 numbers"), s("1 2 3 4 5 6"), s("1 2 3 4 5 7") });
        start();
    }

    const MessageCatalog messages;
};

} // namespace

TEST_F(StatedSystemWindow, TheCheckProposesTheStatedGuaranteeAndNamesHolesByTheMarkedNumbers)
{
    tickFirst(7);
    const QStringList marked = numbers()->flaggedCaptions();
    ASSERT_EQ(marked.size(), 7);
    bool checked = false;
    QTimer::singleShot(0, &window(), [&] {
        auto *dialog = window().findChild<WheelCheckDialog *>(s("WheelCheckDialog"));
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->findChild<QSpinBox *>(s("MatchBox"))->value(), 5);
        EXPECT_EQ(dialog->findChild<QSpinBox *>(s("DrawnBox"))->value(), 6);
        // 6 if 6 fails: the five sets of six that are no ticket, as numbers.
        dialog->findChild<QSpinBox *>(s("MatchBox"))->setValue(6);
        QSignalSpy finished(dialog, &WheelCheckDialog::checkFinished);
        dialog->findChild<QPushButton *>(s("CheckBtn"))->click();
        ASSERT_TRUE(finished.wait(60000));
        EXPECT_TRUE(dialog->findChild<QLabel *>(s("CheckResult"))->text().endsWith(messages("Str654")));
        const QStringList holes
            = dialog->findChild<QPlainTextEdit *>(s("HolesList"))->toPlainText().split(QLatin1Char('\n'));
        ASSERT_EQ(holes.size(), 5);
        // Positions 1 2 3 4 6 7 of the system.
        EXPECT_EQ(holes.first(),
            QStringList(
                { marked.at(0), marked.at(1), marked.at(2), marked.at(3), marked.at(5), marked.at(6) })
                .join(QLatin1Char(' ')));
        checked = true;
        dialog->reject();
    });
    trigger("N15Check");
    EXPECT_TRUE(checked);
}
