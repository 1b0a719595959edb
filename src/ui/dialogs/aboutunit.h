#pragma once

#include <QDialog>

namespace kivora {

// The about box: product name, version and where to find us.
class TAboutBox final : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};

} // namespace kivora
