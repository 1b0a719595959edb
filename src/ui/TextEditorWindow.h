#pragma once

#include "ui/PlatformServices.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace kivora {

// The program's own plain-text editor, used when no external editor is configured:
// shows a text file, saves it back (through a temporary file) on request. Closing it
// with unsaved changes asks whether to save them.
class TextEditorWindow final : public QDialog
{
    Q_OBJECT
public:
    struct Texts
    {
        QString save; // button captions; empty keeps Qt's own
        QString close;
        QString unsavedQuestion; // "%1" is the file's name
    };

    TextEditorWindow(QString path, PlatformServices &services, Texts texts, QWidget *parent = nullptr);

    bool save();
    bool isModified() const;

public slots:
    void reject() override;

private:
    void load();

    QString m_path;
    PlatformServices &m_services;
    Texts m_texts;
    QPlainTextEdit *m_editor = nullptr;
    QPushButton *m_saveButton = nullptr;
};

} // namespace kivora
