#include "ui/MenuItems.h"

#include <QAction>
#include <QMenu>

#include <set>

namespace kivora::menuitems {

namespace {

// The text with its access key marks taken out; a "&&" stays.
QString withoutKey(const QString &text)
{
    QString result;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            result.append(text[i]);
        } else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
            result.append(QStringLiteral("&&"));
            ++i;
        }
    }
    return result;
}

// Where the key goes in a text without marks: -1 when every letter is taken.
int freeKeyPosition(const QString &plain, const std::set<QChar> &taken)
{
    auto usable = [&](int i) {
        return plain[i].isLetterOrNumber() && taken.count(plain[i].toLower()) == 0
            && (i == 0 || plain[i - 1] != QLatin1Char('&'));
    };
    for (int i = 0; i < plain.size(); ++i) {
        if ((i == 0 || !plain[i - 1].isLetterOrNumber()) && usable(i))
            return i;
    }
    for (int i = 0; i < plain.size(); ++i) {
        if (usable(i))
            return i;
    }
    return -1;
}

void giveKeys(const QList<QAction *> &entries)
{
    std::set<QChar> taken;
    QList<QAction *> without;
    for (QAction *entry : entries) {
        if (entry->isSeparator() || entry->text().isEmpty())
            continue;
        const QChar key = accessKey(entry->text());
        if (!key.isNull() && taken.insert(key).second)
            continue;
        without.append(entry);
    }
    for (QAction *entry : without) {
        const QString plain = withoutKey(entry->text());
        const int at = freeKeyPosition(plain, taken);
        if (at < 0) {
            entry->setText(plain);
            continue;
        }
        taken.insert(plain[at].toLower());
        entry->setText(plain.left(at) + QLatin1Char('&') + plain.mid(at));
    }
    for (QAction *entry : entries) {
        if (entry->menu())
            giveAccessKeys(entry->menu());
    }
}

} // namespace

QChar accessKey(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].isSpace() ? QChar() : text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

void giveAccessKeys(QMenu *menu)
{
    giveKeys(menu->actions());
}

QMenu *subMenu(QWidget *parent, QMenu *owner, const char *name, const QString &title)
{
    auto *menu = new QMenu(title, parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Item"));
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { giveAccessKeys(menu); });
    if (owner)
        owner->addMenu(menu);
    return menu;
}

QAction *command(QWidget *parent, QObject *context, QMenu *menu, const char *name, const QString &caption,
    std::function<void()> run)
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(QLatin1String(name));
    if (run)
        QObject::connect(action, &QAction::triggered, context, [run = std::move(run)] { run(); });
    menu->addAction(action);
    return action;
}

} // namespace kivora::menuitems
