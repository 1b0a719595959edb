// The settings dialog's third page: the text editor and the calculator of this
// computer's user, kept in the user's own settings rather than in the program folder.

#include "ui/dialogs/SettingsDialog.h"

#include "core/MessageCatalog.h"
#include "core/UserPrograms.h"
#include "ui/PlatformServices.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivora {

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit *makePathField(QWidget *parent, const char *name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    return field;
}

} // namespace

void SettingsDialog::createProgramsPage(QWidget *page)
{
    m_editorPath = makePathField(page, "EditorPath");
    m_calculatorPath = makePathField(page, "CalculatorPath");
    auto *chooseEditor = makeButton(page, "EditorChooseBtn", QStringLiteral("Выбрать..."));
    auto *forgetEditor = makeButton(page, "EditorClearBtn", QStringLiteral("Окно программы"));
    auto *chooseCalculator = makeButton(page, "CalculatorChooseBtn", QStringLiteral("Выбрать..."));
    auto *forgetCalculator = makeButton(page, "CalculatorClearBtn", QStringLiteral("Найти в системе"));
    auto *note = makeLabel(page, "ProgramsNote",
        QStringLiteral("Эти программы хранятся в ваших личных настройках на этом компьютере, а не в папке "
                       "программы: папка может прийти от другого человека, и ничто в ней не должно "
                       "запускать программы. Без выбранного редактора тексты открываются в окне "
                       "программы, без калькулятора запускается первый найденный в системе."));
    note->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->addWidget(makeLabel(page, "EditorLabel", QStringLiteral("Текстовый редактор:")), 0, 0);
    grid->addWidget(m_editorPath, 0, 1);
    grid->addWidget(chooseEditor, 0, 2);
    grid->addWidget(forgetEditor, 0, 3);
    grid->addWidget(makeLabel(page, "CalculatorLabel", QStringLiteral("Калькулятор:")), 1, 0);
    grid->addWidget(m_calculatorPath, 1, 1);
    grid->addWidget(chooseCalculator, 1, 2);
    grid->addWidget(forgetCalculator, 1, 3);
    grid->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addStretch(1);

    connect(chooseEditor, &QPushButton::clicked, this, [this] { chooseProgram(UserPrograms::TextEditor); });
    connect(forgetEditor, &QPushButton::clicked, this, [this] { forgetProgram(UserPrograms::TextEditor); });
    connect(
        chooseCalculator, &QPushButton::clicked, this, [this] { chooseProgram(UserPrograms::Calculator); });
    connect(
        forgetCalculator, &QPushButton::clicked, this, [this] { forgetProgram(UserPrograms::Calculator); });
}

void SettingsDialog::showProgramsPage()
{
    m_editorPath->setText(UserPrograms::path(UserPrograms::TextEditor));
    m_calculatorPath->setText(UserPrograms::path(UserPrograms::Calculator));
}

void SettingsDialog::chooseProgram(UserPrograms::Program program)
{
    const QString current = UserPrograms::path(program);
    FileDialogRequest request;
    request.title = m_messages("Str426");
    request.directory = current.isEmpty() ? QStringLiteral("/usr/bin") : QFileInfo(current).absolutePath();
    request.filters = { m_messages("Str427") };
    const QString path = m_services.openFileName(this, request);
    if (path.isEmpty())
        return;
    if (!UserPrograms::isProgramFile(path)) {
        refuse(m_messages("Str423").arg(path));
        return;
    }
    if (!UserPrograms::setPath(program, path))
        m_services.showMessage(this, m_messages("Str424").arg(UserPrograms::settingsFile()),
            PlatformServices::MessageKind::Error);
    showProgramsPage();
}

void SettingsDialog::forgetProgram(UserPrograms::Program program)
{
    if (!UserPrograms::setPath(program, QString()))
        m_services.showMessage(this, m_messages("Str424").arg(UserPrograms::settingsFile()),
            PlatformServices::MessageKind::Error);
    showProgramsPage();
}

} // namespace kivora
