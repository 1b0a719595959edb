// The main menu and the pop-up menus. Every entry has a component name, so that
// language files and tests can find it.

#include "ui/MainForm.h"

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

QAction *TMainForm::addCommand(
    QMenu *menu, const char *name, const QString &caption, void (TMainForm::*slot)())
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    menu->addAction(action);
    return action;
}

void TMainForm::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *file = subMenu(this, nullptr, "N1", QStringLiteral("&Файл"));
    bar->addMenu(file);
    addCommand(file, "N11", QStringLiteral("&Открыть сохраненные комбинации"), &TMainForm::N11Click);
    addCommand(file, "N12", QStringLiteral("&Сохранить выбранные комбинации"), &TMainForm::BitBtn4Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    QAction *exit = addCommand(file, "N13", QStringLiteral("&Выход"), nullptr);
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &TMainForm::close);

    QMenu *draw = subMenu(this, nullptr, "N2", QStringLiteral("&Розыгрыш"));
    bar->addMenu(draw);
    addCommand(draw, "N9", QStringLiteral("&Добавить результаты"), &TMainForm::N9Click);
    addCommand(draw, "N31", QStringLiteral("&Посмотреть результаты в Интернете"), &TMainForm::N31Click);
    addCommand(draw, "N82", QStringLiteral("&Редактировать базу результатов"), &TMainForm::N82Click);
    addCommand(draw, "N34", QStringLiteral("&Импорт результатов"), &TMainForm::N34Click);

    QMenu *numbers = subMenu(this, nullptr, "N3", QStringLiteral("&Номера"));
    bar->addMenu(numbers);
    addCommand(numbers, "N22", QStringLiteral("Выбрать все"), &TMainForm::N22Click);
    addCommand(numbers, "N23", QStringLiteral("Убрать все пометки"), &TMainForm::BitBtn6Click);
    addCommand(numbers, "N24", QStringLiteral("Случайный выбор"), &TMainForm::BitBtn1Click);

    QMenu *stat = subMenu(this, nullptr, "N4", QStringLiteral("С&татистика"));
    bar->addMenu(stat);
    QMenu *pairs = subMenu(this, stat, "N5", QStringLiteral("&Пары номеров"));
    addCommand(pairs, "N35", QStringLiteral("&все"), &TMainForm::N35Click);
    addCommand(pairs, "N37", QStringLiteral("&соседние"), &TMainForm::N37Click);
    addCommand(pairs, "N38", QStringLiteral("&родственные"), &TMainForm::N38Click);
    QMenu *triples = subMenu(this, stat, "N6", QStringLiteral("&Тройки номеров"));
    addCommand(triples, "N74", QStringLiteral("все"), &TMainForm::N74Click);
    addCommand(triples, "N66", QStringLiteral("соседние"), &TMainForm::N66Click);
    addCommand(triples, "N67", QStringLiteral("родственные"), &TMainForm::N67Click);
    QMenu *quads = subMenu(this, stat, "Menu_4", QStringLiteral("&Четверки номеров"));
    addCommand(quads, "Menu_4_1", QStringLiteral("все"), &TMainForm::Menu_4_1Click);
    addCommand(quads, "Menu_4_2", QStringLiteral("соседние"), &TMainForm::Menu_4_2Click);
    addCommand(quads, "Menu_4_3", QStringLiteral("родственные"), &TMainForm::Menu_4_3Click);
    QMenu *tens = subMenu(this, stat, "N7", QStringLiteral("&Десятки номеров"));
    addCommand(tens, "N210", QStringLiteral("2 номера в десятке"), &TMainForm::N210Click);
    addCommand(tens, "N3101", QStringLiteral("3 номера в десятке"), &TMainForm::N3101Click);
    addCommand(tens, "N4101", QStringLiteral("4 номера в десятке"), &TMainForm::N4101Click);
    addCommand(tens, "N5101", QStringLiteral("5 номеров в десятке"), &TMainForm::N5101Click);
    addCommand(tens, "N6101", QStringLiteral("6 номеров в десятке"), &TMainForm::N6101Click);
    tens->addSeparator();
    addCommand(tens, "N60", QStringLiteral("Все розыгрыши"), &TMainForm::N60Click);
    QMenu *positions = subMenu(this, stat, "N8", QStringLiteral("П&озиционный анализ"));
    Mesto_1 = subMenu(this, positions, "Mesto_1", QStringLiteral("в порядке выпадения номеров"));
    Mesto_2 = subMenu(this, positions, "Mesto_2", QStringLiteral("в порядке возрастания номеров"));
    DopNomer
        = addCommand(stat, "DopNomer", QStringLiteral("Дополнительные номера"), &TMainForm::DopNomerClick);

    QMenu *forecast = subMenu(this, nullptr, "N10", QStringLiteral("&Прогноз"));
    bar->addMenu(forecast);
    QMenu *tarvela = subMenu(this, forecast, "N52", QStringLiteral("по методу Tarvela"));
    addCommand(tarvela, "N53", QStringLiteral("номера"), &TMainForm::N53Click);
    addCommand(tarvela, "N54", QStringLiteral("пары номеров"), &TMainForm::N54Click);

    QMenu *system = subMenu(this, nullptr, "N15", QStringLiteral("Игра по &системе"));
    bar->addMenu(system);
    addCommand(system, "N14", QStringLiteral("Выбрать систему"), &TMainForm::N14Click);
    addCommand(system, "N16", QStringLiteral("Удалить выделенную комбинацию"), &TMainForm::N46Click);
    addCommand(system, "N18", QStringLiteral("Сохранить выбранные комбинации"), &TMainForm::BitBtn4Click);
    addCommand(system, "N19", QStringLiteral("Проверить комбинации с результатами розыгрыша"),
        &TMainForm::BitBtn2Click);

    QMenu *settings = subMenu(this, nullptr, "N20", QStringLiteral("Нас&тройка"));
    bar->addMenu(settings);
    Lang = subMenu(this, settings, "Lang", QStringLiteral("&Язык"));
    m_langGroup = new QActionGroup(this);
    m_langGroup->setExclusive(true);
    addCommand(settings, "N21", QStringLiteral("&Параметры"), &TMainForm::SettingsClick);

    QMenu *service = subMenu(this, nullptr, "N25", QStringLiteral("Сервис"));
    bar->addMenu(service);
    addCommand(service, "N26", QStringLiteral("Информация о лотерее"), nullptr)->setEnabled(false);
    addCommand(service, "N78", QStringLiteral("Доходы и расходы"), &TMainForm::N78Click);
    addCommand(service, "N80", QStringLiteral("Калькулятор"), &TMainForm::N80Click);

    QMenu *help = subMenu(this, nullptr, "N27", QStringLiteral("Справка"));
    bar->addMenu(help);
    addCommand(help, "N28", QStringLiteral("Помощь"), &TMainForm::HelpClick)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    addCommand(help, "N17", QStringLiteral("Шансы на выигрыш"), &TMainForm::N17Click);
    addCommand(help, "N29", QStringLiteral("Kivora в Интернете"), &TMainForm::HomePageClick);
    addCommand(help, "N30", QStringLiteral("О программе"), &TMainForm::AboutClick);

    createPopupMenus();
}

void TMainForm::createPopupMenus()
{
    // The number list's view styles.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto *styles = new QActionGroup(this);
    const char *styleNames[4] = { "N40", "N41", "N42", "N43" };
    const QString styleCaptions[4] = { QStringLiteral("Значки"), QStringLiteral("Список"),
        QStringLiteral("Маленькие значки"), QStringLiteral("Таблица") };
    for (int i = 0; i < 4; ++i) {
        QAction *action = addCommand(PopupMenu1, styleNames[i], styleCaptions[i], nullptr);
        action->setCheckable(true);
        action->setChecked(i == 3);
        styles->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { setNumberListStyle(i); });
        m_viewStyleActions.push_back(action);
    }
    PopupMenu1->addSeparator();
    addCommand(PopupMenu1, "HTML2", QStringLiteral("Сохранить в HTML"), &TMainForm::HTML2Click);

    // The toolbar's statistics menu runs the same commands as the main menu.
    StatPopupMenu = new QMenu(this);
    StatPopupMenu->setObjectName(QStringLiteral("StatPopupMenu"));
    QMenu *pairs = subMenu(this, StatPopupMenu, "popupPairs", QStringLiteral("Статистика по парам номеров"));
    addCommand(pairs, "popupN35", QStringLiteral("все"), &TMainForm::N35Click);
    addCommand(pairs, "popupN37", QStringLiteral("соседние"), &TMainForm::N37Click);
    addCommand(pairs, "popupN38", QStringLiteral("родственные"), &TMainForm::N38Click);
    QMenu *triples
        = subMenu(this, StatPopupMenu, "popupTriples", QStringLiteral("Статистика по тройкам номеров"));
    addCommand(triples, "popupN74", QStringLiteral("все"), &TMainForm::N74Click);
    addCommand(triples, "popupN66", QStringLiteral("соседние"), &TMainForm::N66Click);
    addCommand(triples, "popupN67", QStringLiteral("родственные"), &TMainForm::N67Click);
    QMenu *quads
        = subMenu(this, StatPopupMenu, "popupQuads", QStringLiteral("Статистика по четверкам номеров"));
    addCommand(quads, "popupMenu_4_1", QStringLiteral("все"), &TMainForm::Menu_4_1Click);
    addCommand(quads, "popupMenu_4_2", QStringLiteral("соседние"), &TMainForm::Menu_4_2Click);
    addCommand(quads, "popupMenu_4_3", QStringLiteral("родственные"), &TMainForm::Menu_4_3Click);
    QMenu *tens = subMenu(this, StatPopupMenu, "popupTens", QStringLiteral("Статистика по десяткам"));
    addCommand(tens, "popupN210", QStringLiteral("по 2 номера в десятке"), &TMainForm::N210Click);
    addCommand(tens, "popupN3101", QStringLiteral("по 3 номера в десятке"), &TMainForm::N3101Click);
    addCommand(tens, "popupN4101", QStringLiteral("по 4 номера в десятке"), &TMainForm::N4101Click);
    addCommand(tens, "popupN5101", QStringLiteral("по 5 номеров в десятке"), &TMainForm::N5101Click);
    addCommand(tens, "popupN6101", QStringLiteral("по 6 номеров в десятке"), &TMainForm::N6101Click);
    tens->addSeparator();
    addCommand(tens, "popupN60", QStringLiteral("все розыгрыши"), &TMainForm::N60Click);
    QMenu *positions = subMenu(this, StatPopupMenu, "popupPositions", QStringLiteral("Позиционный анализ"));
    popupN45 = subMenu(this, positions, "popupN45", QStringLiteral("в порядке выпадения номеров"));
    popupN55 = subMenu(this, positions, "popupN55", QStringLiteral("в порядке возрастания номеров"));
    popupdopnumber = addCommand(StatPopupMenu, "popupdopnumber",
        QStringLiteral("Статистика по дополнительным номерам"), &TMainForm::DopNomerClick);

    SortMenu = new QMenu(this);
    SortMenu->setObjectName(QStringLiteral("SortMenu"));
    N73 = addCommand(
        SortMenu, "N73", QStringLiteral("Показать номера из десятка"), &TMainForm::displeynomerfromten);
    N73->setEnabled(false);
    SortMenu->addSeparator();
    addCommand(SortMenu, "HTML1", QStringLiteral("Сохранить в HTML"), &TMainForm::HTML1Click);

    CombMenu = new QMenu(this);
    CombMenu->setObjectName(QStringLiteral("CombMenu"));
    addCommand(CombMenu, "N46", QStringLiteral("Удалить комбинацию под курсором"), &TMainForm::N46Click);
    CombMenu->addSeparator();
    addCommand(CombMenu, "N47", QStringLiteral("Сохранить выбранные комбинации"), &TMainForm::BitBtn4Click);
    addCommand(CombMenu, "HTML3", QStringLiteral("Сохранить в HTML"), &TMainForm::HTML3Click);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    auto *views = new QActionGroup(this);
    N86 = addCommand(PopupMenu2, "N86", QStringLiteral("Показывать результаты"), &TMainForm::N86Click);
    N87 = addCommand(PopupMenu2, "N87", QStringLiteral("Не показывать результаты"), &TMainForm::N87Click);
    for (QAction *action : { N86, N87 }) {
        action->setCheckable(true);
        views->addAction(action);
    }
    N87->setChecked(true);
}

} // namespace kivora
