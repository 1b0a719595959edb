#pragma once

#include <QDialog>

namespace kivora {

// The about box: product name, version and where to find us.
class AboutDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
};

} // namespace kivora
