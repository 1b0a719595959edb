// Charts, the randomness report and the back-test, as the window shows them.

#include "support/WindowFixture.h"

#include "core/TextFile.h"
#include "statistics/ChartData.h"
#include "support/TestText.h"
#include "ui/dialogs/ChartsDialog.h"

#include <QAbstractTextDocumentLayout>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

using namespace kivora;

namespace {

using kivora::test::s;

using test::dialogScreenshot;

class AnalysisWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        seedDefaults();
        start();
    }
    ChartsDialog *charts() { return window().findChild<ChartsDialog *>(s("ChartsDialog")); }
    QDialog *analysis() { return window().findChild<QDialog *>(s("AnalysisDialog")); }
};

// The tables of the report on show, laid out at the width of its view: no text of a
// cell is broken over lines, and each column is as wide as the widest text in it.
// Returns the number of tables.
int expectTablesFitTheirTexts(QTextBrowser *view)
{
    QApplication::processEvents();
    QTextDocument *document = view->document();
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    int tables = 0;
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        ++tables;
        for (int column = 0; column < table->columns(); ++column) {
            QList<QTextBlock> blocks;
            double widest = 0;
            for (int row = 0; row < table->rows(); ++row) {
                const QTextTableCell cell = table->cellAt(row, column);
                for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
                    const QTextBlock block = it.currentBlock();
                    if (!block.isValid() || block.text().isEmpty())
                        continue;
                    layout->blockBoundingRect(block); // lays the block out
                    EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
                    if (block.layout()->lineCount() > 0)
                        widest = std::max(widest, block.layout()->lineAt(0).naturalTextWidth());
                    blocks.append(block);
                }
            }
            for (const QTextBlock &block : blocks)
                EXPECT_GE(layout->blockBoundingRect(block).width() + 0.5, widest)
                    << block.text().toStdString();
        }
    }
    return tables;
}

} // namespace

TEST_F(AnalysisWindow, TheFrequencyChartDrawsEachCountAsItsBar)
{
    trigger("N4Charts");
    ChartsDialog *dialog = charts();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    const QSize size(1000, 600);
    const QImage picture = dialog->render(size);
    EXPECT_EQ(picture.size(), size);

    // The bars are the number list's counts.
    const FrequencyChart data = frequencyChart(window().loaded().draws, window().loaded().definition);
    QBarSet *set = nullptr;
    for (QAbstractSeries *series : dialog->chart()->series()) {
        if (auto *bars = qobject_cast<QBarSeries *>(series))
            set = bars->barSets().value(0);
    }
    ASSERT_NE(set, nullptr);
    ASSERT_EQ(set->count(), static_cast<int>(data.bars.size()));
    for (int i = 0; i < set->count(); ++i)
        ASSERT_EQ(set->at(i), data.bars[static_cast<size_t>(i)].drawn) << i;

    // The tallest bar reaches the height of its count: bar colour just below the top,
    // not just above it.
    dialog->chartView()->resize(size);
    QApplication::processEvents();
    int tallest = 0;
    for (int i = 1; i < set->count(); ++i) {
        if (set->at(i) > set->at(tallest))
            tallest = i;
    }
    QBarSeries *bars = nullptr;
    for (QAbstractSeries *series : dialog->chart()->series()) {
        if (!bars)
            bars = qobject_cast<QBarSeries *>(series);
    }
    const QPointF top = dialog->chart()->mapToPosition(QPointF(tallest, set->at(tallest)), bars);
    const QImage shown = dialog->render(size);
    const QColor barColour = set->color();
    auto near = [&](const QColor &c) {
        return std::abs(c.red() - barColour.red()) < 40 && std::abs(c.green() - barColour.green()) < 40
            && std::abs(c.blue() - barColour.blue()) < 40;
    };
    EXPECT_TRUE(near(shown.pixelColor(qRound(top.x()), qRound(top.y()) + 3)));
    EXPECT_FALSE(near(shown.pixelColor(qRound(top.x()), qRound(top.y()) - 4)));

    // Saved as PNG and as SVG.
    const QString png = dir.filePath(s("chart.png"));
    const QString svg = dir.filePath(s("chart.svg"));
    EXPECT_TRUE(dialog->savePng(png));
    EXPECT_TRUE(dialog->saveSvg(svg));
    EXPECT_FALSE(QImage(png).isNull());
    EXPECT_TRUE(dir.readBytes(s("chart.svg")).contains("<svg"));

    // A picture that cannot be stored is refused with the reason, and what was there
    // stays: a missing folder, a folder in the file's place.
    const Done pngSaved = dialog->savePng(dir.filePath(s("missing/chart.png")));
    ASSERT_FALSE(pngSaved);
    const QString error = pngSaved.failure().text;
    EXPECT_TRUE(error.startsWith(dir.filePath(s("missing/chart.png")) + s(": "))) << error.toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkdir(s("folder.svg")));
    EXPECT_FALSE(dialog->saveSvg(dir.filePath(s("folder.svg"))));
    EXPECT_TRUE(QFileInfo(dir.filePath(s("folder.svg"))).isDir());
    // The Save button tells the player which file and why.
    services.saveAnswers.enqueue(dir.filePath(s("missing/chart.svg")));
    dialog->findChild<QPushButton *>(s("SaveBtn"))->click();
    EXPECT_TRUE(services.lastMessage().contains(dir.filePath(s("missing/chart.svg")) + s(": ")))
        << services.lastMessage().toStdString();
}

TEST_F(AnalysisWindow, EveryChartIsDrawnAndFollowsTheLottery)
{
    trigger("N4Charts");
    ChartsDialog *dialog = charts();
    for (auto kind : { ChartsDialog::Kind::Gaps, ChartsDialog::Kind::NumberHits, ChartsDialog::Kind::PairHits,
             ChartsDialog::Kind::TenHits }) {
        dialog->showChart(kind, 7, 11);
        EXPECT_FALSE(dialog->chart()->series().isEmpty()) << static_cast<int>(kind);
        EXPECT_EQ(dialog->render(QSize(640, 400)).size(), QSize(640, 400));
    }
    EXPECT_TRUE(dialog->chart()->title().startsWith(s("6 из 45")));
    find<QTabBar>("TabControl1")->setCurrentIndex(1);
    settle();
    EXPECT_TRUE(dialog->chart()->title().startsWith(s("4 из 20"))) << dialog->chart()->title().toStdString();
}

TEST_F(AnalysisWindow, TheRandomnessReportAndTheBacktestAreShown)
{
    trigger("N4Random");
    auto *analysis = window().findChild<QDialog *>(s("AnalysisDialog"));
    ASSERT_NE(analysis, nullptr);
    EXPECT_TRUE(analysis->isVisible());
    const QString report = analysis->findChild<QTextBrowser *>(s("ReportView"))->toPlainText();
    EXPECT_TRUE(report.contains(s("Хи-квадрат"))) << report.left(300).toStdString();

    trigger("N4Backtest");
    settle();
    const QString backtest = analysis->findChild<QTextBrowser *>(s("ReportView"))->toPlainText();
    EXPECT_TRUE(backtest.contains(s("прогноз номеров"))) << backtest.left(300).toStdString();
    EXPECT_TRUE(backtest.contains(s("случайный выбор")));
}

TEST_F(AnalysisWindow, TheForecastAndTheOddsPageLeadToTheBacktest)
{
    services.confirmAnswers.enqueue(true);
    trigger("N53");
    ASSERT_FALSE(services.confirmQuestions.isEmpty());
    EXPECT_TRUE(services.confirmQuestions.last().contains(s("случайного выбора")));
    auto *analysis = window().findChild<QDialog *>(s("AnalysisDialog"));
    EXPECT_TRUE(analysis->isVisible());

    trigger("N17");
    const QString odds = QString::fromLocal8Bit(dir.readBytes(s("shans.htm")));
    EXPECT_TRUE(odds.contains(s("href=\"backtest.htm\"")));
    EXPECT_TRUE(QFile::exists(dir.filePath(s("backtest.htm"))));
}

// The report windows read like the main window's lists: every column of their tables
// as wide as its widest text, in a window of any width and in either language; the
// saved report is the document the window was given.
TEST_F(AnalysisWindow, TheReportTablesAreAsWideAsTheirTexts)
{
    for (const char *language : { "&russian.lng", "english.lng" }) {
        SCOPED_TRACE(language);
        chooseLanguage(language);
        const QString tag
            = QString::fromLatin1(language).remove(QLatin1Char('&')).section(QLatin1Char('.'), 0, 0);
        trigger("N4Random");
        settle();
        auto *view = analysis()->findChild<QTextBrowser *>(s("ReportView"));
        ASSERT_NE(view, nullptr);
        for (int width : { 860, 420 }) {
            analysis()->resize(width, 600);
            EXPECT_EQ(expectTablesFitTheirTexts(view), 1);
        }
        analysis()->resize(860, 600);
        dialogScreenshot(s("randomness-") + tag, analysis());

        trigger("N4Backtest");
        settle();
        // The report speaks the window's language to its last line.
        EXPECT_TRUE(view->toPlainText().trimmed().endsWith(
            s(tag == s("english") ? "Made with Kivora." : "Создано программой Kivora.")))
            << view->toPlainText().right(100).toStdString();
        for (int width : { 860, 420 }) {
            analysis()->resize(width, 600);
            EXPECT_EQ(expectTablesFitTheirTexts(view), 2);
        }
        analysis()->resize(860, 600);
        dialogScreenshot(s("backtest-") + tag, analysis());
    }
    // The document saved is the one the window was given, its own markup unchanged.
    services.saveAnswers.enqueue(dir.filePath(s("backtest.htm")));
    analysis()->findChild<QPushButton *>(s("SaveBtn"))->click();
    const QString saved = textfile::decode(dir.readBytes(s("backtest.htm")));
    EXPECT_TRUE(saved.contains(s("<table width=\"0%\" border=\"1\">"))) << saved.left(400).toStdString();
    EXPECT_TRUE(saved.contains(s("<title>6 из 45 - Back-test of the forecast on past draws</title>")));
}
