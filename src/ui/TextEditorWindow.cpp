#include "ui/TextEditorWindow.h"

#include "core/TextFile.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivora {

TextEditorWindow::TextEditorWindow(
    QString path, const QString &saveText, const QString &closeText, QWidget *parent)
    : QDialog(parent)
    , m_path(std::move(path))
{
    setObjectName(QStringLiteral("TextEditorWindow"));
    setWindowTitle(QDir::toNativeSeparators(m_path));
    m_editor = new QPlainTextEdit(this);
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Close, this);
    connect(buttons->button(QDialogButtonBox::Save), &QPushButton::clicked, this, [this] {
        if (save())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (!saveText.isEmpty())
        buttons->button(QDialogButtonBox::Save)->setText(saveText);
    if (!closeText.isEmpty())
        buttons->button(QDialogButtonBox::Close)->setText(closeText);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_editor);
    layout->addWidget(buttons);
    resize(760, 560);
    load();
}

void TextEditorWindow::load()
{
    QString text;
    QString error;
    if (!textfile::readText(m_path, &text, &error)) {
        m_editor->setPlainText(QString());
        m_editor->setPlaceholderText(error);
        return;
    }
    // Shown with plain line ends; saved with CR LF again.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_editor->setPlainText(text);
}

bool TextEditorWindow::save()
{
    QString text = m_editor->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QString error;
    if (!textfile::writeText(m_path, text, &error)) {
        QMessageBox::critical(this, windowTitle(), error);
        return false;
    }
    return true;
}

} // namespace kivora
