#pragma once

#include <QWidget>

namespace kivora {

// The small borderless picture shown in the middle of the screen while a long
// computation runs.
class WaitWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit WaitWindow(QWidget *parent = nullptr);
    void showCentred();
    void setText(const QString &text) { m_text = text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};

} // namespace kivora
