// The main menu; the panes make their own pop-up menus and the statistics commands
// the tool bar's statistics menu. Every entry has a component name, so that language
// files and tests can find it.

#include "ui/MainWindow.h"

#include "ui/DesktopCommands.h"
#include "ui/LanguageSwitcher.h"
#include "ui/MenuItems.h"
#include "ui/ResultsCommands.h"
#include "ui/ResultsUpdateCommands.h"
#include "ui/WindowDialogs.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/WheelCheckDialog.h"
#include "ui/dialogs/WheelMakeDialog.h"
#include "ui/panes/StatisticsCommands.h"
#include "ui/panes/ToolBar.h"
#include "ui/play/PlayCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kivora {

using menuitems::subMenu;

QAction *MainWindow::addCommand(
    QMenu *menu, const char *name, const QString &caption, std::function<void()> command)
{
    return menuitems::command(this, this, menu, name, caption, std::move(command));
}

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *file = subMenu(this, nullptr, "N1", QStringLiteral("&Файл"));
    bar->addMenu(file);
    addCommand(file, "N11", QStringLiteral("&Открыть сохраненные комбинации"),
        [this] { m_play->openSavedCombinations(); });
    addCommand(file, "N11Text", QStringLiteral("Показать сохраненные комбинации как &текст"),
        [this] { m_play->showSavedCombinationsAsText(); });
    QAction *save = addCommand(file, "N12", QStringLiteral("&Сохранить выбранные комбинации"),
        [this] { m_play->saveCombinations(); });
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    QAction *exit = addCommand(file, "N13", QStringLiteral("&Выход"), [this] { close(); });
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    QMenu *draw = subMenu(this, nullptr, "N2", QStringLiteral("&Розыгрыш"));
    bar->addMenu(draw);
    addCommand(draw, "N9", QStringLiteral("&Добавить результаты"), [this] { m_results->addResults(); });
    addCommand(draw, "N31", QStringLiteral("&Посмотреть результаты в Интернете"),
        [this] { m_desktop->openResultsWebPage(); });
    addCommand(draw, "N82", QStringLiteral("&Редактировать базу результатов"),
        [this] { m_results->editResultsBase(); });
    addCommand(
        draw, "N34", QStringLiteral("&Импорт результатов"), [this] { m_results->importResultsFile(); });
    QAction *update = addCommand(
        draw, "N34Update", QStringLiteral("&Обновить результаты"), [this] { m_updates->updateResults(); });
    update->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));

    QMenu *numbers = subMenu(this, nullptr, "N3", QStringLiteral("&Номера"));
    bar->addMenu(numbers);
    addCommand(numbers, "N22", QStringLiteral("Выбрать все"), [this] { m_play->markAllNumbers(); });
    addCommand(numbers, "N23", QStringLiteral("Убрать все пометки"), [this] { m_play->clearMarks(); });
    addCommand(numbers, "N24", QStringLiteral("Случайный выбор"), [this] { m_play->markRandomNumbers(); });

    QMenu *stat = subMenu(this, nullptr, "N4", QStringLiteral("С&татистика"));
    bar->addMenu(stat);
    QMenu *pairs = subMenu(this, stat, "N5", QStringLiteral("&Пары номеров"));
    addCommand(pairs, "N35", QStringLiteral("&все"),
        [this] { m_statistics->runCombinations(2, Family::All, true); });
    addCommand(pairs, "N37", QStringLiteral("&соседние"),
        [this] { m_statistics->runCombinations(2, Family::Neighbouring, false); });
    addCommand(pairs, "N38", QStringLiteral("&родственные"),
        [this] { m_statistics->runCombinations(2, Family::Related, false); });
    QMenu *triples = subMenu(this, stat, "N6", QStringLiteral("&Тройки номеров"));
    addCommand(triples, "N74", QStringLiteral("все"),
        [this] { m_statistics->runCombinations(3, Family::All, true); });
    addCommand(triples, "N66", QStringLiteral("соседние"),
        [this] { m_statistics->runCombinations(3, Family::Neighbouring, true); });
    addCommand(triples, "N67", QStringLiteral("родственные"),
        [this] { m_statistics->runCombinations(3, Family::Related, true); });
    QMenu *quads = subMenu(this, stat, "Menu_4", QStringLiteral("&Четверки номеров"));
    addCommand(quads, "Menu_4_1", QStringLiteral("все"),
        [this] { m_statistics->runCombinations(4, Family::All, true); });
    addCommand(quads, "Menu_4_2", QStringLiteral("соседние"),
        [this] { m_statistics->runCombinations(4, Family::Neighbouring, true); });
    addCommand(quads, "Menu_4_3", QStringLiteral("родственные"),
        [this] { m_statistics->runCombinations(4, Family::Related, true); });
    QMenu *tens = subMenu(this, stat, "N7", QStringLiteral("&Десятки номеров"));
    addCommand(tens, "N210", QStringLiteral("2 номера в десятке"),
        [this] { m_statistics->runTens(2, "popupN210"); });
    addCommand(tens, "N3101", QStringLiteral("3 номера в десятке"),
        [this] { m_statistics->runTens(3, "popupN3101"); });
    addCommand(tens, "N4101", QStringLiteral("4 номера в десятке"),
        [this] { m_statistics->runTens(4, "popupN4101"); });
    addCommand(tens, "N5101", QStringLiteral("5 номеров в десятке"),
        [this] { m_statistics->runTens(5, "popupN5101"); });
    addCommand(tens, "N6101", QStringLiteral("6 номеров в десятке"),
        [this] { m_statistics->runTens(6, "popupN6101"); });
    tens->addSeparator();
    addCommand(tens, "N60", QStringLiteral("Все розыгрыши"), [this] { m_statistics->showTensByDraw(); });
    QMenu *positions = subMenu(this, stat, "N8", QStringLiteral("П&озиционный анализ"));
    positions->addMenu(m_statistics->drawingOrderMenu());
    positions->addMenu(m_statistics->ascendingOrderMenu());
    stat->addAction(m_statistics->additionalAction());
    stat->addSeparator();
    addCommand(stat, "N4Charts", QStringLiteral("&Графики..."), [this] { m_play->showCharts(); });
    addCommand(
        stat, "N4Random", QStringLiteral("Проверка &случайности..."), [this] { m_play->showRandomness(); });
    addCommand(stat, "N4Backtest", QStringLiteral("Проверка прогнозов на &прошлых розыгрышах..."),
        [this] { m_play->openBacktest(static_cast<int>(backtest::Method::ForecastNumbers)); });

    QMenu *forecast = subMenu(this, nullptr, "N10", QStringLiteral("&Прогноз"));
    bar->addMenu(forecast);
    QMenu *tarvela = subMenu(this, forecast, "N52", QStringLiteral("по методу Tarvela"));
    addCommand(tarvela, "N53", QStringLiteral("номера"), [this] { m_play->forecastNumbers(); });
    addCommand(tarvela, "N54", QStringLiteral("пары номеров"), [this] { m_play->forecastPairs(); });

    QMenu *system = subMenu(this, nullptr, "N15", QStringLiteral("Игра по &системе"));
    bar->addMenu(system);
    addCommand(system, "N14", QStringLiteral("Выбрать систему"), [this] { m_play->chooseSystem(); });
    addCommand(system, "N16", QStringLiteral("Удалить выделенную комбинацию"),
        [this] { m_play->deleteCombination(); });
    addCommand(system, "N18", QStringLiteral("Сохранить выбранные комбинации"),
        [this] { m_play->saveCombinations(); });
    addCommand(
        system, "N15Filters", QStringLiteral("&Фильтры билетов..."), [this] { m_play->editTicketFilters(); });
    addCommand(
        system, "N15Make", QStringLiteral("&Создать систему..."), [this] { m_play->makeWheelSystem(); });
    addCommand(system, "N15Check", QStringLiteral("Про&верить систему..."),
        [this] { m_play->checkCurrentSystem(); });
    QAction *print = addCommand(
        system, "N18Print", QStringLiteral("&Печать..."), [this] { m_play->printCombinations(); });
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    addCommand(system, "N19", QStringLiteral("Проверить комбинации с результатами розыгрыша"),
        [this] { m_play->checkSavedCombinations(); });

    QMenu *settings = subMenu(this, nullptr, "N20", QStringLiteral("Настр&ойка"));
    bar->addMenu(settings);
    m_language = new LanguageSwitcher(
        m_folder.languageFolder(), subMenu(this, settings, "Lang", QStringLiteral("&Язык")), this);
    connect(m_language, &LanguageSwitcher::languageChosen, this, &MainWindow::switchLanguage);
    addCommand(settings, "N21", QStringLiteral("&Параметры"),
        [this] { m_dialogs->settings()->execAt(currentLottery()); });
    settings->addAction(m_toolBar->captionsAction());

    QMenu *service = subMenu(this, nullptr, "N25", QStringLiteral("Сер&вис"));
    bar->addMenu(service);
    m_lotteryInfoAction = addCommand(
        service, "N26", QStringLiteral("Информация о лотерее"), [this] { m_desktop->openResultsWebPage(); });
    addCommand(service, "N78", QStringLiteral("Доходы и расходы"), [this] { m_results->showLedger(); });
    addCommand(service, "N80", QStringLiteral("Калькулятор"), [this] { m_desktop->startCalculator(); });

    QMenu *help = subMenu(this, nullptr, "N27", QStringLiteral("Спр&авка"));
    bar->addMenu(help);
    QAction *helpItem
        = addCommand(help, "N28", QStringLiteral("Помощь"), [this] { m_desktop->openHelp(QString()); });
    helpItem->setShortcut(QKeySequence(Qt::Key_F1));
    addCommand(help, "N17", QStringLiteral("Шансы на выигрыш"), [this] { m_play->showOdds(); });
    addCommand(help, "N29", QStringLiteral("Kivora в Интернете"), [this] { m_desktop->openHomePage(); });
    addCommand(help, "N30", QStringLiteral("О программе"), [this] { m_dialogs->about()->exec(); });
}

} // namespace kivora
