#include "ui/dialogs/AboutDialog.h"

#include "reports/HtmlExport.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivora {

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О программе"));
    auto *picture = new QLabel(this);
    picture->setPixmap(pictures::picture(3).pixmap(48, 48));
    auto *product = new QLabel(QStringLiteral("<b style='font-size:16pt'>Kivora</b>"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    product->setProperty("dynamicText", true);
    auto *versionLabel = new QLabel(QStringLiteral("Версия"), this);
    versionLabel->setObjectName(QStringLiteral("VersionLabel"));
    auto *version = new QLabel(QApplication::applicationVersion(), this);
    version->setObjectName(QStringLiteral("Version"));
    version->setProperty("dynamicText", true);
    auto *versionRow = new QHBoxLayout;
    versionRow->addWidget(versionLabel);
    versionRow->addWidget(version, 1);
    auto *comments
        = new QLabel(QStringLiteral("В помощь игроку в ЛОТО: статистика, прогноз, игра по системе."), this);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setWordWrap(true);
    auto *contact = new QLabel(QStringLiteral("<a href='%1'>%1</a>").arg(kProductWebAddress), this);
    contact->setObjectName(QStringLiteral("Contact"));
    contact->setOpenExternalLinks(true);
    contact->setProperty("dynamicText", true);

    auto *text = new QVBoxLayout;
    text->addWidget(product);
    text->addLayout(versionRow);
    text->addWidget(comments);
    text->addWidget(contact);
    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    // A button of our own: Qt would give a standard one its own caption again on every
    // change of language, over the language file's.
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setFixedWidth(380);
}

} // namespace kivora
