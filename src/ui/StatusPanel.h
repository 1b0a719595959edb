#pragma once

#include <QLabel>

namespace kivora {

// A status bar panel whose width follows a pane above it without ever forcing the
// window to grow. A text longer than the panel stays readable in its tooltip.
class StatusPanel final : public QLabel
{
    Q_OBJECT
public:
    explicit StatusPanel(QWidget *parent)
        : QLabel(parent)
    {
        setProperty("dynamicText", true);
    }
    void setText(const QString &text)
    {
        QLabel::setText(text);
        setToolTip(text);
    }
    void clear()
    {
        QLabel::clear();
        setToolTip(QString());
    }
    void setPreferredWidth(int width)
    {
        m_width = width;
        updateGeometry();
    }
    QSize sizeHint() const override { return { m_width, QLabel::sizeHint().height() }; }
    QSize minimumSizeHint() const override { return { 20, QLabel::minimumSizeHint().height() }; }

private:
    int m_width = 200;
};

} // namespace kivora
