// Abbreviated systems in the window: made through the dialog, added to the list,
// played, and checked.

#include "core/IniFile.h"
#include "play/SystemTemplate.h"
#include "play/WheelVerifier.h"
#include "support/TestText.h"
#include "support/WindowFixture.h"
#include "ui/dialogs/WheelCheckDialog.h"
#include "ui/dialogs/WheelMakeDialog.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <set>

using namespace kivora;

namespace {

using kivora::test::s;

// Clicks Check and waits for the check, which runs on a thread of its own.
void checkAndWait(WheelCheckDialog *dialog)
{
    QSignalSpy finished(dialog, &WheelCheckDialog::checkFinished);
    dialog->findChild<QPushButton *>(s("CheckBtn"))->click();
    ASSERT_TRUE(finished.wait(60000));
}

class WheelWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeConfig({ s("[LotoType]"), s("6 из 45=1"), s("[6 из 45]"), s("MaxNumber=45"), s("DrawNumber=6"),
            s("BaseFile=6x45.lot"), s("[for 6 numbers]"), s("7 номеров=seven.ltt") });
        dir.writeLines(s("6x45.lot"),
            { s("123,01.01.2005,-,-,01,02,04,05,06,10"), s("124,08.01.2005,-,-,07,08,09,11,12,13") });
        dir.writeLines(
            s("System/seven.ltt"), { s(";7 numbers, one ticket short"), s("1 2 3 4 5 6"), s("1 2 3 4 5 7") });
        start();
    }
};

} // namespace

TEST_F(WheelWindow, MadeSystemJoinsTheListAndExpandsTheMarkedNumbers)
{
    tickFirst(9);
    const QString name = s("9 номеров: 3 из 3, по шесть");
    services.textAnswers.enqueue(name);
    bool searched = false;
    QTimer::singleShot(0, &window(), [&] {
        auto *dialog = window().findChild<WheelMakeDialog *>(s("WheelMakeDialog"));
        ASSERT_NE(dialog, nullptr);
        // The marked count and the draw size are the defaults.
        EXPECT_EQ(dialog->findChild<QSpinBox *>(s("NumbersBox"))->value(), 9);
        EXPECT_EQ(dialog->findChild<QSpinBox *>(s("TicketBox"))->value(), 6);
        dialog->findChild<QSpinBox *>(s("MatchBox"))->setValue(3);
        dialog->findChild<QSpinBox *>(s("DrawnBox"))->setValue(3);
        dialog->findChild<QSpinBox *>(s("SecondsBox"))->setValue(1);
        QSignalSpy finished(dialog, &WheelMakeDialog::searchFinished);
        dialog->findChild<QPushButton *>(s("StartBtn"))->click();
        EXPECT_TRUE(dialog->isSearching());
        ASSERT_TRUE(finished.wait(20000));
        searched = true;
        auto *ok = dialog->findChild<QPushButton *>(s("OKBtn"));
        EXPECT_TRUE(ok->isEnabled());
        ok->click();
    });
    trigger("N15Make");
    ASSERT_TRUE(searched);
    EXPECT_EQ(services.askedPrompts.size(), 1);

    // Listed, stored and chosen.
    auto *box = find<QComboBox>("ComboBox1");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->currentText(), name);
    const QString file
        = IniFile(dir.filePath(s("kivora.INI"))).readString(s("for 6 numbers"), name, QString());
    EXPECT_EQ(file, s("wheel6_9_3if3.ltt"));
    const QStringList lines = dir.readLines(s("System/") + file);
    ASSERT_GT(lines.size(), 3);
    EXPECT_TRUE(lines.at(0).startsWith(s(";")));

    // Played: every ticket holds six of the nine marked numbers, and any three of them
    // share a ticket.
    const CombinationList &list = combinations()->list();
    ASSERT_GT(list.rowCount(), 1);
    std::vector<quint64> tickets;
    for (int row = 0; row < list.rowCount(); ++row) {
        quint64 set = 0;
        int filled = 0;
        for (const QString &cell : list.row(row)) {
            if (cell.isEmpty())
                continue;
            ++filled;
            const int number = cell.toInt();
            ASSERT_TRUE(number >= 1 && number <= 45) << cell.toStdString();
            set |= quint64(1) << (number - 1);
        }
        EXPECT_EQ(filled, 6);
        tickets.push_back(set);
    }
    std::set<int> used;
    for (quint64 t : tickets)
        for (int b = 0; b < 64; ++b)
            if ((t >> b) & 1U)
                used.insert(b + 1);
    ASSERT_EQ(used.size(), 9U);
    // Positions 1..9 in ascending order of the numbers.
    std::vector<int> order(used.begin(), used.end());
    std::vector<quint64> positions;
    for (quint64 t : tickets) {
        quint64 p = 0;
        for (size_t i = 0; i < order.size(); ++i)
            if ((t >> (order[i] - 1)) & 1U)
                p |= quint64(1) << i;
        positions.push_back(p);
    }
    EXPECT_TRUE(wheel::verify(positions, { 9, 3, 3 }).holds);
}

TEST_F(WheelWindow, CheckShowsWhetherTheCurrentSystemHoldsAndItsFirstHoles)
{
    bool checked = false;
    QTimer::singleShot(0, &window(), [&] {
        auto *dialog = window().findChild<WheelCheckDialog *>(s("WheelCheckDialog"));
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->findChild<QSpinBox *>(s("NumbersBox"))->value(), 7);
        // Two tickets of 6 out of 7 numbers: whichever 6 are drawn, one ticket holds 5 of
        // them; only two of the seven sets of 6 are a ticket.
        dialog->findChild<QSpinBox *>(s("MatchBox"))->setValue(5);
        dialog->findChild<QSpinBox *>(s("DrawnBox"))->setValue(6);
        checkAndWait(dialog);
        const QString holds = dialog->findChild<QLabel *>(s("CheckResult"))->text();
        EXPECT_TRUE(holds.contains(s("выполняется")) && !holds.contains(s("не выполняется")))
            << holds.toStdString();
        EXPECT_TRUE(dialog->findChild<QPlainTextEdit *>(s("HolesList"))->toPlainText().isEmpty());

        dialog->findChild<QSpinBox *>(s("MatchBox"))->setValue(6);
        dialog->findChild<QSpinBox *>(s("DrawnBox"))->setValue(6);
        checkAndWait(dialog);
        const QString fails = dialog->findChild<QLabel *>(s("CheckResult"))->text();
        EXPECT_TRUE(fails.contains(s("не выполняется"))) << fails.toStdString();
        EXPECT_EQ(dialog->findChild<QPlainTextEdit *>(s("HolesList"))->toPlainText(),
            s("1 2 3 4 6 7\n1 2 3 5 6 7\n1 2 4 5 6 7\n1 3 4 5 6 7\n2 3 4 5 6 7"));
        checked = true;
        dialog->reject();
    });
    trigger("N15Check");
    EXPECT_TRUE(checked);
}

// "2 if 7" of the seven-number system stretched over 64 numbers: hundreds of millions
// of sets, most of them holes. The check runs while the dialog answers, and Cancel
// stops it.
TEST_F(WheelWindow, ALongCheckRunsOffTheEventLoopAndCancelStopsIt)
{
    bool cancelled = false;
    QTimer::singleShot(0, &window(), [&] {
        auto *dialog = window().findChild<WheelCheckDialog *>(s("WheelCheckDialog"));
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QSpinBox *>(s("NumbersBox"))->setValue(64);
        dialog->findChild<QSpinBox *>(s("MatchBox"))->setValue(2);
        dialog->findChild<QSpinBox *>(s("DrawnBox"))->setValue(7);
        QSignalSpy finished(dialog, &WheelCheckDialog::checkFinished);
        dialog->findChild<QPushButton *>(s("CheckBtn"))->click();
        EXPECT_TRUE(dialog->isChecking());
        auto *cancel = dialog->findChild<QPushButton *>(s("CancelBtn"));
        ASSERT_NE(cancel, nullptr);
        EXPECT_TRUE(cancel->isEnabled());
        EXPECT_FALSE(dialog->findChild<QPushButton *>(s("CheckBtn"))->isEnabled());
        // The dialog goes on answering while the check runs.
        QTest::qWait(300);
        EXPECT_TRUE(dialog->isChecking());
        cancel->click();
        ASSERT_TRUE(finished.wait(30000));
        EXPECT_FALSE(dialog->isChecking());
        EXPECT_EQ(dialog->findChild<QLabel *>(s("CheckResult"))->text(), s("Проверка прервана."));
        EXPECT_TRUE(dialog->findChild<QPlainTextEdit *>(s("HolesList"))->toPlainText().isEmpty());
        EXPECT_TRUE(dialog->findChild<QPushButton *>(s("CheckBtn"))->isEnabled());
        cancelled = true;
        dialog->reject();
    });
    trigger("N15Check");
    EXPECT_TRUE(cancelled);
}
