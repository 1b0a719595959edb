#include "ui/TextEditorWindow.h"

#include "core/TextFile.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivora {

TextEditorWindow::TextEditorWindow(QString path, PlatformServices &services, Texts texts, QWidget *parent)
    : QDialog(parent)
    , m_path(std::move(path))
    , m_services(services)
    , m_texts(std::move(texts))
{
    setObjectName(QStringLiteral("TextEditorWindow"));
    setWindowTitle(QDir::toNativeSeparators(m_path));
    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(QStringLiteral("Editor"));
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Close, this);
    m_saveButton = buttons->button(QDialogButtonBox::Save);
    m_saveButton->setObjectName(QStringLiteral("SaveButton"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("CloseButton"));
    connect(m_saveButton, &QPushButton::clicked, this, [this] {
        if (save())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &TextEditorWindow::reject);
    if (!m_texts.save.isEmpty())
        m_saveButton->setText(m_texts.save);
    if (!m_texts.close.isEmpty())
        buttons->button(QDialogButtonBox::Close)->setText(m_texts.close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_editor);
    layout->addWidget(buttons);
    resize(760, 560);
    load();
}

void TextEditorWindow::load()
{
    Outcome<QString> read = textfile::readText(m_path);
    if (!read) {
        // What cannot be read is never saved over: an empty editor would replace it.
        m_editor->setPlainText(QString());
        m_editor->setPlaceholderText(read.failure().text);
        m_editor->setReadOnly(true);
        m_saveButton->setEnabled(false);
        return;
    }
    // Shown with plain line ends; saved with CR LF again.
    QString &text = *read;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_editor->setPlainText(text);
    m_editor->document()->setModified(false);
    // A report the program writes to a temporary file (the check of combinations) is
    // named by its own first line, not by a file name that means nothing to the user.
    if (QFileInfo(m_path).suffix().compare(QLatin1String("tmp"), Qt::CaseInsensitive) == 0) {
        QString title = text.section(QLatin1Char('\n'), 0, 0).trimmed();
        if (title.endsWith(QLatin1Char(':')))
            title = title.chopped(1).trimmed();
        if (!title.isEmpty())
            setWindowTitle(title);
    }
}

bool TextEditorWindow::isModified() const
{
    return m_editor->document()->isModified();
}

bool TextEditorWindow::save()
{
    QString text = m_editor->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    if (const Done written = textfile::writeText(m_path, text); !written) {
        m_services.showMessage(this, written.failure().text, PlatformServices::MessageKind::Error);
        return false;
    }
    m_editor->document()->setModified(false);
    return true;
}

void TextEditorWindow::reject()
{
    if (isModified()) {
        const QString question
            = m_texts.unsavedQuestion.isEmpty() ? QStringLiteral("%1?") : m_texts.unsavedQuestion;
        switch (m_services.askToSave(this, question.arg(QFileInfo(m_path).fileName()))) {
        case PlatformServices::SaveChoice::Save:
            if (save())
                accept();
            return;
        case PlatformServices::SaveChoice::Discard:
            break;
        case PlatformServices::SaveChoice::Cancel:
            return;
        }
    }
    QDialog::reject();
}

} // namespace kivora
