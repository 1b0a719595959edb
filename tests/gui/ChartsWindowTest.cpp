// The charts as a newcomer reads them: a pair is two numbers and is measured against
// what a pair expects, the bars carry their numbers, the axes count in whole numbers,
// and the choices name what they draw.

#include "support/WindowFixture.h"

#include "statistics/ChartData.h"
#include "support/TestText.h"
#include "ui/dialogs/ChartsDialog.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QRegularExpression>
#include <QSpinBox>

using namespace kivora;

namespace {

using kivora::test::s;

using test::dialogScreenshot;
using Kind = ChartsDialog::Kind;

class ChartsWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        seedDefaults();
        start();
        trigger("N4Charts");
        dialog = window().findChild<ChartsDialog *>(s("ChartsDialog"));
        ASSERT_NE(dialog, nullptr);
    }
    template<typename T> T *part(const char *name) { return dialog->findChild<T *>(s(name)); }
    void choose(Kind kind) { part<QComboBox>("ChartKind")->setCurrentIndex(static_cast<int>(kind)); }
    QString title() const { return dialog->chart()->title(); }

    // The texts the chart shows now, laid out at the view's size.
    QList<QGraphicsTextItem *> shownTexts()
    {
        QApplication::processEvents();
        QList<QGraphicsTextItem *> shown;
        for (QGraphicsItem *item : dialog->chartView()->scene()->items()) {
            auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item);
            if (text && text->isVisible() && !text->toPlainText().isEmpty())
                shown.append(text);
        }
        return shown;
    }
    // The series of a line chart named `name`.
    QLineSeries *line(const QString &name)
    {
        for (QAbstractSeries *series : dialog->chart()->series()) {
            auto *found = qobject_cast<QLineSeries *>(series);
            if (found && found->name() == name)
                return found;
        }
        return nullptr;
    }

    ChartsDialog *dialog = nullptr;
};

} // namespace

// A pair of a number with itself is no pair: whatever way the boxes are turned, the
// chart shows two different numbers, their hits together and what a fair draw
// expects of a pair, not of one number.
TEST_F(ChartsWindow, APairIsTwoNumbersMeasuredAgainstAPair)
{
    choose(Kind::PairHits);
    auto *first = part<QSpinBox>("FirstNumber");
    auto *second = part<QSpinBox>("SecondNumber");
    const QRegularExpression samePair(s("\\b(\\d+):\\1\\b"));
    auto apart = [&](const char *step) {
        SCOPED_TRACE(step);
        EXPECT_NE(first->value(), second->value());
        EXPECT_FALSE(title().contains(samePair)) << title().toStdString();
        EXPECT_FALSE(part<QComboBox>("ChartKind")->currentText().contains(samePair));
    };
    apart("as opened");
    EXPECT_EQ(first->value(), 1);
    second->setValue(first->value());
    apart("second turned onto the first");
    first->setValue(20);
    second->setValue(21);
    second->stepDown();
    apart("second stepped down onto the first");
    EXPECT_EQ(second->value(), 19);
    second->setValue(45);
    first->setValue(45);
    apart("first turned onto the second at the top");
    EXPECT_EQ(second->value(), 44);
    dialog->showChart(Kind::PairHits, 7, 7);
    apart("asked for 7:7");

    // Pair 7:11 over 50 draws: the line is the pair's moving count; the mean is a
    // pair's, 50 * 6/45 * 5/44, well under a number's 50 * 6/45.
    dialog->showChart(Kind::PairHits, 7, 11);
    EXPECT_TRUE(title().contains(s("7:11"))) << title().toStdString();
    const LoadResult &loaded = window().loaded();
    const MovingHits pair = movingHits(loaded.draws, loaded.definition, HitTarget::pair(7, 11), 50);
    QLineSeries *hits = line(s("Попаданий"));
    QLineSeries *mean = line(s("Ожидается"));
    ASSERT_NE(hits, nullptr);
    ASSERT_NE(mean, nullptr);
    ASSERT_EQ(hits->count(), static_cast<int>(pair.counts.size()));
    for (int i = 0; i < hits->count(); ++i)
        ASSERT_EQ(hits->at(i).y(), pair.counts[static_cast<size_t>(i)]) << i;
    EXPECT_NEAR(mean->at(0).y(), 50.0 * 6 / 45 * 5 / 44, 1e-9);

    // A number's own chart compares it with a number's expectation.
    dialog->showChart(Kind::NumberHits, 7);
    EXPECT_NEAR(line(s("Ожидается"))->at(0).y(), 50.0 * 6 / 45, 1e-9);
}

// Every bar of the frequency chart stands over its number, or over every n-th number
// when the bars are narrower than a label; no label is cut to "…" nor runs into the
// next, at any size and for 80 numbers too. A bar tells its number, count and the
// expectation.
TEST_F(ChartsWindow, TheFrequencyBarsCarryTheirNumbers)
{
    choose(Kind::Frequency);
    for (const QString &lottery : { s("6 из 45"), s("Кено (20 из 80)") }) {
        chooseLottery(lottery);
        const int numbers = window().loaded().definition.maxNumber;
        for (const QSize &size : { QSize(640, 360), QSize(900, 480), QSize(1800, 900) }) {
            SCOPED_TRACE(lottery.toStdString() + " " + std::to_string(size.width()));
            dialog->chartView()->resize(size);
            QList<QGraphicsTextItem *> labels;
            for (QGraphicsTextItem *text : shownTexts()) {
                EXPECT_FALSE(text->toPlainText().contains(QChar(0x2026)))
                    << text->toPlainText().toStdString();
                bool number = false;
                text->toPlainText().toInt(&number);
                // The labels under the plot, not those of the count axis on its left.
                if (number && text->sceneBoundingRect().top() > dialog->chart()->plotArea().bottom())
                    labels.append(text);
            }
            std::sort(labels.begin(), labels.end(), [](QGraphicsTextItem *a, QGraphicsTextItem *b) {
                return a->sceneBoundingRect().left() < b->sceneBoundingRect().left();
            });
            ASSERT_GE(labels.size(), 5);
            EXPECT_EQ(labels.first()->toPlainText(), s("1"));
            for (int i = 1; i < labels.size(); ++i) {
                EXPECT_LT(labels.at(i - 1)->toPlainText().toInt(), labels.at(i)->toPlainText().toInt());
                EXPECT_LE(
                    labels.at(i - 1)->sceneBoundingRect().right(), labels.at(i)->sceneBoundingRect().left())
                    << labels.at(i)->toPlainText().toStdString();
            }
            // The largest number gets its label once the bars are wide enough for all.
            if (size.width() >= 1800 && numbers <= 45) {
                EXPECT_EQ(labels.size(), numbers);
            }
        }
    }

    // The tooltip of a bar: its number, how often it was drawn, the expectation.
    chooseLottery(s("6 из 45"));
    const FrequencyChart data = frequencyChart(window().loaded().draws, window().loaded().definition);
    QBarSeries *bars = nullptr;
    for (QAbstractSeries *series : dialog->chart()->series())
        bars = bars ? bars : qobject_cast<QBarSeries *>(series);
    ASSERT_NE(bars, nullptr);
    emit bars->hovered(true, 6, bars->barSets().first());
    const QString tip = dialog->chartView()->toolTip();
    EXPECT_TRUE(tip.contains(s("Номер 7 ")) && tip.contains(QString::number(data.bars[6].drawn))
        && tip.contains(QString::number(data.expected, 'f', 1)))
        << tip.toStdString();
    emit bars->hovered(false, 6, bars->barSets().first());
    EXPECT_TRUE(dialog->chartView()->toolTip().isEmpty());
}

// Draws and hits are whole numbers, and so is every label of every axis; the choices
// name the chart with its values, and only the boxes the chart uses can be changed.
TEST_F(ChartsWindow, WholeNumberAxesAndTheChoicesOfEachChart)
{
    const QRegularExpression figure(s("^[-+]?[\\d\\s.,]+$"));
    const QRegularExpression whole(s("^-?\\d+$"));
    auto *first = part<QSpinBox>("FirstNumber");
    auto *second = part<QSpinBox>("SecondNumber");
    auto *window = part<QSpinBox>("WindowSize");
    struct Expected
    {
        Kind kind;
        bool first, second, window;
        const char *text;
    };
    const Expected charts[] = {
        { Kind::Frequency, false, false, false, "Частота номеров" },
        { Kind::Gaps, true, false, false, "Интервалы номера 7" },
        { Kind::NumberHits, true, false, true, "Попадания номера 7 за 30 розыгрышей" },
        { Kind::PairHits, true, true, true, "Попадания пары 7:12 за 30 розыгрышей" },
        { Kind::TenHits, true, false, true, "Попадания десятка 3 за 30 розыгрышей" },
    };
    dialog->showChart(Kind::PairHits, 7, 12);
    window->setValue(30);
    dialog->showChart(Kind::TenHits, 3);
    dialog->chartView()->resize(900, 480);
    for (const Expected &chart : charts) {
        SCOPED_TRACE(static_cast<int>(chart.kind));
        choose(chart.kind);
        EXPECT_EQ(first->isEnabled(), chart.first);
        EXPECT_EQ(part<QLabel>("NumberLabel")->isEnabled(), chart.first);
        EXPECT_EQ(second->isEnabled(), chart.second);
        EXPECT_EQ(part<QLabel>("PairLabel")->isEnabled(), chart.second);
        EXPECT_EQ(window->isEnabled(), chart.window);
        EXPECT_EQ(part<QLabel>("WindowLabel")->isEnabled(), chart.window);
        EXPECT_EQ(part<QComboBox>("ChartKind")->currentText(), s(chart.text));
        EXPECT_TRUE(title().endsWith(s(chart.text))) << title().toStdString();
        int figures = 0;
        for (QGraphicsTextItem *text : shownTexts()) {
            if (!text->toPlainText().contains(figure))
                continue;
            ++figures;
            EXPECT_TRUE(text->toPlainText().contains(whole)) << text->toPlainText().toStdString();
        }
        EXPECT_GE(figures, 4);
        for (QAbstractAxis *axis : dialog->chart()->axes()) {
            if (auto *values = qobject_cast<QValueAxis *>(axis);
                values && !qobject_cast<QCategoryAxis *>(axis)) {
                EXPECT_EQ(values->tickType(), QValueAxis::TicksDynamic);
                EXPECT_EQ(values->tickInterval(), std::round(values->tickInterval()));
                EXPECT_GE(values->tickInterval(), 1);
            }
        }
    }
    // The first box keeps a number and a ten apart: the ten's chart does not move the
    // number of the others.
    EXPECT_EQ(first->value(), 3);
    choose(Kind::Gaps);
    EXPECT_EQ(first->value(), 7);
    dialogScreenshot(s("charts-gaps"), dialog);
}
