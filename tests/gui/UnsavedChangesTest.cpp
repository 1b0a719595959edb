// Windows that edit a file ask before they drop what the user typed.

#include "support/FakeServices.h"
#include "support/TempFolder.h"
#include "support/TestText.h"
#include "support/WindowFixture.h"
#include "ui/TextEditorWindow.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QTimer>

using namespace kivora;
using Choice = PlatformServices::SaveChoice;

namespace {

using kivora::test::s;

class TextEditor : public ::testing::Test
{
protected:
    void SetUp() override { dir.writeLines(s("6x45.lot"), { s("1,-,-,-,1,2,3,4,5,6") }); }
    std::unique_ptr<TextEditorWindow> open()
    {
        auto editor = std::make_unique<TextEditorWindow>(
            dir.filePath(s("6x45.lot")), services, TextEditorWindow::Texts { {}, {}, s("Сохранить %1?") });
        editor->show();
        return editor;
    }
    static QPlainTextEdit *text(QWidget *editor) { return editor->findChild<QPlainTextEdit *>(s("Editor")); }
    // As the user types: at the end of the text.
    static void type(QWidget *editor, const QString &typed)
    {
        QTextCursor cursor(text(editor)->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(typed);
    }

    test::TempFolder dir;
    test::FakeServices services;
};

} // namespace

TEST_F(TextEditor, ClosingWithoutChangesAsksNothing)
{
    auto editor = open();
    editor->reject();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(services.saveQuestions.isEmpty());
}

TEST_F(TextEditor, ClosingWithChangesAsksToSaveDiscardOrGoBack)
{
    auto editor = open();
    type(editor.get(), s("2,-,-,-,1,2,3,4,5,6\n"));

    services.saveChoices.enqueue(Choice::Cancel);
    editor->findChild<QPushButton *>(s("CloseButton"))->click();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(services.saveQuestions, QStringList({ s("Сохранить 6x45.lot?") }));
    EXPECT_EQ(dir.readLines(s("6x45.lot")).size(), 1);

    services.saveChoices.enqueue(Choice::Save);
    editor->reject();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(
        dir.readLines(s("6x45.lot")), QStringList({ s("1,-,-,-,1,2,3,4,5,6"), s("2,-,-,-,1,2,3,4,5,6") }));

    // Discarding keeps the file as it was saved.
    editor = open();
    type(editor.get(), s("typed and dropped"));
    services.saveChoices.enqueue(Choice::Discard);
    editor->reject();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(dir.readLines(s("6x45.lot")).size(), 2);
}

TEST_F(TextEditor, AFileThatCannotBeReadIsNeverSavedOver)
{
    QDir().mkpath(dir.filePath(s("folder.lot")));
    TextEditorWindow editor(dir.filePath(s("folder.lot")), services, {});
    EXPECT_TRUE(text(&editor)->isReadOnly());
    EXPECT_FALSE(editor.findChild<QPushButton *>(s("SaveButton"))->isEnabled());
    EXPECT_TRUE(QFileInfo(dir.filePath(s("folder.lot"))).isDir());
}

namespace {

class LedgerWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeConfig({ s("[LotoType]"), s("6 из 45=1"), s("[6 из 45]"), s("MaxNumber=45"), s("DrawNumber=6"),
            s("BaseFile=6x45.lot") });
        dir.writeLines(s("6x45.lot"), { s("1,01.01.2005,-,-,01,02,03,04,05,06") });
        dir.writeLines(s("6x45.bls"), { s("01.02.2005;100;0") });
        start();
    }
};

} // namespace

TEST_F(LedgerWindow, CancelWithChangesAsksAndSaveWritesThem)
{
    QTimer::singleShot(0, &window(), [this] {
        auto *dialog = window().findChild<QDialog *>(s("BalansForm"));
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QTableWidget *>(s("BalansGrid"))->item(0, 1)->setText(s("150"));
        services.saveChoices.enqueue(Choice::Cancel);
        dialog->reject();
        EXPECT_TRUE(dialog->isVisible());
        services.saveChoices.enqueue(Choice::Save);
        dialog->reject();
    });
    trigger("N78");
    EXPECT_EQ(services.saveQuestions.size(), 2);
    EXPECT_EQ(dir.readLines(s("6x45.bls")), QStringList({ s("01.02.2005;150;0") }));
}
