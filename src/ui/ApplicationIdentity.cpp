#include "ui/ApplicationIdentity.h"

#include <QGuiApplication>
#include <QIcon>

namespace kivora {

void applyApplicationIdentity(const char *version)
{
    QCoreApplication::setApplicationName(QStringLiteral("kivora"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version));
    QGuiApplication::setWindowIcon(applicationIcon());
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/icons/kivora-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace kivora
