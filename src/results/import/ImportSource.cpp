#include "results/import/ImportSource.h"

#include "core/MessageCatalog.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <array>

namespace kivora {

namespace {

bool startsWith(const QByteArray &bytes, std::initializer_list<unsigned char> mark)
{
    if (bytes.size() < static_cast<qsizetype>(mark.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char b : mark) {
        if (static_cast<unsigned char>(bytes.at(i++)) != b)
            return false;
    }
    return true;
}

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString probe = decoder.decode(bytes);
    return !decoder.hasError();
}

// Windows-1251 upper half, from the program's own table.
const std::array<char16_t, 128> &windows1251Table()
{
    static const std::array<char16_t, 128> table = [] {
        std::array<char16_t, 128> t {};
        for (char16_t u = 0x80; u < 0x2200; ++u) {
            const int b = textfile::windows1251Byte(u);
            if (b >= 0x80)
                t[static_cast<size_t>(b - 0x80)] = u;
        }
        return t;
    }();
    return table;
}

QString fromWindows1251(const QByteArray &bytes)
{
    const std::array<char16_t, 128> &table = windows1251Table();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b < 0x80 ? char16_t(b) : table[b - 0x80]);
    }
    return text;
}

// Text is made of printable characters, blanks and line ends; a file with NUL bytes
// or many other control bytes is something else.
bool looksBinary(const QString &text)
{
    qsizetype controls = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0)
            return true;
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f')
            ++controls;
    }
    return controls * 100 > text.size();
}

bool isBlankText(const QString &text)
{
    for (QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

} // namespace

QString canonicalEncoding(const QString &name)
{
    QString n = name.trimmed().toLower();
    n.remove(QLatin1Char('-'));
    n.remove(QLatin1Char('_'));
    if (n == QLatin1String("utf8"))
        return QStringLiteral("utf-8");
    if (n == QLatin1String("utf16") || n == QLatin1String("utf16le"))
        return QStringLiteral("utf-16le");
    if (n == QLatin1String("utf16be"))
        return QStringLiteral("utf-16be");
    if (n == QLatin1String("windows1251") || n == QLatin1String("cp1251") || n == QLatin1String("win1251"))
        return QStringLiteral("windows-1251");
    if (n == QLatin1String("iso88591") || n == QLatin1String("latin1") || n == QLatin1String("l1"))
        return QStringLiteral("iso-8859-1");
    return {};
}

QString detectEncoding(const QByteArray &bytes)
{
    if (startsWith(bytes, { 0xEF, 0xBB, 0xBF }))
        return QStringLiteral("utf-8");
    if (startsWith(bytes, { 0xFF, 0xFE }))
        return QStringLiteral("utf-16le");
    if (startsWith(bytes, { 0xFE, 0xFF }))
        return QStringLiteral("utf-16be");
    if (isValidUtf8(bytes))
        return QStringLiteral("utf-8");
    qsizetype high = 0;
    qsizetype inRuns = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        if (b < 0xC0)
            continue;
        ++high;
        const bool before = i > 0 && static_cast<unsigned char>(bytes.at(i - 1)) >= 0xC0;
        const bool after = i + 1 < bytes.size() && static_cast<unsigned char>(bytes.at(i + 1)) >= 0xC0;
        if (before || after)
            ++inRuns;
    }
    return inRuns * 2 >= high ? QStringLiteral("windows-1251") : QStringLiteral("iso-8859-1");
}

QString decodeAs(const QByteArray &bytes, const QString &encoding)
{
    if (encoding == QLatin1String("utf-8")) {
        const qsizetype skip = startsWith(bytes, { 0xEF, 0xBB, 0xBF }) ? 3 : 0;
        return QString::fromUtf8(bytes.constData() + skip, bytes.size() - skip);
    }
    if (encoding == QLatin1String("utf-16le") || encoding == QLatin1String("utf-16be")) {
        const bool little = encoding == QLatin1String("utf-16le");
        const qsizetype skip = startsWith(bytes,
                                   little ? std::initializer_list<unsigned char> { 0xFF, 0xFE }
                                          : std::initializer_list<unsigned char> { 0xFE, 0xFF })
            ? 2
            : 0;
        QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return decoder.decode(QByteArrayView(bytes.constData() + skip, bytes.size() - skip));
    }
    if (encoding == QLatin1String("iso-8859-1"))
        return QString::fromLatin1(bytes);
    return fromWindows1251(bytes);
}

ImportSource importSourceFromBytes(
    const QByteArray &bytes, const QString &path, const MessageCatalog &messages, const QString &encoding)
{
    ImportSource source;
    source.path = path;
    const QString name = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (!encoding.isEmpty()) {
        source.encoding = canonicalEncoding(encoding);
        if (source.encoding.isEmpty()) {
            source.refusal = SourceRefusal::UnknownEncoding;
            source.message = messages("Str519").arg(encoding);
            return source;
        }
    } else {
        source.encoding = detectEncoding(bytes);
    }
    source.text = decodeAs(bytes, source.encoding);
    if (isBlankText(source.text)) {
        source.refusal = SourceRefusal::Empty;
        source.message = messages("Str510").arg(name);
        source.text.clear();
    } else if (looksBinary(source.text)) {
        source.refusal = SourceRefusal::Binary;
        source.message = messages("Str511").arg(name);
        source.text.clear();
    }
    return source;
}

ImportSource readImportSource(const QString &path, const MessageCatalog &messages, const QString &encoding)
{
    const Outcome<QByteArray> bytes = textfile::readBytes(path);
    if (!bytes) {
        ImportSource source;
        source.path = path;
        source.refusal = SourceRefusal::Unreadable;
        source.message = failureMessage(bytes.failure(), messages);
        return source;
    }
    return importSourceFromBytes(*bytes, path, messages, encoding);
}

} // namespace kivora
