// The real desktop services, with the desktop's opener replaced by URL handlers.

#include "ui/DesktopServices.h"

#include "support/TempFolder.h"
#include "ui/TextEditorWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QInputDialog>
#include <QList>
#include <QObject>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>

using namespace kivora;

namespace {

class OpenedUrls final : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

const QStringList kSchemes { QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file"),
    QStringLiteral("javascript"), QStringLiteral("smb"), QStringLiteral("data"), QStringLiteral("ftp") };

} // namespace

TEST(DesktopServices, OnlyWebAddressesAndExistingFilesReachTheDesktop)
{
    OpenedUrls opened;
    for (const QString &scheme : kSchemes)
        QDesktopServices::setUrlHandler(scheme, &opened, "open");
    test::TempFolder dir;
    dir.writeLines(QStringLiteral("page.htm"), { QStringLiteral("<p>x</p>") });
    DesktopServices services;

    for (const char *hostile : { "javascript:alert(1)", "smb://server/share/x.exe", "data:text/html,<b>x</b>",
             "ftp://example.com/x", "file:///etc/passwd", "no-such-file.html" })
        services.openUrl(QString::fromUtf8(hostile));
    EXPECT_TRUE(opened.urls.isEmpty());

    services.openUrl(QStringLiteral("https://example.com/results"));
    services.openUrl(dir.filePath(QStringLiteral("page.htm")) + QStringLiteral("#topic"));
    ASSERT_EQ(opened.urls.size(), 2);
    EXPECT_EQ(opened.urls.at(0), QUrl(QStringLiteral("https://example.com/results")));
    EXPECT_EQ(opened.urls.at(1).toLocalFile(), dir.filePath(QStringLiteral("page.htm")));
    EXPECT_EQ(opened.urls.at(1).fragment(), QStringLiteral("topic"));

    for (const QString &scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

// The services start no program of their own: a text file opens in the program's own
// window (the window starts the editor the user chose, through startProgram).
TEST(DesktopServices, TextFilesOpenInTheProgramsOwnWindow)
{
    test::TempFolder dir;
    dir.writeLines(QStringLiteral("result.tmp"), { QStringLiteral("3 numbers - 2 combinations") });
    DesktopServices services;
    services.editTextFile(nullptr, dir.filePath(QStringLiteral("result.tmp")), false);
    TextEditorWindow *shown = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<TextEditorWindow *>(widget); window && window->isVisible())
            shown = window;
    }
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->findChild<QPlainTextEdit *>(QStringLiteral("Editor"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("3 numbers - 2 combinations")));
    shown->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(DesktopServices, TheQuestionForATextIsAsWideAsItsTitleAndItsText)
{
    DesktopServices services;
    const QString title = QStringLiteral("Какой тираж проверять? Создать систему");
    QString text = QStringLiteral("12 номеров: 4 из 5, 30 билетов (2)");
    int width = 0;
    int wanted = 0;
    QTimer::singleShot(0, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QInputDialog *>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            width = dialog->width();
            const QFontMetrics metrics(dialog->font());
            wanted = std::max(metrics.horizontalAdvance(title), metrics.horizontalAdvance(text));
            dialog->setTextValue(QStringLiteral("7 номеров"));
            dialog->accept();
        }
    });
    ASSERT_TRUE(services.askText(nullptr, title, QStringLiteral("Имя новой системы:"), &text));
    EXPECT_GT(width, wanted);
    EXPECT_EQ(text, QStringLiteral("7 номеров"));
}

#include "DesktopServicesTest.moc"
