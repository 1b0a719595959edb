// From marked numbers to tickets that can be bought, kept, printed and loaded back.

#include "support/WindowFixture.h"

#include "core/IniFile.h"
#include "play/CombinationList.h"
#include "play/SystemTemplate.h"
#include "support/TestText.h"
#include "ui/TicketPrinting.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>

using namespace kivora;

namespace {

using kivora::test::s;

class TicketsWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeConfig({ s("[LotoType]"), s("6 из 45=1"), s("[6 из 45]"), s("MaxNumber=45"), s("DrawNumber=6"),
            s("BaseFile=6x45.lot"), s("TicketPrice=50"), s("[for 6 numbers]"), s("7 номеров=seven.ltt") });
        dir.writeLines(s("6x45.lot"),
            { s("123,01.01.2005,-,-,01,02,04,05,06,10"), s("124,08.01.2005,-,-,07,08,09,11,12,13"),
                s("125,15.01.2005,-,-,03,15,22,31,40,44") });
        dir.writeLines(s("System/seven.ltt"),
            { s(";7 numbers, all of six"), s("1 2 3 4 5 6"), s("1 2 3 4 5 7"), s("1 2 3 4 6 7"),
                s("1 2 3 5 6 7"), s("1 2 4 5 6 7"), s("1 3 4 5 6 7"), s("2 3 4 5 6 7") });
        start();
    }
};

} // namespace

TEST_F(TicketsWindow, TheStatusCountsTicketsAndTheirCost)
{
    tickFirst(7);
    EXPECT_EQ(status(2), s("Комбинаций: 7; стоимость: 350"));
    numbers()->setData(numbers()->index(6, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(status(2), s("Комбинаций: 7; нужно ещё 1; стоимость: 350"));

    // Without a price there is no cost.
    IniFile config(dir.filePath(s("kivora.INI")));
    ASSERT_TRUE(config.update([](IniDocument &doc) { doc.deleteKey(s("6 из 45"), s("TicketPrice")); }));
    tickFirst(8);
    EXPECT_EQ(status(2), s("Комбинаций: 7; отмечено 8, система использует 7"));
}

TEST_F(TicketsWindow, IncompleteTicketsAreKeptOnlyWhenThePlayerSaysSo)
{
    tickFirst(5);
    const QString file = dir.filePath(s("five.ltc"));
    services.saveAnswers.enqueue(file);
    trigger("N12"); // the question is answered "no"
    ASSERT_EQ(services.confirmQuestions.size(), 1);
    EXPECT_TRUE(services.confirmQuestions.first().contains(s("неполные")));
    EXPECT_FALSE(QFile::exists(file));
    services.confirmAnswers.enqueue(true);
    services.saveAnswers.enqueue(file);
    trigger("N12");
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(TicketsWindow, AForecastThatMarksTooFewSaysSo)
{
    trigger("N53");
    const int marked = numbers()->flaggedCount();
    ASSERT_GT(marked, 0);
    // The only system uses seven numbers: a forecast of fewer says the tickets are incomplete.
    bool said = false;
    for (const auto &message : services.messages)
        said = said || message.text.contains(s("комбинации неполные"));
    EXPECT_EQ(said, marked < 7) << marked;
}

TEST_F(TicketsWindow, SavedTicketsLoadBackAndAnotherLotterysAreRefused)
{
    tickFirst(7);
    const QString saved = dir.filePath(s("seven.ltc"));
    services.saveAnswers.enqueue(saved);
    trigger("N12");
    ASSERT_TRUE(QFile::exists(saved));
    // The next dialog starts where the file was saved.
    const QString folder = services.saveRequests.last().directory;
    trigger("N23"); // clear the marks: the list is emptied
    ASSERT_TRUE(combinations()->list().isEmpty());

    services.openAnswers.enqueue(saved);
    trigger("N11");
    EXPECT_EQ(services.openRequests.last().directory, folder);
    ASSERT_EQ(combinations()->list().rowCount(), 7);
    EXPECT_FALSE(combinations()->list().isEmpty());
    EXPECT_EQ(status(2), s("Комбинаций: 7; стоимость: 350"));

    QStringList other = dir.readLines(s("seven.ltc"));
    other[0] = s("4 из 20");
    dir.writeLines(s("other.ltc"), other);
    trigger("N23");
    services.openAnswers.enqueue(dir.filePath(s("other.ltc")));
    trigger("N11");
    EXPECT_TRUE(services.lastMessage().contains(s("«4 из 20»"))) << services.lastMessage().toStdString();
    EXPECT_TRUE(combinations()->list().isEmpty());

    // The text view of a saved file stays.
    services.openAnswers.enqueue(saved);
    trigger("N11Text");
    EXPECT_EQ(services.editedFiles.last(), saved);
}

TEST_F(TicketsWindow, TheHtmlDocumentAndThePrintOfTheTickets)
{
    tickFirst(7);
    const QString html = dir.filePath(s("tickets.htm"));
    services.saveAnswers.enqueue(html);
    trigger("HTML3");
    const QString document = QString::fromLocal8Bit(dir.readBytes(s("tickets.htm")));
    EXPECT_TRUE(document.contains(QLatin1String("<head>")));
    EXPECT_TRUE(document.contains(QLatin1String("charset=windows-1251")));
    EXPECT_FALSE(document.contains(QLatin1String("WIDTH=")));

    trigger("N18Print");
    ASSERT_EQ(services.printedDocuments.size(), 1);
    // Printed to a PDF file: the first ticket is on its first page.
    const QString pdf = dir.filePath(s("tickets.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printHtml(printer, services.printedDocuments.first());
    const QByteArray bytes = dir.readBytes(s("tickets.pdf"));
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    const QString pdftotext = QStandardPaths::findExecutable(s("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QProcess text;
    text.start(pdftotext, { pdf, s("-") });
    ASSERT_TRUE(text.waitForFinished(10000));
    const QString shown = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(shown.contains(s("6 из 45")));
    EXPECT_TRUE(shown.contains(s("Билет 1")));
    EXPECT_TRUE(shown.contains(s("Комбинаций: 7")));
}

TEST_F(TicketsWindow, FiltersKeepOnlyTheTicketsThatPassAndTheFileSaysWhich)
{
    // Odd numbers: exactly three of the six.
    QTimer::singleShot(0, &window(), [this] {
        auto *dialog = window().findChild<QDialog *>(s("FiltersDialog"));
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QCheckBox *>(s("OddFilter"))->setChecked(true);
        dialog->findChild<QSpinBox *>(s("OddFilterMin"))->setValue(3);
        dialog->findChild<QSpinBox *>(s("OddFilterMax"))->setValue(3);
        dialog->accept();
    });
    trigger("N15Filters");
    EXPECT_EQ(
        IniFile(dir.filePath(s("kivora.INI"))).readString(s("6 из 45"), s("FilterOddOn"), QString()), s("1"));

    tickFirst(7);
    const CombinationList &list = combinations()->list();
    ASSERT_FALSE(list.isEmpty());
    for (int row = 0; row < list.rowCount(); ++row) {
        int odd = 0;
        for (const QString &cell : list.row(row))
            odd += !cell.isEmpty() && cell.toInt() % 2 == 1;
        EXPECT_EQ(odd, 3) << row;
    }
    EXPECT_TRUE(status(2).contains(s("фильтры убрали"))) << status(2).toStdString();
    const QString saved = dir.filePath(s("odd.ltc"));
    services.saveAnswers.enqueue(saved);
    trigger("N12");
    EXPECT_TRUE(dir.readLines(s("odd.ltc")).value(1).contains(s("Фильтры: нечётных 3-3")))
        << dir.readLines(s("odd.ltc")).value(1).toStdString();
}
