#include "ui/DesktopServices.h"

#include "core/MessageCatalog.h"
#include "ui/TextEditorWindow.h"
#include "ui/TicketPrinting.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QShortcut>
#include <QUrl>

#include <algorithm>

namespace kivora {

void DesktopServices::openUrl(const QString &fileOrAddress)
{
    // A local file may carry a topic: "kivora.html#import".
    const int hash = fileOrAddress.lastIndexOf(QLatin1Char('#'));
    const QString file = hash > 0 ? fileOrAddress.left(hash) : fileOrAddress;
    QUrl url;
    if (QFileInfo::exists(file)) {
        url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
        if (hash > 0)
            url.setFragment(fileOrAddress.mid(hash + 1));
    } else {
        // Anything that is not a file must be a web address: never a script, a share
        // or a program handed to the desktop's opener.
        url = QUrl(fileOrAddress, QUrl::StrictMode);
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
            return;
    }
    QDesktopServices::openUrl(url);
}

bool DesktopServices::startProgram(const QString &program, const QStringList &arguments, bool wait)
{
    if (!wait)
        return QProcess::startDetached(program, arguments);
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return false;
    process.waitForFinished(-1);
    return true;
}

void DesktopServices::editTextFile(QWidget *parent, const QString &path, bool wait)
{
    auto message = [this](const char *key) {
        return m_messages ? m_messages->text(QLatin1String(key))
                          : MessageCatalog::builtInText(QLatin1String(key));
    };
    auto *window = new TextEditorWindow(
        path, *this, { message("Str82"), message("Str83"), message("Str120") }, parent);
    if (wait) {
        window->exec();
        delete window;
    } else {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
}

namespace {

void prepare(QFileDialog &dialog, const FileDialogRequest &request)
{
    dialog.setWindowTitle(request.title);
    if (!request.directory.isEmpty())
        dialog.setDirectory(request.directory);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

} // namespace

QString DesktopServices::openFileName(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString DesktopServices::saveFileName(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Replacing an existing file is the user's choice in the dialog itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool DesktopServices::askText(QWidget *parent, const QString &title, const QString &prompt, QString *text)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(*text);
    // The window is as wide as its title (with room for the title bar's buttons) and
    // the proposed text, which the input dialog alone would cut.
    const QFontMetrics metrics(dialog.font());
    const int titleWidth = metrics.horizontalAdvance(title) + 8 * metrics.averageCharWidth() + 96;
    const int textWidth = metrics.horizontalAdvance(*text) + 6 * metrics.averageCharWidth();
    // The dialog's layout sets its size from its children: the text box sets the width.
    if (auto *edit = dialog.findChild<QLineEdit *>())
        edit->setMinimumWidth(std::min(std::max(titleWidth, textWidth), 900));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *text = dialog.textValue();
    return true;
}

void DesktopServices::showMessage(QWidget *parent, const QString &text, MessageKind kind)
{
    const QString title = QStringLiteral("Kivora");
    switch (kind) {
    case MessageKind::Information:
        QMessageBox::information(parent, title, text);
        break;
    case MessageKind::Warning:
        QMessageBox::warning(parent, title, text);
        break;
    case MessageKind::Error:
        QMessageBox::critical(parent, title, text);
        break;
    }
}

bool DesktopServices::confirm(QWidget *parent, const QString &text, const QString &help)
{
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Kivora"), text, QMessageBox::Yes | QMessageBox::No, parent);
    if (!help.isEmpty()) {
        auto *shortcut = new QShortcut(QKeySequence::HelpContents, &box);
        QObject::connect(shortcut, &QShortcut::activated, &box, [this, help] { openUrl(help); });
    }
    return box.exec() == QMessageBox::Yes;
}

PlatformServices::SaveChoice DesktopServices::askToSave(QWidget *parent, const QString &text)
{
    const auto answer = QMessageBox::question(parent, QStringLiteral("Kivora"), text,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return SaveChoice::Save;
    return answer == QMessageBox::Discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

void DesktopServices::printDocument(QWidget *parent, const QString &title, const QString &html)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
        [&html](QPrinter *target) { printHtml(*target, html); });
    preview.exec();
}

QDate DesktopServices::today()
{
    return QDate::currentDate();
}

quint32 DesktopServices::randomSeed()
{
    return static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
}

} // namespace kivora
