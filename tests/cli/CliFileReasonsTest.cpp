// The reasons of failed reads and writes in kivora-cli's messages are in the folder's
// language, like the rest of each message.

#include "support/CliRunner.h"

#include "core/IniFile.h"
#include "core/TextFile.h"

#include <QDir>

using namespace kivora;
using namespace kivora::test;

namespace {

class CliFileReasons : public CliFixture
{
};

} // namespace

TEST_F(CliFileReasons, AreInTheFoldersLanguage)
{
    const QString missing = dir.filePath(s("missing.ltc"));
    const QStringList check = { s("check"), s("--lottery"), s("6 из 45"), s("--file"), missing };
    CliRun r = run(check);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(textfile::describeError(missing, messages("Str402")))) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(qt_error_string(ENOENT)));

    ASSERT_TRUE(IniFile(dir.folder().configPath()).writeString(s("Form"), s("LangFile"), s("english.lng")));
    r = run(check);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(textfile::describeError(missing, s("no such file or folder"))))
        << r.err.toStdString();
    // The language of one run does not stay with the process.
    EXPECT_EQ(textfile::systemReason(ENOENT), messages("Str402"));
}
