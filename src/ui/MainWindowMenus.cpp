// The main menu and the tool bar's statistics menu; the panes make their own pop-up
// menus. Every entry has a component name, so that language files and tests can find
// it.

#include "ui/MainWindow.h"

#include "ui/play/PlayCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kivora {

namespace {

QMenu *subMenu(QWidget *parent, QMenu *owner, const char *name, const QString &title)
{
    auto *menu = new QMenu(title, parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Item"));
    if (owner)
        owner->addMenu(menu);
    return menu;
}

} // namespace

QAction *MainWindow::addCommand(
    QMenu *menu, const char *name, const QString &caption, std::function<void()> command)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    if (command)
        connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    menu->addAction(action);
    return action;
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
    addCommand(draw, "N9", QStringLiteral("&Добавить результаты"), [this] { addResults(); });
    addCommand(
        draw, "N31", QStringLiteral("&Посмотреть результаты в Интернете"), [this] { openResultsWebPage(); });
    addCommand(draw, "N82", QStringLiteral("&Редактировать базу результатов"), [this] { editResultsBase(); });
    addCommand(draw, "N34", QStringLiteral("&Импорт результатов"), [this] { importResultsFile(); });

    QMenu *numbers = subMenu(this, nullptr, "N3", QStringLiteral("&Номера"));
    bar->addMenu(numbers);
    addCommand(numbers, "N22", QStringLiteral("Выбрать все"), [this] { m_play->markAllNumbers(); });
    addCommand(numbers, "N23", QStringLiteral("Убрать все пометки"), [this] { m_play->clearMarks(); });
    addCommand(numbers, "N24", QStringLiteral("Случайный выбор"), [this] { m_play->markRandomNumbers(); });

    QMenu *stat = subMenu(this, nullptr, "N4", QStringLiteral("С&татистика"));
    bar->addMenu(stat);
    QMenu *pairs = subMenu(this, stat, "N5", QStringLiteral("&Пары номеров"));
    addCommand(pairs, "N35", QStringLiteral("&все"), [this] { runCombinations(2, Family::All, true); });
    addCommand(pairs, "N37", QStringLiteral("&соседние"),
        [this] { runCombinations(2, Family::Neighbouring, false); });
    addCommand(
        pairs, "N38", QStringLiteral("&родственные"), [this] { runCombinations(2, Family::Related, false); });
    QMenu *triples = subMenu(this, stat, "N6", QStringLiteral("&Тройки номеров"));
    addCommand(triples, "N74", QStringLiteral("все"), [this] { runCombinations(3, Family::All, true); });
    addCommand(triples, "N66", QStringLiteral("соседние"),
        [this] { runCombinations(3, Family::Neighbouring, true); });
    addCommand(
        triples, "N67", QStringLiteral("родственные"), [this] { runCombinations(3, Family::Related, true); });
    QMenu *quads = subMenu(this, stat, "Menu_4", QStringLiteral("&Четверки номеров"));
    addCommand(quads, "Menu_4_1", QStringLiteral("все"), [this] { runCombinations(4, Family::All, true); });
    addCommand(quads, "Menu_4_2", QStringLiteral("соседние"),
        [this] { runCombinations(4, Family::Neighbouring, true); });
    addCommand(quads, "Menu_4_3", QStringLiteral("родственные"),
        [this] { runCombinations(4, Family::Related, true); });
    QMenu *tens = subMenu(this, stat, "N7", QStringLiteral("&Десятки номеров"));
    addCommand(tens, "N210", QStringLiteral("2 номера в десятке"), [this] { runTens(2, "popupN210"); });
    addCommand(tens, "N3101", QStringLiteral("3 номера в десятке"), [this] { runTens(3, "popupN3101"); });
    addCommand(tens, "N4101", QStringLiteral("4 номера в десятке"), [this] { runTens(4, "popupN4101"); });
    addCommand(tens, "N5101", QStringLiteral("5 номеров в десятке"), [this] { runTens(5, "popupN5101"); });
    addCommand(tens, "N6101", QStringLiteral("6 номеров в десятке"), [this] { runTens(6, "popupN6101"); });
    tens->addSeparator();
    addCommand(tens, "N60", QStringLiteral("Все розыгрыши"), [this] { showTensByDraw(); });
    QMenu *positions = subMenu(this, stat, "N8", QStringLiteral("П&озиционный анализ"));
    m_drawingOrderMenu = subMenu(this, positions, "Mesto_1", QStringLiteral("в порядке выпадения номеров"));
    m_ascendingOrderMenu
        = subMenu(this, positions, "Mesto_2", QStringLiteral("в порядке возрастания номеров"));
    m_additionalAction = addCommand(
        stat, "DopNomer", QStringLiteral("Дополнительные номера"), [this] { showAdditionalNumbers(); });
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

    QMenu *settings = subMenu(this, nullptr, "N20", QStringLiteral("Нас&тройка"));
    bar->addMenu(settings);
    m_languageMenu = subMenu(this, settings, "Lang", QStringLiteral("&Язык"));
    m_langGroup = new QActionGroup(this);
    m_langGroup->setExclusive(true);
    addCommand(settings, "N21", QStringLiteral("&Параметры"), [this] { showSettings(); });

    QMenu *service = subMenu(this, nullptr, "N25", QStringLiteral("Сервис"));
    bar->addMenu(service);
    m_lotteryInfoAction = addCommand(
        service, "N26", QStringLiteral("Информация о лотерее"), [this] { openResultsWebPage(); });
    addCommand(service, "N78", QStringLiteral("Доходы и расходы"), [this] { showLedger(); });
    addCommand(service, "N80", QStringLiteral("Калькулятор"), [this] { startCalculator(); });

    QMenu *help = subMenu(this, nullptr, "N27", QStringLiteral("Справка"));
    bar->addMenu(help);
    QAction *helpItem = addCommand(help, "N28", QStringLiteral("Помощь"), [this] { openHelp(QString()); });
    helpItem->setShortcut(QKeySequence(Qt::Key_F1));
    addCommand(help, "N17", QStringLiteral("Шансы на выигрыш"), [this] { m_play->showOdds(); });
    addCommand(help, "N29", QStringLiteral("Kivora в Интернете"), [this] { openHomePage(); });
    addCommand(help, "N30", QStringLiteral("О программе"), [this] { showAbout(); });

    createPopupMenus();
}

void MainWindow::createPopupMenus()
{
    // The toolbar's statistics menu runs the same commands as the main menu.
    m_statMenu = new QMenu(this);
    m_statMenu->setObjectName(QStringLiteral("StatPopupMenu"));
    QMenu *pairs = subMenu(this, m_statMenu, "popupPairs", QStringLiteral("Статистика по парам номеров"));
    addCommand(pairs, "popupN35", QStringLiteral("все"), [this] { runCombinations(2, Family::All, true); });
    addCommand(pairs, "popupN37", QStringLiteral("соседние"),
        [this] { runCombinations(2, Family::Neighbouring, false); });
    addCommand(pairs, "popupN38", QStringLiteral("родственные"),
        [this] { runCombinations(2, Family::Related, false); });
    QMenu *triples
        = subMenu(this, m_statMenu, "popupTriples", QStringLiteral("Статистика по тройкам номеров"));
    addCommand(triples, "popupN74", QStringLiteral("все"), [this] { runCombinations(3, Family::All, true); });
    addCommand(triples, "popupN66", QStringLiteral("соседние"),
        [this] { runCombinations(3, Family::Neighbouring, true); });
    addCommand(triples, "popupN67", QStringLiteral("родственные"),
        [this] { runCombinations(3, Family::Related, true); });
    QMenu *quads = subMenu(this, m_statMenu, "popupQuads", QStringLiteral("Статистика по четверкам номеров"));
    addCommand(
        quads, "popupMenu_4_1", QStringLiteral("все"), [this] { runCombinations(4, Family::All, true); });
    addCommand(quads, "popupMenu_4_2", QStringLiteral("соседние"),
        [this] { runCombinations(4, Family::Neighbouring, true); });
    addCommand(quads, "popupMenu_4_3", QStringLiteral("родственные"),
        [this] { runCombinations(4, Family::Related, true); });
    QMenu *tens = subMenu(this, m_statMenu, "popupTens", QStringLiteral("Статистика по десяткам"));
    addCommand(
        tens, "popupN210", QStringLiteral("по 2 номера в десятке"), [this] { runTens(2, "popupN210"); });
    addCommand(
        tens, "popupN3101", QStringLiteral("по 3 номера в десятке"), [this] { runTens(3, "popupN3101"); });
    addCommand(
        tens, "popupN4101", QStringLiteral("по 4 номера в десятке"), [this] { runTens(4, "popupN4101"); });
    addCommand(
        tens, "popupN5101", QStringLiteral("по 5 номеров в десятке"), [this] { runTens(5, "popupN5101"); });
    addCommand(
        tens, "popupN6101", QStringLiteral("по 6 номеров в десятке"), [this] { runTens(6, "popupN6101"); });
    tens->addSeparator();
    addCommand(tens, "popupN60", QStringLiteral("все розыгрыши"), [this] { showTensByDraw(); });
    QMenu *positions = subMenu(this, m_statMenu, "popupPositions", QStringLiteral("Позиционный анализ"));
    m_drawingOrderPopup = subMenu(this, positions, "popupN45", QStringLiteral("в порядке выпадения номеров"));
    m_ascendingOrderPopup
        = subMenu(this, positions, "popupN55", QStringLiteral("в порядке возрастания номеров"));
    m_additionalPopupAction = addCommand(m_statMenu, "popupdopnumber",
        QStringLiteral("Статистика по дополнительным номерам"), [this] { showAdditionalNumbers(); });
}

} // namespace kivora
