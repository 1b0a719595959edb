#pragma once

#include "ui/PlatformServices.h"

namespace kivora {

class MessageCatalog;

// The real desktop: Qt dialogs, QDesktopServices, QProcess.
class DesktopServices final : public PlatformServices
{
public:
    // The texts of the program's own editor window follow the language file.
    void setMessages(const MessageCatalog *messages) { m_messages = messages; }

    void openUrl(const QString &fileOrAddress) override;
    bool startProgram(const QString &program, const QStringList &arguments, bool wait) override;
    void editTextFile(QWidget *parent, const QString &path, bool wait) override;
    QString openFileName(QWidget *parent, const FileDialogRequest &request) override;
    QString saveFileName(QWidget *parent, const FileDialogRequest &request) override;
    bool askText(QWidget *parent, const QString &title, const QString &prompt, QString *text) override;
    void showMessage(QWidget *parent, const QString &text, MessageKind kind) override;
    bool confirm(QWidget *parent, const QString &text, const QString &help = QString()) override;
    SaveChoice askToSave(QWidget *parent, const QString &text) override;
    void printDocument(QWidget *parent, const QString &title, const QString &html) override;
    QDate today() override;
    quint32 randomSeed() override;

private:
    const MessageCatalog *m_messages = nullptr;
};

} // namespace kivora
