// "Импорт результатов" through its preview: the columns found, a mapping changed by
// the user, Cancel, the profile kept for next time, a merge, and files refused.

#include "support/TestText.h"
#include "support/WindowFixture.h"
#include "ui/dialogs/ImportPreviewDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <functional>

using namespace kivora;

namespace {

using kivora::test::s;

QString sampleImport(const char *name)
{
    return QDir(s(KIVORA_TEST_DATA "/import")).filePath(s(name));
}

QStringList listed(const QListWidget *list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items.append(list->item(row)->text());
    return items;
}

// A program folder of two lotteries whose operators' files are in tests/data/import.
class ImportPreviewWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeConfig({ s("[LotoType]"), s("C4L=1"), s("A36=1"), s("[C4L]"), s("MaxNumber=60"),
            s("DrawNumber=5"), s("CountOfAddBall=1"), s("MinnumberOfAddBall=1"), s("MaxnumberOfAddBall=4"),
            s("BaseFile=c4l.lot"), s("[A36]"), s("MaxNumber=36"), s("DrawNumber=5"), s("CountOfAddBall=0"),
            s("BaseFile=a36.lot") });
        dir.writeLines(s("c4l.lot"), { s("1,16.06.2014,-,-,15,21,31,39,56,4") });
        dir.writeBytes(s("a36.lot"), QByteArray());
        start();
    }

    // Chooses the file in the open dialog and runs `act` on the preview once it is shown.
    void importWith(const QString &file, std::function<void(ImportPreviewDialog *)> act)
    {
        services.openAnswers.enqueue(file);
        shown = false;
        QTimer::singleShot(0, &window(), [this, act] {
            auto *dialog = window().findChild<ImportPreviewDialog *>(s("ImportPreviewDialog"));
            if (!dialog || !dialog->isVisible())
                return;
            shown = true;
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        trigger("N34");
    }

    template<typename T> static T *child(QDialog *dialog, const char *name)
    {
        T *found = dialog->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void ok(QDialog *dialog) { child<QPushButton>(dialog, "ImportOkButton")->click(); }

    static void chooseDateFormat(QDialog *dialog, int index)
    {
        auto *box = child<QComboBox>(dialog, "ImportDateFormatBox");
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    // Lets events run until the window shows `draws` draws of the current lottery.
    void waitForShownDraws(int draws)
    {
        for (int i = 0; i < 500 && window().loaded().drawCount() != draws; ++i) {
            QTest::qWait(10);
            settle();
        }
    }

    bool shown = false;
};

} // namespace

TEST_F(ImportPreviewWindow, ThePreviewShowsTheColumnsFoundAndAMergeAddsOnlyTheNewDraws)
{
    chooseLottery(s("C4L"));
    importWith(sampleImport("ny_cash4life.csv"), [this](ImportPreviewDialog *dialog) {
        EXPECT_TRUE(child<QRadioButton>(dialog, "ImportMergeButton")->isChecked());
        EXPECT_EQ(child<QLineEdit>(dialog, "ImportDateEdit")->text(), s("\"Draw Date\""));
        EXPECT_EQ(child<QLineEdit>(dialog, "ImportMainEdit")->text(), s("\"Winning Numbers\""));
        EXPECT_EQ(child<QLineEdit>(dialog, "ImportAdditionalEdit")->text(), s("\"Cash Ball\""));
        auto *rows = child<QTableWidget>(dialog, "ImportRowsView");
        EXPECT_EQ(rows->rowCount(), 3);
        EXPECT_TRUE(rows->horizontalHeaderItem(0)->text().contains(s("Draw Date")));
        EXPECT_TRUE(rows->horizontalHeaderItem(0)->text().contains(s("дата")));
        const QString counts = child<QLabel>(dialog, "ImportCountsLabel")->text();
        EXPECT_TRUE(counts.contains(s("Новых розыгрышей: 2, уже в базе: 1, конфликтов: 0")))
            << counts.toStdString();
        EXPECT_EQ(listed(child<QListWidget>(dialog, "ImportDrawsView")),
            QStringList({ s("2,19.06.2014,-,-,6,12,41,47,54,2"), s("3,23.06.2014,-,-,3,18,25,40,60,1") }));
        // Nothing is written while the preview is open.
        EXPECT_EQ(dir.readLines(s("c4l.lot")).size(), 1);
        ok(dialog);
    });
    ASSERT_TRUE(shown);
    EXPECT_TRUE(services.confirmQuestions.isEmpty());
    EXPECT_EQ(dir.readLines(s("c4l.lot")),
        QStringList({ s("1,16.06.2014,-,-,15,21,31,39,56,4"), s("2,19.06.2014,-,-,6,12,41,47,54,2"),
            s("3,23.06.2014,-,-,3,18,25,40,60,1") }));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("c4l.lot.bak"))));
    EXPECT_TRUE(status(0).contains(s("Проанализировано 3 розыгрыша"))) << status(0).toStdString();
    EXPECT_TRUE(status(0).contains(s("Новых розыгрышей: 2"))) << status(0).toStdString();

    // The same file again adds nothing.
    importWith(sampleImport("ny_cash4life.csv"), [](ImportPreviewDialog *dialog) {
        const QString counts = child<QLabel>(dialog, "ImportCountsLabel")->text();
        EXPECT_TRUE(counts.contains(s("Новых розыгрышей: 0, уже в базе: 3"))) << counts.toStdString();
        EXPECT_EQ(child<QListWidget>(dialog, "ImportDrawsView")->count(), 0);
    });
    EXPECT_EQ(dir.readLines(s("c4l.lot")).size(), 3);
}

TEST_F(ImportPreviewWindow, AChangedMappingOrDateFormatChangesThePreview)
{
    chooseLottery(s("A36"));
    importWith(sampleImport("ambiguous_dates.csv"), [](ImportPreviewDialog *dialog) {
        // An empty base is replaced by default; the dates can be read either way.
        EXPECT_TRUE(child<QRadioButton>(dialog, "ImportReplaceButton")->isChecked());
        auto *problem = child<QLabel>(dialog, "ImportProblemLabel");
        EXPECT_FALSE(problem->text().isEmpty());
        EXPECT_FALSE(child<QPushButton>(dialog, "ImportOkButton")->isEnabled());
        EXPECT_EQ(child<QListWidget>(dialog, "ImportDrawsView")->count(), 0);

        chooseDateFormat(dialog, 2);
        EXPECT_TRUE(problem->text().isEmpty()) << problem->text().toStdString();
        EXPECT_TRUE(child<QPushButton>(dialog, "ImportOkButton")->isEnabled());
        auto *draws = child<QListWidget>(dialog, "ImportDrawsView");
        EXPECT_EQ(listed(draws).first(), s("1,04.03.2020,-,-,1,2,3,4,5,"));

        chooseDateFormat(dialog, 1);
        EXPECT_EQ(listed(draws).first(), s("1,04.03.2020,-,-,6,7,8,9,10,"));

        // Only the first three numbers of the field: no draw of five is left.
        auto *main = child<QLineEdit>(dialog, "ImportMainEdit");
        main->setText(main->text() + s("[1-3]"));
        emit main->textEdited(main->text());
        emit main->editingFinished();
        EXPECT_EQ(draws->count(), 0);
        EXPECT_FALSE(problem->text().isEmpty());
        EXPECT_FALSE(child<QPushButton>(dialog, "ImportOkButton")->isEnabled());

        // A field that is not a column of the file says so.
        main->setText(s("\"Numbers\""));
        emit main->textEdited(main->text());
        emit main->editingFinished();
        EXPECT_TRUE(problem->text().contains(s("Numbers"))) << problem->text().toStdString();

        main->setText(s("2"));
        emit main->textEdited(main->text());
        emit main->editingFinished();
        EXPECT_TRUE(problem->text().isEmpty()) << problem->text().toStdString();
        EXPECT_EQ(draws->count(), 3);
    });
    ASSERT_TRUE(shown);
    EXPECT_TRUE(dir.readBytes(s("a36.lot")).isEmpty());
}

TEST_F(ImportPreviewWindow, CancelWritesNothing)
{
    chooseLottery(s("C4L"));
    const QByteArray base = dir.readBytes(s("c4l.lot"));
    importWith(sampleImport("ny_cash4life.csv"), [](ImportPreviewDialog *dialog) {
        child<QRadioButton>(dialog, "ImportReplaceButton")->setChecked(true);
        child<QCheckBox>(dialog, "ImportSaveProfileBox")->setChecked(true);
        child<QPushButton>(dialog, "ImportCancelButton")->click();
    });
    ASSERT_TRUE(shown);
    EXPECT_TRUE(services.confirmQuestions.isEmpty());
    EXPECT_EQ(dir.readBytes(s("c4l.lot")), base);
    // No import profile was kept.
    for (const QString &line : dir.readLines(s("kivora.INI")))
        EXPECT_FALSE(line.startsWith(s("Import"))) << line.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("c4l.lot.bak"))));

    // Replacing asks first; no is as good as Cancel.
    importWith(sampleImport("ny_cash4life.csv"), [](ImportPreviewDialog *dialog) {
        child<QRadioButton>(dialog, "ImportReplaceButton")->setChecked(true);
        ok(dialog);
    });
    EXPECT_EQ(services.confirmQuestions.size(), 1);
    EXPECT_EQ(dir.readBytes(s("c4l.lot")), base);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("c4l.lot.bak"))));
}

TEST_F(ImportPreviewWindow, TheSavedProfileIsUsedNextTime)
{
    chooseLottery(s("A36"));
    services.confirmAnswers.enqueue(true);
    importWith(sampleImport("ambiguous_dates.csv"), [](ImportPreviewDialog *dialog) {
        chooseDateFormat(dialog, 2);
        child<QCheckBox>(dialog, "ImportSaveProfileBox")->setChecked(true);
        ok(dialog);
    });
    ASSERT_TRUE(shown);
    ASSERT_EQ(dir.readLines(s("a36.lot")).size(), 3);
    EXPECT_EQ(dir.readLines(s("a36.lot")).first(), s("1,04.03.2020,-,-,1,2,3,4,5,"));
    const QStringList config = dir.readLines(s("kivora.INI"));
    EXPECT_TRUE(config.contains(s("ImportDateFormat=mm/dd/yyyy")))
        << config.join(QLatin1Char('\n')).toStdString();

    dir.writeBytes(s("a36.lot"), QByteArray());
    chooseLottery(s("A36"));
    services.confirmAnswers.enqueue(true);
    importWith(sampleImport("ambiguous_dates.csv"), [](ImportPreviewDialog *dialog) {
        EXPECT_EQ(child<QComboBox>(dialog, "ImportDateFormatBox")->currentIndex(), 2);
        EXPECT_TRUE(child<QLabel>(dialog, "ImportProblemLabel")->text().isEmpty());
        ok(dialog);
    });
    ASSERT_TRUE(shown);
    EXPECT_EQ(dir.readLines(s("a36.lot")).size(), 3);
}

TEST_F(ImportPreviewWindow, ABadFileIsRefusedWithItsNameAndTheBaseIsUntouched)
{
    chooseLottery(s("C4L"));
    const QByteArray base = dir.readBytes(s("c4l.lot"));
    dir.writeBytes(s("empty.csv"), QByteArray());
    dir.writeBytes(s("binary.dat"), QByteArray("\x00\x01\x02\xff\xfe\x00\x13\x00\x00\x07", 10));
    dir.writeLines(s("letter.txt"), { s("Дорогой друг,"), s("пишу тебе из отпуска."), s("Погода хорошая.") });
    const struct
    {
        QString file;
        QString reason;
    } cases[] = {
        { dir.filePath(s("empty.csv")), s("пуст") },
        { dir.filePath(s("binary.dat")), s("двоичный") },
        { dir.filePath(s("letter.txt")), s("C4L") },
        // Another lottery's file: no column holds five numbers of 1..60 and one of 1..4.
        { sampleImport("ru_4x20.txt"), s("C4L") },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        services.messages.clear();
        importWith(c.file, [](ImportPreviewDialog *) {});
        EXPECT_FALSE(shown);
        ASSERT_EQ(services.messages.size(), 1);
        const QString message = services.lastMessage();
        EXPECT_TRUE(message.contains(QFileInfo(c.file).fileName())) << message.toStdString();
        EXPECT_TRUE(message.contains(c.reason)) << message.toStdString();
        EXPECT_EQ(dir.readBytes(s("c4l.lot")), base);
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("c4l.lot.bak"))));
    }
}

TEST_F(ImportPreviewWindow, TheFileIsReadOnceSoWhatIsWrittenIsWhatWasPreviewed)
{
    chooseLottery(s("C4L"));
    const QString copy = dir.filePath(s("cash4life.csv"));
    ASSERT_TRUE(QFile::copy(sampleImport("ny_cash4life.csv"), copy));
    importWith(copy, [this, copy](ImportPreviewDialog *dialog) {
        // The file is changed and then removed while the preview is open; a new
        // encoding and a new mapping are planned from what was read.
        dir.writeLines(s("cash4life.csv"),
            { s("Draw Date,Winning Numbers,Cash Ball"), s("07/01/2014,01 02 03 04 05,1") });
        auto *encoding = child<QComboBox>(dialog, "ImportEncodingBox");
        encoding->setCurrentIndex(1);
        emit encoding->activated(1);
        ASSERT_TRUE(QFile::remove(copy));
        auto *additional = child<QLineEdit>(dialog, "ImportAdditionalEdit");
        additional->setText(s("3"));
        emit additional->textEdited(additional->text());
        emit additional->editingFinished();
        const QString counts = child<QLabel>(dialog, "ImportCountsLabel")->text();
        EXPECT_TRUE(counts.contains(s("Новых розыгрышей: 2"))) << counts.toStdString();
        EXPECT_TRUE(child<QPushButton>(dialog, "ImportOkButton")->isEnabled());
        ok(dialog);
    });
    ASSERT_TRUE(shown);
    EXPECT_EQ(dir.readLines(s("c4l.lot")),
        QStringList({ s("1,16.06.2014,-,-,15,21,31,39,56,4"), s("2,19.06.2014,-,-,6,12,41,47,54,2"),
            s("3,23.06.2014,-,-,3,18,25,40,60,1") }));
}

TEST_F(ImportPreviewWindow, AnImportStoppedOrRefusedAtItsWriteLeavesTheWindowShowingTheBaseOnDisk)
{
    chooseLottery(s("C4L"));
    ASSERT_EQ(window().loaded().drawCount(), 1);

    // Cancel once the worker has written the base: the window's events wait meanwhile,
    // so the job cannot have been shown.
    services.openAnswers.enqueue(sampleImport("ny_cash4life.csv"));
    QTimer::singleShot(0, &window(), [this] {
        if (auto *dialog = window().findChild<ImportPreviewDialog *>(s("ImportPreviewDialog")))
            ok(dialog);
    });
    window().findChild<QAction *>(s("N34"))->trigger();
    ASSERT_TRUE(window().isBusy());
    QElapsedTimer clock;
    clock.start();
    while (dir.readLines(s("c4l.lot")).size() < 3 && clock.elapsed() < 20000)
        QThread::msleep(5);
    ASSERT_EQ(dir.readLines(s("c4l.lot")).size(), 3);
    find<QPushButton>("WaitCancel")->click();
    waitForShownDraws(3);
    EXPECT_EQ(window().loaded().drawCount(), 3);
    EXPECT_TRUE(status(0).contains(s("Импорт прерван"))) << status(0).toStdString();

    // A write refused because the base changed on disk after the preview read it: the
    // window says why and shows the base as it now is.
    dir.writeLines(s("c4l.lot"), { s("1,16.06.2014,-,-,15,21,31,39,56,4") });
    window().loadCurrentLottery();
    settle();
    ASSERT_EQ(window().loaded().drawCount(), 1);
    services.messages.clear();
    importWith(sampleImport("ny_cash4life.csv"), [this](ImportPreviewDialog *dialog) {
        dir.writeBytes(s("c4l.lot"), QByteArray());
        ok(dialog);
    });
    ASSERT_TRUE(shown);
    waitForShownDraws(0);
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.lastMessage().contains(s("c4l.lot"))) << services.lastMessage().toStdString();
    EXPECT_TRUE(dir.readBytes(s("c4l.lot")).isEmpty());
    EXPECT_EQ(window().loaded().drawCount(), 0);
}

TEST_F(ImportPreviewWindow, AnImportConfirmedWhileAnotherJobRunsStartsAfterIt)
{
    chooseLottery(s("C4L"));
    importWith(sampleImport("ny_cash4life.csv"), [this](ImportPreviewDialog *dialog) {
        // A load starts before OK and still runs when the import is to start.
        window().loadCurrentLottery();
        ASSERT_TRUE(window().isBusy());
        ok(dialog);
    });
    ASSERT_TRUE(shown);
    waitForShownDraws(3);
    EXPECT_EQ(dir.readLines(s("c4l.lot")).size(), 3);
    EXPECT_EQ(window().loaded().drawCount(), 3);
    EXPECT_TRUE(status(0).contains(s("Новых розыгрышей: 2"))) << status(0).toStdString();
}
