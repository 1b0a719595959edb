#include "core/LotteryLink.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace kivora {

namespace {

bool hasControlOrBlank(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() <= 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control
            || c.category() == QChar::Other_Format || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}

// "name:" before any "/", with at least two letters ("C:" is a drive, not a scheme).
bool hasScheme(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 2)
        return false;
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    const qsizetype backslash = text.indexOf(QLatin1Char('\\'));
    return (slash < 0 || colon < slash) && (backslash < 0 || colon < backslash);
}

LotteryLink webLink(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !url.host().isEmpty() && !hasControlOrBlank(address))
        return { LotteryLink::Kind::Web, address };
    return { LotteryLink::Kind::Refused, address };
}

bool isInside(const QString &path, const QString &folder)
{
    return path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

LotteryLink pageLink(const QString &value, const QString &programFolder)
{
    const LotteryLink refused { LotteryLink::Kind::Refused, value };
    const qsizetype hash = value.indexOf(QLatin1Char('#'));
    const QString name = hash >= 0 ? value.left(hash) : value;
    if (name.isEmpty() || hasControlOrBlank(name.trimmed()))
        return refused;
    // The configuration's own form of a relative name: "Help\results.htm".
    QString local = name;
    local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QDir folder(programFolder);
    const QFileInfo page(QDir::isAbsolutePath(local) ? local : folder.filePath(local));
    const QString real = page.canonicalFilePath();
    const QString realFolder = folder.canonicalPath();
    if (real.isEmpty() || realFolder.isEmpty() || !QFileInfo(real).isFile() || !isInside(real, realFolder))
        return refused;
    static const QStringList pageSuffixes { QStringLiteral("htm"), QStringLiteral("html"),
        QStringLiteral("txt") };
    if (!pageSuffixes.contains(QFileInfo(real).suffix(), Qt::CaseInsensitive))
        return refused;
    return { LotteryLink::Kind::LocalPage, hash >= 0 ? real + value.mid(hash) : real };
}

} // namespace

LotteryLink lotteryLink(const QString &www, const QString &programFolder)
{
    const QString value = www.trimmed();
    if (value.isEmpty() || value.compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0)
        return {};
    if (hasScheme(value))
        return webLink(value);
    // "www.example.com/results", typed without its scheme.
    if (value.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return webLink(QStringLiteral("http://") + value);
    return pageLink(value, programFolder);
}

} // namespace kivora
