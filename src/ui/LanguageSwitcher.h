#pragma once

// The language the window speaks: the language file chosen (a file name in the
// program's language folder), the language menu that lists the files, and Qt's own
// translations (file dialogs, Yes and No) in the same language.

#include <QObject>
#include <QString>

#include <memory>

class QActionGroup;
class QMenu;
class QTranslator;

namespace kivora {

class LanguageSwitcher final : public QObject
{
    Q_OBJECT
public:
    // Lists the files of languageFolder in menu.
    LanguageSwitcher(const QString &languageFolder, QMenu *menu, QObject *parent);
    ~LanguageSwitcher() override;

    // The chosen file's name, and its path in the language folder.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    QString path() const;
    // One item for each language file, named by the language it holds; the chosen one
    // is checked.
    void fillMenu();
    // The code of the language the chosen file holds ("ru" until one is applied).
    QString code() const { return m_code; }
    // Takes the code of the file just applied and installs Qt's translations for it
    // ("en" needs none).
    void setCode(const QString &code);

signals:
    // The user chose a language file in the menu (fileName() is it now).
    void languageChosen();

private:
    void choose(const QString &fileName);

    QString m_languageFolder;
    QMenu *m_menu = nullptr;
    QActionGroup *m_group = nullptr;
    QString m_fileName;
    QString m_code = QStringLiteral("ru");
    std::unique_ptr<QTranslator> m_qtTranslator;
};

} // namespace kivora
