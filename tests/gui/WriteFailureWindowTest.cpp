// The window when a file cannot be written or the configuration cannot be read: it
// says so, and writes nothing over the file.

#include "support/WindowFixture.h"

#include "core/MessageCatalog.h"
#include "support/TestText.h"

#include <QFile>

#include <sys/stat.h>

using namespace kivora;

namespace {

using kivora::test::s;

class WriteFailureWindow : public test::WindowFixture
{
};

} // namespace

TEST_F(WriteFailureWindow, AnUnreadableConfigurationIsShownAndNeverWrittenOver)
{
    // A configuration saved as UTF-16 without its mark: no text the program reads.
    QByteArray broken("[\0L\0o\0t\0o\0T\0y\0p\0e\0]\0\r\0\n\0", 24);
    broken.append(QByteArray(2496, '\0'));
    dir.writeBytes(s("kivora.INI"), broken);
    start();
    settle();
    ASSERT_FALSE(services.messages.isEmpty());
    const QString expected = MessageCatalog()("Str162").arg(QString()).left(20);
    EXPECT_TRUE(services.messages.first().text.startsWith(expected))
        << services.messages.first().text.toStdString();
    window().close();
    EXPECT_EQ(dir.readBytes(s("kivora.INI")), broken);
}

TEST_F(WriteFailureWindow, AnExportThatCannotBeWrittenSaysWhyAndOpensNothing)
{
    writeConfig({ s("[LotoType]"), s("6 из 45=1"), s("[6 из 45]"), s("MaxNumber=45"), s("DrawNumber=6"),
        s("BaseFile=6x45.lot") });
    dir.writeLines(s("6x45.lot"), { s("1,01.01.2005,-,-,01,02,03,04,05,06") });
    const QString fifo = dir.filePath(s("numbers.htm"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    start();
    settle();
    services.messages.clear();
    services.saveAnswers.enqueue(fifo);
    trigger("HTML2");
    settle();
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages.first().text.contains(s("numbers.htm")));
    EXPECT_TRUE(services.openedUrls.isEmpty());
    struct stat info
    {
    };
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}
