#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kivora {

// The program's own plain-text editor, used when no external editor is configured:
// shows a text file, saves it back (through a temporary file) on request.
class TextEditorWindow final : public QDialog
{
    Q_OBJECT
public:
    TextEditorWindow(
        QString path, const QString &saveText, const QString &closeText, QWidget *parent = nullptr);

    bool save();

private:
    void load();

    QString m_path;
    QPlainTextEdit *m_editor = nullptr;
};

} // namespace kivora
