#include "core/LotteryLink.h"

#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace kivora;

namespace {

using kivora::test::s;

} // namespace

TEST(LotteryLink, OnlyHttpAndHttpsAddressesAreWebAddresses)
{
    test::TempFolder dir;
    for (const char *address : { "https://www.stoloto.ru/4x20/archive", "http://example.com/",
             "HTTPS://Example.com/results?year=2026#last", "  https://example.com/  " }) {
        const LotteryLink link = lotteryLink(s(address), dir.path());
        EXPECT_EQ(link.kind, LotteryLink::Kind::Web) << address;
        EXPECT_EQ(link.target, s(address).trimmed()) << address;
    }
    const LotteryLink bare = lotteryLink(s("www.example.com/results"), dir.path());
    EXPECT_EQ(bare.kind, LotteryLink::Kind::Web);
    EXPECT_EQ(bare.target, s("http://www.example.com/results"));

    for (const char *nothing : { "", "   ", "http://" })
        EXPECT_EQ(lotteryLink(s(nothing), dir.path()).kind, LotteryLink::Kind::None) << nothing;
}

TEST(LotteryLink, HostileValuesAreRefused)
{
    test::TempFolder dir;
    for (const char *value : { "javascript:alert(1)", "JavaScript:alert(document.cookie)",
             "file:///etc/passwd", "/etc/passwd", "/usr/bin/xterm", "/bin/sh", "smb://server/share/x.exe",
             "data:text/html,<script>alert(1)</script>", "ftp://example.com/x", "mailto:a@b.c",
             "vbscript:msgbox", "https:///no-host", "https://exa mple.com/", "https://example.com/\nx",
             "\\\\server\\share\\x.exe", "C:\\Windows\\notepad.exe", "../outside.html", "missing.html" }) {
        const LotteryLink link = lotteryLink(s(value), dir.path());
        EXPECT_EQ(link.kind, LotteryLink::Kind::Refused) << value;
        EXPECT_EQ(link.target, s(value).trimmed()) << value;
    }
}

TEST(LotteryLink, APageMustLieInsideTheProgramFolder)
{
    test::TempFolder outside;
    outside.writeLines(s("results.html"), { s("<p>elsewhere</p>") });
    test::TempFolder dir;
    QDir(dir.path()).mkpath(s("Help"));
    dir.writeLines(s("Help/results.htm"), { s("<p>draws</p>") });
    dir.writeLines(s("run.sh"), { s("touch pwned") });
    dir.writeLines(s("start.desktop"), { s("[Desktop Entry]") });

    const QString page = QDir(dir.path()).canonicalPath() + s("/Help/results.htm");
    const LotteryLink relative = lotteryLink(s("Help\\results.htm"), dir.path());
    EXPECT_EQ(relative.kind, LotteryLink::Kind::LocalPage);
    EXPECT_EQ(relative.target, page);
    const LotteryLink withTopic = lotteryLink(page + s("#last"), dir.path());
    EXPECT_EQ(withTopic.kind, LotteryLink::Kind::LocalPage);
    EXPECT_EQ(withTopic.target, page + s("#last"));

    // Outside the folder, through "..", or through a link that leads out of it.
    ASSERT_TRUE(QFile::link(outside.filePath(s("results.html")), dir.filePath(s("Help/link.html"))));
    const QString upAndOut = QDir(dir.path()).relativeFilePath(outside.filePath(s("results.html")));
    ASSERT_TRUE(upAndOut.startsWith(s("../")));
    for (const QString &value : { outside.filePath(s("results.html")), upAndOut, s("Help/link.html"),
             s("run.sh"), s("start.desktop"), s("Help"), QString(s("file://") + page) })
        EXPECT_EQ(lotteryLink(value, dir.path()).kind, LotteryLink::Kind::Refused) << value.toStdString();
}
