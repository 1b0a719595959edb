// Every writer of the program on a full disk: the old file stays whole, and the error
// names the cause. Each test mounts a small tmpfs (root only; skipped otherwise).

#include "SmallDisk.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/SettingsStore.h"
#include "core/TextFile.h"
#include "play/CombinationCheck.h"
#include "play/CombinationFile.h"
#include "play/CombinationList.h"
#include "reports/HtmlExport.h"
#include "reports/Ledger.h"
#include "results/AddDraw.h"
#include "results/ImportResults.h"
#include "results/ResultsLoad.h"
#include "support/CliRunner.h"
#include "support/Taken.h"
#include "support/TestLotteries.h"
#include "support/TestText.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

using namespace kivora;
using kivora::test::CliRun;
using kivora::test::runCli;

namespace {

using kivora::test::s;

QByteArray drawLines(int first, int count)
{
    QByteArray bytes;
    for (int i = first; i < first + count; ++i)
        bytes += QByteArray::number(i) + ",01.01.2005,-,-,01,02,03,04,05,06\r\n";
    return bytes;
}

using kivora::test::sixOf45;

class FullDisk : public test::SmallDisk
{
protected:
    // Room for the seeded default folder (its systems take about 4 MB).
    FullDisk()
        : SmallDisk(16384)
    { }
    const MessageCatalog messages;
};

} // namespace

TEST_F(FullDisk, ConfigurationAndLanguageFileKeepTheirText)
{
    const QByteArray config = textfile::encode(s("[LotoType]\r\n6 из 45=1\r\n[6 из 45]\r\nMaxNumber=45\r\n"));
    const QByteArray language = textfile::encode(s("[MainForm]\r\nStr1=Проанализировано\r\n"));
    writeBytes(s("kivora.INI"), config);
    writeBytes(s("lng/english.lng"), language);
    fill();

    IniFile ini(filePath(s("kivora.INI")));
    const Done left = ini.writeString(s("Form"), s("Left"), s("100"));
    ASSERT_FALSE(left);
    EXPECT_TRUE(left.failure().text.contains(noSpace())) << left.failure().text.toStdString();
    const Done params = settings::writeParams(ini, s("6 из 45"), settings::paramDefaults());
    ASSERT_FALSE(params);
    EXPECT_TRUE(params.failure().text.contains(noSpace()));
    EXPECT_EQ(readBytes(s("kivora.INI")), config);

    IniFile lng(filePath(s("lng/english.lng")));
    const Done str2 = lng.writeString(s("MainForm"), s("Str2"), s("Combinations"));
    ASSERT_FALSE(str2);
    EXPECT_TRUE(str2.failure().text.contains(noSpace()));
    EXPECT_EQ(readBytes(s("lng/english.lng")), language);
    EXPECT_EQ(QDir(path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary left
}

TEST_F(FullDisk, AnAddThatDoesNotFitLeavesNoPartOfItsLine)
{
    // The base ends a few bytes before a page: the new line starts on the page and
    // cannot go on, so part of it would be written.
    QByteArray base = drawLines(1, 100);
    base.append(QByteArray(4096 * 2 - base.size() - 2, ' '));
    base.append("\r\n");
    ASSERT_EQ(base.size() % 4096, 0);
    base.chop(10);
    base.append("        \r\n");
    base.chop(10);
    writeBytes(s("base.lot"), base);
    fill();

    NewDraw draw { s("101"), s("08.01.2005"), s("-"), s("-"), s("01,02,03,04,05,06"), QString() };
    const QString error = addDraw(filePath(s("base.lot")), draw, sixOf45(), messages);
    EXPECT_TRUE(error.contains(noSpace())) << error.toStdString();
    EXPECT_EQ(readBytes(s("base.lot")), base);

    // With room again, the next add is one whole draw, not a fragment turned into zeros.
    QFile::remove(filePath(s("filler.bin")));
    EXPECT_EQ(addDraw(filePath(s("base.lot")), draw, sixOf45(), messages), QString());
    const LoadResult load = loadBase(filePath(s("base.lot")), sixOf45(), {}, messages);
    ASSERT_TRUE(load.ok);
    const int last = load.drawCount() - 1;
    EXPECT_EQ(load.draws.drawNumberText(last), s("101"));
    EXPECT_EQ(load.draws.number(last, 5), 6);
}

TEST_F(FullDisk, AnImportThatDoesNotFitKeepsTheBase)
{
    const QByteArray base = drawLines(1, 3);
    writeBytes(s("base.lot"), base);
    writeBytes(s("source.txt"), drawLines(1, 3000));
    fill(40 * 1024); // room for the backup, not for the new base

    const ImportResult result
        = importResults(filePath(s("base.lot")), filePath(s("source.txt")), sixOf45(), messages);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(noSpace())) << result.error.toStdString();
    EXPECT_EQ(readBytes(s("base.lot")), base);
}

TEST_F(FullDisk, LedgerCombinationsCheckReportAndHtmlKeepTheOldFile)
{
    const QByteArray old("old file\r\n");
    for (const char *name : { "6x45.bls", "s.ltc", "report.txt", "table.htm", "page.htm" })
        writeBytes(s(name), old);
    fill();

    QString error;
    const Ledger ledger(QList<LedgerRow> { { s("01.02.2005"), s("100"), s("0") } });
    EXPECT_FALSE(test::taken(writeLedgerFile(filePath(s("6x45.bls")), ledger), &error));
    EXPECT_TRUE(error.contains(noSpace())) << error.toStdString();

    QStringList saved;
    for (int i = 0; i < 500; ++i)
        saved.append(s("01   02   03   04   05   06   "));
    CombinationList list;
    int wide = 0;
    ASSERT_TRUE(CombinationList::fromSavedLines(saved, &list, &wide));
    error.clear();
    EXPECT_FALSE(test::taken(
        writeCombinationFile(filePath(s("s.ltc")), list, s("6 из 45"), s("7 номеров"), messages), &error));
    EXPECT_TRUE(error.contains(noSpace())) << error.toStdString();

    CheckResult check;
    check.report = QString(20000, QLatin1Char('x'));
    error.clear();
    EXPECT_FALSE(test::taken(writeCheckReport(filePath(s("report.txt")), check), &error));
    EXPECT_TRUE(error.contains(noSpace()));

    error.clear();
    EXPECT_FALSE(test::taken(writeHtmlTable(
                                 filePath(s("table.htm")), { s("Номер"), s("Выпадал") }, 5000,
                                 [](int row) {
                                     return QStringList { QString::number(row), QString::number(row * 7) };
                                 },
                                 s("6 из 45"), htmlFooter()),
        &error));
    EXPECT_TRUE(error.contains(noSpace())) << error.toStdString();
    error.clear();
    EXPECT_FALSE(
        test::taken(writeHtmlDocument(filePath(s("page.htm")), QString(30000, QLatin1Char('y'))), &error));
    EXPECT_TRUE(error.contains(noSpace()));

    for (const char *name : { "6x45.bls", "s.ltc", "report.txt", "table.htm", "page.htm" })
        EXPECT_EQ(readBytes(s(name)), old) << name;
}

TEST_F(FullDisk, FirstStartLeavesNoCutFileAndNoConfigurationBeforeTheRest)
{
    fill(300 * 1024);
    const ProgramFolder folder(filePath(s("home")));
    QString error;
    EXPECT_FALSE(test::taken(folder.seed(), &error));
    EXPECT_TRUE(error.contains(noSpace())) << error.toStdString();
    // The configuration is written last: the next start seeds again.
    EXPECT_FALSE(folder.hasConfig());
    // Whatever was written is whole.
    QDirIterator it(folder.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString written = it.next();
        QString relative = QDir(folder.path()).relativeFilePath(written);
        if (relative == s("lng/&russian.lng"))
            relative = s("lng/russian.lng");
        QFile resource(s(":/defaults/") + relative);
        ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << relative.toStdString();
        QFile file(written);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), resource.readAll()) << relative.toStdString();
    }

    QFile::remove(filePath(s("filler.bin")));
    EXPECT_TRUE(test::taken(folder.seed(), &error)) << error.toStdString();
    EXPECT_TRUE(folder.hasConfig());
}

TEST_F(FullDisk, TheCommandLineExitsWithOneAndKeepsTheFile)
{
    const QString home = filePath(s("home"));
    QString error;
    ASSERT_TRUE(test::taken(ProgramFolder(home).seed(), &error)) << error.toStdString();
    const QByteArray old(351, 'o');
    writeBytes(s("home/s.ltc"), old);
    writeBytes(s("home/n.htm"), old);
    const QByteArray base = readBytes(s("home/6x45.lot"));
    fill();

    CliRun r = runCli(home,
        { s("save"), s("--lottery"), s("6 из 45"), s("--system"), s("7 номеров (полная система)"),
            s("--marked"), s("17,5,11,23,30,38,44"), s("--out"), filePath(s("home/s.ltc")) });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(noSpace())) << r.err.toStdString();
    EXPECT_EQ(readBytes(s("home/s.ltc")), old);

    r = runCli(home,
        { s("export-html"), s("numbers"), s("--lottery"), s("6 из 45"), s("--out"),
            filePath(s("home/n.htm")) });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(noSpace())) << r.err.toStdString();
    EXPECT_EQ(readBytes(s("home/n.htm")), old);

    r = runCli(home,
        { s("add"), s("--lottery"), s("6 из 45"), s("--number"), s("99999"), s("--date"), s("01.09.2025"),
            s("--machine"), s("-"), s("--ballset"), s("-"), s("--main"), s("03,15,22,31,40,44") });
    if (r.status != 0) { // the base's last page may still hold the line
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(noSpace())) << r.err.toStdString();
        EXPECT_EQ(readBytes(s("home/6x45.lot")), base);
    }
}
