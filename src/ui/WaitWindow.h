#pragma once

#include <QWidget>

class QPushButton;

namespace kivora {

// The small borderless picture shown in the middle of the screen while a long
// computation runs, with a button that cancels it.
class WaitWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit WaitWindow(QWidget *parent = nullptr);
    void showCentred();
    void setText(const QString &text) { m_text = text; }
    void setCancelText(const QString &text);

signals:
    void cancelRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_text;
    QPushButton *m_cancel = nullptr;
};

} // namespace kivora
