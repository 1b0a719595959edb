#include "ui/LanguageSwitcher.h"

#include "core/IniFile.h"
#include "core/LanguageIdentity.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>

namespace kivora {

LanguageSwitcher::LanguageSwitcher(const QString &languageFolder, QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_languageFolder(languageFolder)
    , m_menu(menu)
    , m_group(new QActionGroup(this))
{
    m_group->setExclusive(true);
}

LanguageSwitcher::~LanguageSwitcher() = default;

QString LanguageSwitcher::path() const
{
    return QDir(m_languageFolder).filePath(m_fileName);
}

void LanguageSwitcher::fillMenu()
{
    // The items name the languages, read from their files; they carry no component
    // name, so no language file translates them.
    m_menu->clear();
    const QDir dir(m_languageFolder);
    const QStringList files = dir.entryList({ QStringLiteral("*.lng") }, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const LanguageIdentity identity = languageIdentity(IniFile(dir.filePath(file)).load(), file);
        QString caption = identity.name;
        QAction *item = m_menu->addAction(caption.replace(QLatin1Char('&'), QLatin1String("&&")));
        item->setData(file);
        item->setToolTip(file);
        item->setCheckable(true);
        item->setChecked(file == m_fileName);
        m_group->addAction(item);
        connect(item, &QAction::triggered, this, [this, file] { choose(file); });
    }
}

void LanguageSwitcher::choose(const QString &fileName)
{
    m_fileName = fileName;
    emit languageChosen();
    for (QAction *item : m_menu->actions())
        item->setChecked(item->data().toString() == fileName);
}

void LanguageSwitcher::setCode(const QString &code)
{
    m_code = code;
    // Dates and numbers as the interface language writes them; the widgets made from
    // here on, and those that ask for QLocale() each time, follow it.
    QLocale::setDefault(interfaceLocale(m_code));
    // Qt's own dialogs and buttons (file dialogs, Yes and No) in the language too.
    if (m_qtTranslator) {
        QCoreApplication::removeTranslator(m_qtTranslator.get());
        m_qtTranslator.reset();
    }
    if (m_code == QLatin1String("en"))
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(
            QStringLiteral("qtbase_") + m_code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        m_qtTranslator = std::move(translator);
    }
}

} // namespace kivora
