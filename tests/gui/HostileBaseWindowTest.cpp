// The window on a program folder from someone else whose BaseFile names a file of the
// user's that is no results base: add, import, edit and the ledger write nothing.

#include "support/WindowFixture.h"

#include "core/MessageCatalog.h"
#include "support/TestText.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace kivora;

namespace {

using kivora::test::s;

const QByteArray kShellStartUp("# ~/.bashrc\nexport PATH=$HOME/bin:$PATH\nalias ll='ls -l'\n");
const QByteArray kNotes("shopping; milk; bread\nremember the keys\n");

class HostileBaseWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        dir.writeBytes(s("home/victim.txt"), kShellStartUp);
        dir.writeBytes(s("home/victim.bls"), kNotes);
        dir.writeLines(s("import.txt"), { s("11 08.02.2005 1 2 6 13 20 24 32 41") });
    }

    void startOn(const QString &baseFile)
    {
        writeConfig({ s("[LotoType]"), s("6 из 45=1"), s("[6 из 45]"), s("MaxNumber=45"), s("DrawNumber=6"),
            s("BaseFile=") + dir.filePath(baseFile) });
        start();
    }

    QString refusal() const
    {
        return messages("Str440").arg(
            QDir::toNativeSeparators(QFileInfo(dir.filePath(s("home/victim.txt"))).absoluteFilePath()));
    }

    void expectUntouched()
    {
        EXPECT_EQ(dir.readBytes(s("home/victim.txt")), kShellStartUp);
        EXPECT_EQ(dir.readBytes(s("home/victim.bls")), kNotes);
        QStringList expected = QStringList({ s("victim.bls"), s("victim.txt") }) + extraFiles;
        expected.sort();
        EXPECT_EQ(QDir(dir.filePath(s("home"))).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }

    const MessageCatalog messages;
    QStringList extraFiles;
};

} // namespace

TEST_F(HostileBaseWindow, AddImportAndEditRefuseAndNameTheFile)
{
    startOn(s("home/victim.txt"));
    // Should the dialog open after all, a complete draw is typed and confirmed.
    QTimer::singleShot(0, &window(), [this] {
        auto *dialog = window().findChild<QDialog *>(QStringLiteral("AddTirag"));
        if (!dialog || !dialog->isVisible())
            return;
        dialog->findChild<QLineEdit *>(QStringLiteral("MaskEdit1"))->setText(s("03,15,22,31,40,44"));
        dialog->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
        if (dialog->isVisible())
            dialog->reject();
    });
    trigger("N9");
    EXPECT_EQ(services.lastMessage(), refusal());
    expectUntouched();

    services.messages.clear();
    services.confirmAnswers.enqueue(true);
    services.openAnswers.enqueue(dir.filePath(s("import.txt")));
    trigger("N34");
    EXPECT_EQ(services.lastMessage(), refusal());
    expectUntouched();

    services.messages.clear();
    trigger("N82");
    EXPECT_EQ(services.lastMessage(), refusal());
    EXPECT_TRUE(services.editedFiles.isEmpty());
    expectUntouched();
}

// A results base of the user's may stand beside a file named like its ledger that is
// something else.
TEST_F(HostileBaseWindow, ALedgerFileThatIsNoLedgerIsNotReplaced)
{
    const QByteArray base("1,01.01.2005,-,-,1,2,3,4,5,6\r\n");
    dir.writeBytes(s("home/victim.lot"), base);
    startOn(s("home/victim.lot"));
    QTimer::singleShot(0, &window(), [this] {
        if (auto *dialog = window().findChild<QDialog *>(QStringLiteral("BalansForm"));
            dialog && dialog->isVisible())
            dialog->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
    });
    trigger("N78");
    EXPECT_EQ(services.lastMessage(),
        messages("Str448").arg(
            QDir::toNativeSeparators(QFileInfo(dir.filePath(s("home/victim.bls"))).absoluteFilePath())));
    extraFiles = QStringList { s("victim.lot") };
    expectUntouched();
    EXPECT_EQ(dir.readBytes(s("home/victim.lot")), base);
}
