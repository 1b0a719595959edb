#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>

namespace kivora::textfile {

namespace {

// Windows-1251, bytes 0x80..0xFF. 0x98 has no character; it maps to U+0098 so that
// every byte survives a read and write.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402,
    0x0403,
    0x201A,
    0x0453,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x20AC,
    0x2030,
    0x0409,
    0x2039,
    0x040A,
    0x040C,
    0x040B,
    0x040F,
    0x0452,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x0098,
    0x2122,
    0x0459,
    0x203A,
    0x045A,
    0x045C,
    0x045B,
    0x045F,
    0x00A0,
    0x040E,
    0x045E,
    0x0408,
    0x00A4,
    0x0490,
    0x00A6,
    0x00A7,
    0x0401,
    0x00A9,
    0x0404,
    0x00AB,
    0x00AC,
    0x00AD,
    0x00AE,
    0x0407,
    0x00B0,
    0x00B1,
    0x0406,
    0x0456,
    0x0491,
    0x00B5,
    0x00B6,
    0x00B7,
    0x0451,
    0x2116,
    0x0454,
    0x00BB,
    0x0458,
    0x0405,
    0x0455,
    0x0457,
    0x0410,
    0x0411,
    0x0412,
    0x0413,
    0x0414,
    0x0415,
    0x0416,
    0x0417,
    0x0418,
    0x0419,
    0x041A,
    0x041B,
    0x041C,
    0x041D,
    0x041E,
    0x041F,
    0x0420,
    0x0421,
    0x0422,
    0x0423,
    0x0424,
    0x0425,
    0x0426,
    0x0427,
    0x0428,
    0x0429,
    0x042A,
    0x042B,
    0x042C,
    0x042D,
    0x042E,
    0x042F,
    0x0430,
    0x0431,
    0x0432,
    0x0433,
    0x0434,
    0x0435,
    0x0436,
    0x0437,
    0x0438,
    0x0439,
    0x043A,
    0x043B,
    0x043C,
    0x043D,
    0x043E,
    0x043F,
    0x0440,
    0x0441,
    0x0442,
    0x0443,
    0x0444,
    0x0445,
    0x0446,
    0x0447,
    0x0448,
    0x0449,
    0x044A,
    0x044B,
    0x044C,
    0x044D,
    0x044E,
    0x044F,
};

const QByteArray &utf8Bom()
{
    static const QByteArray bom("\xEF\xBB\xBF");
    return bom;
}

int toWindows1251(char16_t u)
{
    if (u < 0x80)
        return u;
    if (u >= 0x0410 && u <= 0x044F)
        return u - 0x0410 + 0xC0;
    for (int i = 0; i < 64; ++i) {
        if (kHighHalf[i] == u)
            return 0x80 + i;
    }
    return -1;
}

bool isAscii(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool isUtf8File(const QByteArray &bytes)
{
    if (bytes.startsWith(utf8Bom()))
        return true;
    if (isAscii(bytes))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString probe = decoder.decode(bytes);
    return !decoder.hasError();
}

bool fail(QString *error, const QString &path, const QString &reason)
{
    if (error)
        *error = describeError(path, reason);
    return false;
}

} // namespace

QString describeError(const QString &path, const QString &reason)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

bool fitsWindows1251(const QString &text)
{
    for (QChar c : text) {
        if (toWindows1251(c.unicode()) < 0)
            return false;
    }
    return true;
}

QString decode(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (bytes.startsWith(utf8Bom()))
        return QString::fromUtf8(bytes.mid(utf8Bom().size()));
    if (isUtf8File(bytes))
        return QString::fromUtf8(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b < 0x80 ? char16_t(b) : kHighHalf[b - 0x80]);
    }
    return text;
}

QByteArray encode(const QString &text)
{
    if (!fitsWindows1251(text))
        return utf8Bom() + text.toUtf8();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (QChar c : text)
        *out++ = static_cast<char>(toWindows1251(c.unicode()));
    return bytes;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    const int length = text.size();
    int start = 0;
    int i = 0;
    while (i < length) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < length && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < length)
        lines.append(text.mid(start));
    return lines;
}

QString joinLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += crlf();
    }
    return text;
}

bool readText(const QString &path, QString *text, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, path, file.errorString());
    *text = decode(file.readAll());
    return true;
}

bool readLines(const QString &path, QStringList *lines, QString *error)
{
    QString text;
    if (!readText(path, &text, error))
        return false;
    *lines = splitLines(text);
    return true;
}

bool writeText(const QString &path, const QString &text, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, path, file.errorString());
    file.write(encode(text));
    if (!file.commit())
        return fail(error, path, file.errorString());
    return true;
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    return writeText(path, joinLines(lines), error);
}

bool appendText(const QString &path, const QString &text, QString *error)
{
    QByteArray existing;
    if (QFileInfo::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(error, path, file.errorString());
        existing = file.readAll();
    }
    const bool utf8 = isUtf8File(existing);
    QByteArray bytes;
    if (existing.isEmpty())
        bytes = encode(text);
    else if (utf8)
        bytes = text.toUtf8();
    else if (fitsWindows1251(text))
        bytes = encode(text);
    else // the whole file becomes UTF-8, so nothing of the old text is lost
        return writeText(path, decode(existing) + text, error);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return fail(error, path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        return fail(error, path, file.errorString());
    return true;
}

bool ensureFileExists(const QString &path, QString *error)
{
    if (QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, path, file.errorString());
    return true;
}

} // namespace kivora::textfile
