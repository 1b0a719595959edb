#pragma once

#include "ui/PlatformServices.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>

namespace kivora::test {

// Scripted platform services: answers come from queues the test fills, effects are
// recorded. An empty answer queue answers "cancel".
class FakeServices final : public PlatformServices
{
public:
    struct Message
    {
        QString text;
        MessageKind kind;
    };
    struct Started
    {
        QString program;
        QStringList arguments;
        bool wait;
    };

    QQueue<QString> openAnswers;
    QQueue<QString> saveAnswers;
    QQueue<QString> textAnswers; // askText: a null QString means cancel
    QQueue<bool> confirmAnswers;
    QQueue<SaveChoice> saveChoices;
    QDate fixedToday = QDate(2026, 12, 7);
    quint32 seed = 12345;
    bool programsStart = true;
    // Called while a text file is "shown in the editor" (e.g. to edit it).
    std::function<void(const QString &path)> onEdit;

    QList<Message> messages;
    QStringList openedUrls;
    QList<Started> started;
    QStringList editedFiles;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    QStringList askedPrompts;
    QStringList confirmQuestions;
    QStringList confirmHelp;
    QStringList saveQuestions;
    QStringList printedTitles;
    QStringList printedDocuments;

    void openUrl(const QString &fileOrAddress) override { openedUrls.append(fileOrAddress); }
    bool startProgram(const QString &program, const QStringList &arguments, bool wait) override
    {
        started.append({ program, arguments, wait });
        return programsStart;
    }
    void editTextFile(QWidget *, const QString &path, bool) override
    {
        editedFiles.append(path);
        if (onEdit)
            onEdit(path);
    }
    QString openFileName(QWidget *, const FileDialogRequest &request) override
    {
        openRequests.append(request);
        return openAnswers.isEmpty() ? QString() : openAnswers.dequeue();
    }
    QString saveFileName(QWidget *, const FileDialogRequest &request) override
    {
        saveRequests.append(request);
        return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    }
    bool askText(QWidget *, const QString &, const QString &prompt, QString *text) override
    {
        askedPrompts.append(prompt);
        if (textAnswers.isEmpty())
            return false;
        const QString answer = textAnswers.dequeue();
        if (answer.isNull())
            return false;
        *text = answer;
        return true;
    }
    void showMessage(QWidget *, const QString &text, MessageKind kind) override
    {
        messages.append({ text, kind });
    }
    bool confirm(QWidget *, const QString &text, const QString &help = QString()) override
    {
        confirmQuestions.append(text);
        confirmHelp.append(help);
        return confirmAnswers.isEmpty() ? false : confirmAnswers.dequeue();
    }
    SaveChoice askToSave(QWidget *, const QString &text) override
    {
        saveQuestions.append(text);
        return saveChoices.isEmpty() ? SaveChoice::Cancel : saveChoices.dequeue();
    }
    void printDocument(QWidget *, const QString &title, const QString &html) override
    {
        printedTitles.append(title);
        printedDocuments.append(html);
    }
    QDate today() override { return fixedToday; }
    quint32 randomSeed() override { return seed; }

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }
};

} // namespace kivora::test
