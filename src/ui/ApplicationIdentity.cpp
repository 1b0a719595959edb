#include "ui/ApplicationIdentity.h"

#include <QGuiApplication>

namespace kivora {

void applyApplicationIdentity(const char *version)
{
    QCoreApplication::setApplicationName(QStringLiteral("kivora"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version));
}

} // namespace kivora
