// The import preview on its own, without the window, in both languages: it fits a
// 1366x768 screen, its columns are sized to their content, and no Russian text is
// left in the English one.

#include "ui/dialogs/ImportPreviewDialog.h"
#include "core/IniDocument.h"
#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "support/TempFolder.h"
#include "support/TestText.h"
#include "ui/LanguageResource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::s;

namespace {

LotteryDefinition megaMillions()
{
    LotteryDefinition definition;
    definition.name = s("MM");
    definition.minNumber = 1;
    definition.maxNumber = 70;
    definition.drawNumber = 5;
    definition.countOfAddBall = 1;
    definition.minnumberOfAddBall = 1;
    definition.maxnumberOfAddBall = 25;
    return definition;
}

MessageCatalog english()
{
    MessageCatalog messages;
    IniDocument document = IniFile(QStringLiteral(KIVORA_SAMPLE_DATA "/lng/english.lng")).load();
    LanguageResource::applyMessages(messages, document);
    return messages;
}

// Every text the dialog shows: labels, buttons, group titles, the table's captions.
QStringList shownTexts(const QDialog &dialog)
{
    QStringList shown { dialog.windowTitle() };
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (!label->property("dynamicText").toBool())
            shown.append(label->text());
    }
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        shown.append(button->text());
    for (const QGroupBox *box : dialog.findChildren<QGroupBox *>())
        shown.append(box->title());
    return shown;
}

} // namespace

TEST(ImportPreviewAlone, FitsTheSmallScreenInBothLanguagesWithColumnsSizedToContent)
{
    test::TempFolder dir;
    dir.writeLines(s("mm.lot"), { s("1,27.10.2017,-,-,8,15,23,43,47,25") });
    const ImportPreviewRequest request {
        QDir(s(KIVORA_TEST_DATA "/import")).filePath(s("ny_megamillions.csv")), dir.filePath(s("mm.lot")),
        s("MM"), dir.filePath(s("kivora.INI")), megaMillions()
    };
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    for (const bool inEnglish : { false, true }) {
        SCOPED_TRACE(inEnglish ? "English" : "Russian");
        const MessageCatalog messages = inEnglish ? english() : MessageCatalog();
        ImportPreviewDialog dialog(request, messages);
        ASSERT_TRUE(dialog.refusal().isEmpty()) << dialog.refusal().toStdString();
        dialog.show();
        QApplication::processEvents();
        EXPECT_LE(dialog.width(), 1366);
        EXPECT_LE(dialog.height(), 740);
        EXPECT_LE(dialog.minimumSizeHint().width(), 1000);
        EXPECT_LE(dialog.minimumSizeHint().height(), 700);

        auto *rows = dialog.findChild<QTableWidget *>(s("ImportRowsView"));
        ASSERT_NE(rows, nullptr);
        ASSERT_GE(rows->columnCount(), 3);
        const QFontMetrics metrics = rows->fontMetrics();
        // "20 36 37 48 67" is read whole, and no column is wider than its widest text needs.
        EXPECT_GE(rows->columnWidth(1), metrics.horizontalAdvance(s("20 36 37 48 67")));
        EXPECT_LE(rows->columnWidth(0), metrics.horizontalAdvance(s("MM/DD/YYYY Draw Date")) * 2);

        for (const QString &text : shownTexts(dialog)) {
            if (inEnglish) {
                EXPECT_FALSE(text.contains(cyrillic)) << text.toStdString();
            }
        }
        const QString folder = qEnvironmentVariable("KIVORA_SCREENSHOTS");
        if (!folder.isEmpty())
            dialog.grab().save(
                QDir(folder).filePath(inEnglish ? s("import-preview-en.png") : s("import-preview-ru.png")));
    }
}
