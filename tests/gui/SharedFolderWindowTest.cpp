// A program folder copied from someone else: its configuration and language file may
// hold anything. Nothing in it starts a program, the desktop opens nothing but web
// addresses and (after a question) pages of the folder, and the HTML the program writes
// shows names and captions as texts.

#include "support/WindowFixture.h"

#include "core/MessageCatalog.h"
#include "core/UserPrograms.h"
#include "support/TestText.h"
#include "ui/dialogs/SettingsDialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace kivora;

namespace {

using kivora::test::s;

// "6 из 45" with a hostile text editor named in the folder's configuration.
class SharedFolderWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeFolder(s("https://example.com/results"));
        start();
    }

    void writeFolder(const QString &www)
    {
        writeConfig({ s("[Form]"), s("Editor=/bin/sh -c \"touch pwned\" x"), s("[LotoType]"), s("6 из 45=1"),
            s("[6 из 45]"), s("MaxNumber=45"), s("DrawNumber=6"), s("BaseFile=6x45.lot"), s("WWW=") + www,
            s("[for 6 numbers]"), s("6 номеров=one.ltt") });
        dir.writeLines(s("6x45.lot"),
            { s("124,08.01.2005,-,-,07,08,09,11,12,13"), s("125,15.01.2005,-,-,03,15,22,31,40,44") });
        dir.writeLines(s("System/one.ltt"), { s("; one ticket"), s("1 2 3 4 5 6") });
    }

    // A program file the user may choose: a script that does nothing.
    QString makeProgram(const char *name)
    {
        const QString path = userSettings.path() + QLatin1Char('/') + s(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nexit 0\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        return path;
    }

    // The settings dialog's programs page, as the user works it.
    void chooseInSettings(const char *button, const QString &answer)
    {
        auto *dialog = window().findChild<SettingsDialog *>();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QTabWidget *>(s("PageControl1"))->setCurrentIndex(2);
        services.openAnswers.enqueue(answer);
        auto *clicked = dialog->findChild<QPushButton *>(QLatin1String(button));
        ASSERT_NE(clicked, nullptr) << button;
        clicked->click();
    }

    // Saves a ticket of six marked numbers and checks it against draw 125.
    void checkATicket()
    {
        tickFirst(6);
        const QString saved = dir.filePath(s("mine.ltc"));
        services.saveAnswers.enqueue(saved);
        trigger("N12");
        services.openAnswers.enqueue(saved);
        services.textAnswers.enqueue(s("125"));
        trigger("N19");
    }

    void expectNothingRun()
    {
        EXPECT_TRUE(services.started.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("pwned"))));
        EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath(s("pwned"))));
    }
};

} // namespace

TEST_F(SharedFolderWindow, TheFoldersEditorKeyIsNeverRun)
{
    checkATicket();
    ASSERT_EQ(services.editedFiles.size(), 1);
    EXPECT_EQ(services.editedFiles.first(), dir.filePath(s("result.tmp")));

    services.openAnswers.enqueue(dir.filePath(s("mine.ltc")));
    trigger("N11Text"); // show saved combinations as text
    trigger("N82"); // edit the base
    EXPECT_EQ(services.editedFiles.size(), 3);
    EXPECT_EQ(services.editedFiles.last(), dir.filePath(s("6x45.lot")));
    expectNothingRun();
    EXPECT_TRUE(services.messages.isEmpty()) << services.lastMessage().toStdString();
    // The key stays in the user's file; it is only ignored.
    EXPECT_TRUE(dir.readLines(s("kivora.INI")).contains(s("Editor=/bin/sh -c \"touch pwned\" x")));
}

TEST_F(SharedFolderWindow, TheEditorChosenInTheSettingsGetsTheFileAsItsOnlyArgument)
{
    const QString editor = makeProgram("my-editor");
    chooseInSettings("EditorChooseBtn", editor);
    EXPECT_EQ(UserPrograms::path(UserPrograms::TextEditor), editor);
    EXPECT_EQ(window().findChild<QLineEdit *>(s("EditorPath"))->text(), editor);
    // Kept outside the program folder, in the user's own settings.
    EXPECT_TRUE(UserPrograms::settingsFile().startsWith(userSettings.path()));
    EXPECT_FALSE(dir.readBytes(s("kivora.INI")).contains("my-editor"));

    checkATicket();
    ASSERT_EQ(services.started.size(), 1);
    EXPECT_EQ(services.started.first().program, editor);
    EXPECT_EQ(services.started.first().arguments, QStringList { dir.filePath(s("result.tmp")) });
    EXPECT_FALSE(services.started.first().wait);
    EXPECT_TRUE(services.editedFiles.isEmpty());

    // Editing the base waits for the editor.
    trigger("N82");
    ASSERT_EQ(services.started.size(), 2);
    EXPECT_EQ(services.started.last().arguments, QStringList { dir.filePath(s("6x45.lot")) });
    EXPECT_TRUE(services.started.last().wait);

    // An editor that does not start: a message, and the program's own window.
    services.programsStart = false;
    trigger("N11Text");
    EXPECT_TRUE(services.editedFiles.isEmpty()); // the open dialog was cancelled
    services.openAnswers.enqueue(dir.filePath(s("mine.ltc")));
    trigger("N11Text");
    EXPECT_EQ(services.editedFiles, QStringList { dir.filePath(s("mine.ltc")) });
    EXPECT_EQ(services.lastMessage(), window().messages()("Str425").arg(editor));

    // Back to the program's own window.
    services.programsStart = true;
    services.started.clear();
    window().findChild<SettingsDialog *>()->findChild<QPushButton *>(s("EditorClearBtn"))->click();
    EXPECT_TRUE(UserPrograms::path(UserPrograms::TextEditor).isEmpty());
    trigger("N82");
    EXPECT_TRUE(services.started.isEmpty());
    EXPECT_EQ(services.editedFiles.last(), dir.filePath(s("6x45.lot")));
}

TEST_F(SharedFolderWindow, OnlyAProgramFileCanBeChosenAndTheCalculatorIsTheUsersToo)
{
    const QString text = dir.filePath(s("6x45.lot"));
    for (const QString &answer : { text, dir.path(), s("relative-name"), dir.filePath(s("missing")) }) {
        services.messages.clear();
        chooseInSettings("EditorChooseBtn", answer);
        ASSERT_EQ(services.messages.size(), 1) << answer.toStdString();
        EXPECT_EQ(services.lastMessage(), window().messages()("Str423").arg(answer));
    }
    EXPECT_TRUE(UserPrograms::path(UserPrograms::TextEditor).isEmpty());
    // A cancelled choice changes nothing and says nothing.
    services.messages.clear();
    chooseInSettings("EditorChooseBtn", QString());
    EXPECT_TRUE(services.messages.isEmpty());

    const QString calculator = makeProgram("my-calculator");
    chooseInSettings("CalculatorChooseBtn", calculator);
    trigger("N80");
    ASSERT_EQ(services.started.size(), 1);
    EXPECT_EQ(services.started.first().program, calculator);
    EXPECT_TRUE(services.started.first().arguments.isEmpty());
}

TEST_F(SharedFolderWindow, TheLotteryAddressOpensOnlyWebAddressesAndPagesOfTheFolder)
{
    trigger("N26");
    EXPECT_EQ(services.openedUrls, QStringList { s("https://example.com/results") });
    EXPECT_TRUE(services.confirmQuestions.isEmpty());

    test::TempFolder elsewhere;
    elsewhere.writeLines(s("page.html"), { s("<p>x</p>") });
    for (const QString &hostile : { s("javascript:alert(1)"), s("file:///etc/passwd"), s("/usr/bin/xterm"),
             s("smb://server/share/x.exe"), s("data:text/html,<script>alert(1)</script>"),
             elsewhere.filePath(s("page.html")), s("6x45.lot") }) {
        writeFolder(hostile);
        start();
        services.openedUrls.clear();
        services.messages.clear();
        trigger("N26");
        trigger("N31");
        EXPECT_TRUE(services.openedUrls.isEmpty()) << hostile.toStdString();
        ASSERT_EQ(services.messages.size(), 2) << hostile.toStdString();
        EXPECT_EQ(services.lastMessage(), window().messages()("Str421").arg(hostile));
        EXPECT_EQ(services.messages.last().kind, PlatformServices::MessageKind::Warning);
    }
    expectNothingRun();

    // A page of the folder, after a question.
    dir.writeLines(s("Help/results.htm"), { s("<p>draws</p>") });
    writeFolder(s("Help\\results.htm"));
    start();
    services.openedUrls.clear();
    services.confirmQuestions.clear();
    services.confirmAnswers.enqueue(false);
    trigger("N26");
    EXPECT_TRUE(services.openedUrls.isEmpty());
    ASSERT_EQ(services.confirmQuestions.size(), 1);
    const QString page = QFileInfo(dir.filePath(s("Help/results.htm"))).canonicalFilePath();
    EXPECT_EQ(services.confirmQuestions.first(), window().messages()("Str422").arg(page));
    services.confirmAnswers.enqueue(true);
    trigger("N26");
    EXPECT_EQ(services.openedUrls, QStringList { page });

    // The program's own help page opens without a question.
    services.confirmQuestions.clear();
    trigger("N28");
    EXPECT_TRUE(services.confirmQuestions.isEmpty());
    EXPECT_EQ(services.openedUrls.last(), dir.filePath(s("kivora.html")));
}

TEST_F(SharedFolderWindow, HtmlExportShowsAHostileNameAndCaptionAsText)
{
    writeConfig({ s("[Form]"), s("LangFile=evil.lng"), s("[LotoType]"), s("<script>alert(1)</script>=1"),
        s("[<script>alert(1)</script>]"), s("MaxNumber=45"), s("DrawNumber=6"), s("BaseFile=6x45.lot") });
    dir.writeLines(s("lng/evil.lng"),
        { s("[MainForm]"), s("GroupBox3_Caption=<img src=x onerror=alert(2)>"),
            s("ListView1_ColumnCaption[1]=A&B <5>") });
    start();
    const QString path = dir.filePath(s("numbers.htm"));
    services.saveAnswers.enqueue(path);
    trigger("HTML2");
    ASSERT_EQ(services.openedUrls, QStringList { path });
    const QString html = QString::fromLatin1(dir.readBytes(s("numbers.htm")));
    EXPECT_TRUE(
        html.contains(s("&lt;script&gt;alert(1)&lt;/script&gt; - &lt;img src=x onerror=alert(2)&gt;.<br>")))
        << html.left(600).toStdString();
    EXPECT_TRUE(html.contains(s("A&amp;B &lt;5&gt;"))) << html.left(800).toStdString();
    EXPECT_FALSE(html.contains(s("<script")));
    EXPECT_FALSE(html.contains(s("<img")));
    EXPECT_FALSE(html.contains(s("<5>")));
}
