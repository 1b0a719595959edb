#include "ui/LanguageResource.h"

#include "core/IniDocument.h"
#include "core/MessageCatalog.h"
#include "ui/FileDialogTexts.h"
#include "ui/models/DrawTableModel.h"
#include "ui/models/StatTableModel.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>

namespace kivora {

namespace {

// One translatable text of a component: how to read it and how to set it.
struct Text
{
    QObject *owner;
    QString key;
    QString current;
    std::function<void(const QString &)> set;
};

// The text a component had when a language file first reached it: the window's own
// text, before the program put lottery names or counts there.
QString builtInText(const Text &text)
{
    const QByteArray property = "builtInText:" + text.key.toUtf8();
    const QVariant stored = text.owner->property(property.constData());
    if (stored.isValid())
        return stored.toString();
    text.owner->setProperty(property.constData(), text.current);
    return text.current;
}

// The file's value when it has a non-empty one; otherwise the built-in text is written.
void translate(IniDocument &doc, const QString &section, const Text &text)
{
    const QString builtIn = builtInText(text);
    const QString value = doc.readString(section, text.key, QString());
    if (!value.isEmpty()) {
        if (value != text.current)
            text.set(value);
        return;
    }
    if (!builtIn.isEmpty())
        doc.writeString(section, text.key, builtIn);
}

QString indexed(const QString &name, const char *property, int i)
{
    return name + QLatin1Char('_') + QLatin1String(property) + QLatin1Char('[') + QString::number(i)
        + QLatin1Char(']');
}

QString single(const QString &name, const char *property)
{
    return name + QLatin1Char('_') + QLatin1String(property);
}

// True when the object belongs to another window inside this one (a dialog the
// main window owns has its own section).
bool inOtherWindow(const QObject *object, const QWidget *window)
{
    for (const QObject *p = object->parent(); p && p != window; p = p->parent()) {
        if (qobject_cast<const QDialog *>(p))
            return true;
    }
    return qobject_cast<const QDialog *>(object) != nullptr;
}

bool isTranslatable(const QObject *object)
{
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"))
        && !object->property("notTranslated").toBool();
}

void columnCaptions(
    IniDocument &doc, const QString &section, QObject *view, QAbstractItemModel *model, int columns)
{
    for (int i = 0; i < columns; ++i) {
        const QString current = model->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
        translate(doc, section,
            { view, indexed(view->objectName(), "ColumnCaption", i), current,
                [model, i](const QString &value) { model->setHeaderData(i, Qt::Horizontal, value); } });
    }
}

} // namespace

LanguageResource::LanguageResource(QWidget *window, Kind kind)
    : m_window(window)
    , m_kind(kind)
{ }

QString LanguageResource::section() const
{
    return m_window->objectName();
}

void LanguageResource::apply(IniDocument &doc) const
{
    const QString sectionName = section();
    const bool mainWindow = m_kind == Kind::MainWindow;

    // The window's font.
    QFont font = m_window->font();
    const QString face = doc.readString(sectionName, single(sectionName, "FontName"), QString());
    if (!face.isEmpty())
        font.setFamily(face);
    else
        doc.writeString(sectionName, single(sectionName, "FontName"), font.family());
    const int size = doc.readInteger(sectionName, single(sectionName, "FontSize"), 0);
    if (size > 0)
        font.setPointSize(size);
    else
        doc.writeString(sectionName, single(sectionName, "FontSize"), QString::number(font.pointSize()));
    if (font != m_window->font())
        m_window->setFont(font);

    QWidget *window = m_window;
    translate(doc, sectionName,
        { window, single(sectionName, "Caption"), window->windowTitle(),
            [window](const QString &value) { window->setWindowTitle(value); } });

    const QList<QObject *> components = m_window->findChildren<QObject *>();
    for (QObject *object : components) {
        if (!isTranslatable(object) || object == m_window || inOtherWindow(object, m_window))
            continue;
        const QString name = object->objectName();
        auto caption = [&](const QString &current, std::function<void(const QString &)> set) {
            translate(doc, sectionName, { object, single(name, "Caption"), current, std::move(set) });
        };
        auto hint = [&](QWidget *widget) {
            if (mainWindow)
                translate(doc, sectionName,
                    { widget, single(name, "Hint"), widget->toolTip(),
                        [widget](const QString &value) { widget->setToolTip(value); } });
        };

        if (auto *action = qobject_cast<QAction *>(object)) {
            if (!action->isSeparator() && !action->menu())
                caption(action->text(), [action](const QString &value) { action->setText(value); });
        } else if (auto *menu = qobject_cast<QMenu *>(object)) {
            caption(menu->title(), [menu](const QString &value) { menu->setTitle(value); });
        } else if (auto *texts = qobject_cast<FileDialogTexts *>(object)) {
            if (mainWindow) {
                translate(doc, sectionName,
                    { texts, single(name, "Title"), texts->title(),
                        [texts](const QString &v) { texts->setTitle(v); } });
                translate(doc, sectionName,
                    { texts, single(name, "Filter"), texts->filter(),
                        [texts](const QString &v) { texts->setFilter(v); } });
            }
        } else if (auto *label = qobject_cast<QLabel *>(object)) {
            if (!label->property("dynamicText").toBool())
                caption(label->text(), [label](const QString &value) { label->setText(value); });
            hint(label);
        } else if (auto *button = qobject_cast<QAbstractButton *>(object)) {
            caption(button->text(), [button](const QString &value) { button->setText(value); });
            hint(button);
        } else if (auto *group = qobject_cast<QGroupBox *>(object)) {
            if (!group->property("dynamicText").toBool())
                caption(group->title(), [group](const QString &value) { group->setTitle(value); });
            hint(group);
        } else if (auto *combo = qobject_cast<QComboBox *>(object)) {
            hint(combo);
            if (combo->property("translatableItems").toBool()) {
                for (int i = 0; i < combo->count(); ++i)
                    translate(doc, sectionName,
                        { combo, indexed(name, "Items", i), combo->itemText(i),
                            [combo, i](const QString &value) { combo->setItemText(i, value); } });
            }
        } else if (auto *tabs = qobject_cast<QTabWidget *>(object)) {
            for (int i = 0; i < tabs->count(); ++i) {
                QWidget *page = tabs->widget(i);
                if (!isTranslatable(page))
                    continue;
                translate(doc, sectionName,
                    { tabs, single(page->objectName(), "Caption"), tabs->tabText(i),
                        [tabs, i](const QString &value) { tabs->setTabText(i, value); } });
            }
        } else if (auto *tree = qobject_cast<QTreeWidget *>(object)) {
            // Record lines show values beside "Рекорд": only their first caption is text.
            const int columns = tree->property("captionColumns").isValid()
                ? tree->property("captionColumns").toInt()
                : tree->columnCount();
            QTreeWidgetItem *header = tree->headerItem();
            for (int i = 0; i < columns; ++i)
                translate(doc, sectionName,
                    { tree, indexed(name, "ColumnCaption", i), header->text(i),
                        [header, i](const QString &value) { header->setText(i, value); } });
            hint(tree);
        } else if (auto *table = qobject_cast<QTableWidget *>(object)) {
            if (!table->horizontalHeader()->isHidden() && !table->property("dynamicText").toBool())
                columnCaptions(doc, sectionName, table, table->model(), table->columnCount());
            if (table->property("translatableRows").toBool()) {
                for (int row = 0; row < table->rowCount(); ++row) {
                    QTableWidgetItem *item = table->item(row, 0);
                    if (!item)
                        continue;
                    translate(doc, sectionName,
                        { table, indexed(name, "Strings", row), item->text(),
                            [item](const QString &value) { item->setText(value); } });
                }
            }
        } else if (auto *view = qobject_cast<QTableView *>(object)) {
            if (qobject_cast<StatTableModel *>(view->model()))
                columnCaptions(doc, sectionName, view, view->model(), view->model()->columnCount());
            else if (!view->horizontalHeader()->isHidden() && qobject_cast<DrawTableModel *>(view->model()))
                columnCaptions(doc, sectionName, view, view->model(), DrawTableModel::kDetailsCaptions);
            hint(view);
        } else if (auto *widget = qobject_cast<QWidget *>(object)) {
            hint(widget);
        }
    }
}

void LanguageResource::applyMessages(MessageCatalog &messages, IniDocument &doc)
{
    const QString section = QStringLiteral("MainForm");
    const auto entries = messages.entries();
    for (const auto &entry : entries) {
        const QString value = doc.readString(section, entry.first, QString());
        if (!value.isEmpty())
            messages.setText(entry.first, value);
        else
            doc.writeString(section, entry.first, MessageCatalog::builtInText(entry.first));
    }
}

} // namespace kivora
