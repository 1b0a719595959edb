#include "core/TextFile.h"

#include "core/MessageCatalog.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QMutex>
#include <QReadWriteLock>
#include <QSaveFile>
#include <QStringDecoder>
#include <QSysInfo>
#include <QThread>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>

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

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString probe = decoder.decode(bytes);
    return !decoder.hasError();
}

bool isUtf8File(const QByteArray &bytes)
{
    if (bytes.startsWith(utf8Bom()))
        return true;
    if (isAscii(bytes))
        return false;
    return isValidUtf8(bytes);
}

Failure fail(const QString &path, const QString &reason)
{
    return Failure::io(describeError(path, reason));
}

// The catalogue of the reasons, shared by every thread.
struct Reasons
{
    QReadWriteLock lock;
    MessageCatalog messages;
};

Reasons &reasons()
{
    static Reasons shared;
    return shared;
}

QString reason(const char *key)
{
    Reasons &shared = reasons();
    QReadLocker locker(&shared.lock);
    return shared.messages(key);
}

// The catalogue's key for the common system errors.
const char *reasonKey(int code)
{
    switch (code) {
    case ENOSPC:
        return "Str400";
    case EACCES:
    case EPERM:
        return "Str401";
    case ENOENT:
        return "Str402";
    case EISDIR:
        return "Str403";
    case EROFS:
        return "Str404";
    case EDQUOT:
        return "Str405";
    case ENAMETOOLONG:
        return "Str412";
    case ENOTDIR:
        return "Str413";
    case EIO:
        return "Str414";
    default:
        return nullptr;
    }
}

// The common error whose system text a device gave, or 0.
int codeOfSystemText(const QString &text)
{
    static const int kCodes[]
        = { ENOSPC, EACCES, EPERM, ENOENT, EISDIR, EROFS, EDQUOT, ENAMETOOLONG, ENOTDIR, EIO };
    for (int code : kCodes) {
        if (text == qt_error_string(code))
            return code;
    }
    return 0;
}

QString noNameReason()
{
    return reason("Str410");
}

QString notRegularReason()
{
    return reason("Str406");
}

QString notTextReason()
{
    return reason("Str409");
}

// What is read at a time from a file past the size the system gave.
constexpr qint64 kProbeBytes = qint64(1) << 16;

enum class Utf16 { None, LittleEndian, BigEndian };

Utf16 utf16Mark(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return Utf16::LittleEndian;
    if (bytes.startsWith("\xFE\xFF"))
        return Utf16::BigEndian;
    return Utf16::None;
}

} // namespace

void useMessages(const MessageCatalog &messages)
{
    Reasons &shared = reasons();
    QWriteLocker locker(&shared.lock);
    shared.messages = messages;
}

MessageCatalog messagesInUse()
{
    Reasons &shared = reasons();
    QReadLocker locker(&shared.lock);
    return shared.messages;
}

QString systemReason(int code)
{
    if (const char *key = reasonKey(code))
        return reason(key);
    return qt_error_string(code);
}

QString deviceReason(const QIODevice &device, int code)
{
    const QString text = device.errorString();
    if (const int known = codeOfSystemText(text))
        return systemReason(known);
    if ((text.isEmpty() || text == QLatin1String("Unknown error")) && code != 0)
        return systemReason(code);
    return text;
}

QString describeError(const QString &path, const QString &reason)
{
    if (path.isEmpty())
        return reason;
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

int windows1251Byte(char16_t u)
{
    return toWindows1251(u);
}

bool fitsWindows1251(const QString &text)
{
    for (QChar c : text) {
        if (toWindows1251(c.unicode()) < 0)
            return false;
    }
    return true;
}

bool appendWindows1251(QStringView text, QByteArray *out)
{
    const qsizetype start = out->size();
    out->resize(start + text.size());
    char *to = out->data() + start;
    const char16_t *from = text.utf16();
    const qsizetype size = text.size();
    if (QtPrivate::isAscii(text)) {
        // The common case, markup and numbers: a loop the compiler vectorises.
        for (qsizetype i = 0; i < size; ++i)
            to[i] = static_cast<char>(from[i]);
        return true;
    }
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = from[i];
        if (u < 0x80) {
            to[i] = static_cast<char>(u);
            continue;
        }
        const int b = toWindows1251(u);
        if (b < 0) {
            out->resize(start);
            return false;
        }
        to[i] = static_cast<char>(b);
    }
    return true;
}

bool decodeText(const QByteArray &bytes, QString *text)
{
    text->clear();
    const Utf16 mark = utf16Mark(bytes);
    if (mark != Utf16::None) {
        QStringDecoder decoder(
            mark == Utf16::LittleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
            QStringDecoder::Flag::Stateless);
        QString decoded = decoder.decode(QByteArrayView(bytes.constData() + 2, bytes.size() - 2));
        if (QStringView(decoded).contains(QChar(0)))
            return false;
        *text = std::move(decoded);
        return true;
    }
    if (std::memchr(bytes.constData(), 0, static_cast<size_t>(bytes.size())) != nullptr)
        return false;
    *text = decode(bytes);
    return true;
}

QString decode(const QByteArray &bytes)
{
    if (utf16Mark(bytes) != Utf16::None) {
        QString text;
        decodeText(bytes, &text);
        return text;
    }
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

QByteArray encodeDeclared(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    if (!appendWindows1251(text, &bytes))
        return utf8Bom() + text.toUtf8();
    return bytes;
}

QByteArray encode(const QString &text)
{
    QByteArray bytes = encodeDeclared(text);
    // 1251 bytes that also make valid UTF-8 would be read back as UTF-8.
    if (!bytes.startsWith(utf8Bom()) && !isAscii(bytes) && isValidUtf8(bytes))
        return utf8Bom() + text.toUtf8();
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

Outcome<QByteArray> readBytes(const QString &path, ReadFailure *failure, qint64 largest)
{
    auto failWith = [&](ReadFailure kind, const QString &reason) {
        if (failure)
            *failure = kind;
        return fail(path, reason);
    };
    if (failure)
        *failure = ReadFailure::None;
    if (path.isEmpty())
        return failWith(ReadFailure::System, noNameReason());
    // Checked before opening: opening a FIFO for reading waits for a writer.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return failWith(ReadFailure::NotRegular, notRegularReason());
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return failWith(ReadFailure::System, deviceReason(file, errno));
    auto tooLarge = [&](qint64 size) {
        return failWith(ReadFailure::TooLarge,
            size > largest ? reason("Str407").arg(size >> 20).arg(largest >> 20)
                           : reason("Str408").arg(largest >> 20));
    };
    const qint64 size = file.size();
    if (size > largest)
        return tooLarge(size);
    // The size is what the system says the file holds; a file of /proc says 0 and
    // may hold gigabytes. One byte past the limit tells that it is too large.
    QByteArray data;
    data.reserve(size + kProbeBytes);
    for (;;) {
        const qint64 room = largest + 1 - data.size();
        if (room <= 0)
            break;
        const qint64 want = std::min(room, std::max(size - data.size(), kProbeBytes));
        const qsizetype start = data.size();
        data.resize(start + want);
        errno = 0;
        const qint64 got = file.read(data.data() + start, want);
        if (got < 0)
            return failWith(ReadFailure::System, deviceReason(file, errno));
        data.resize(start + got);
        if (got == 0)
            break;
    }
    if (data.size() > largest)
        return tooLarge(-1);
    return data;
}

Outcome<QString> readText(const QString &path, ReadFailure *failure, qint64 largest)
{
    Outcome<QByteArray> bytes = readBytes(path, failure, largest);
    if (!bytes)
        return bytes.failure();
    QString text;
    if (!decodeText(*bytes, &text)) {
        if (failure)
            *failure = ReadFailure::NotText;
        return fail(path, notTextReason());
    }
    return text;
}

Outcome<QStringList> readLines(const QString &path)
{
    Outcome<QString> text = readText(path);
    if (!text)
        return text.failure();
    return splitLines(*text);
}

Done checkWritableTarget(const QString &path)
{
    if (path.isEmpty())
        return fail(path, noNameReason());
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return fail(path, notRegularReason());
    return {};
}

Done writeAll(QIODevice &device, const char *data, qint64 size)
{
    // A short write is tried again: the next attempt names the cause (a full disk).
    while (size > 0) {
        errno = 0;
        const qint64 written = device.write(data, size);
        if (written <= 0)
            return Failure::io(deviceReason(device, errno));
        data += written;
        size -= written;
    }
    return {};
}

// Locks ----------------------------------------------------------------------------

namespace {

struct HeldLock
{
    Qt::HANDLE thread = nullptr;
    int depth = 0;
};

QMutex &heldLocksMutex()
{
    static QMutex mutex;
    return mutex;
}

QHash<QString, HeldLock> &heldLocks()
{
    static QHash<QString, HeldLock> locks;
    return locks;
}

// True when the lock file can be taken over although its process may seem alive:
// when it holds no lock's record (empty, cut short, something else), or when it was
// written on another computer long ago. A lock of a process on this computer is
// judged by QLockFile itself, which looks whether that process still runs.
bool isStaleLock(const QString &lockPath)
{
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly))
        return false; // gone (free now), or not ours to judge
    // pid, program name, host name, and since Qt 5.10 the machine's and boot's ids.
    const QList<QByteArray> lines = file.read(4096).split('\n');
    bool isNumber = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&isNumber);
    if (!isNumber || pid <= 0 || lines.size() < 4)
        return true;
    const QByteArray machine = lines.value(3).trimmed();
    const bool otherComputer = machine.isEmpty()
        ? QString::fromUtf8(lines.value(2).trimmed()) != QSysInfo::machineHostName()
        : machine != QSysInfo::machineUniqueId();
    if (!otherComputer)
        return false;
    const QDateTime written = QFileInfo(lockPath).lastModified();
    return std::abs(written.secsTo(QDateTime::currentDateTime())) > kForeignLockSeconds;
}

// Removes a stale lock file. Two processes that found it stale remove it one after
// the other, each looking again first, so that neither removes the lock the other
// has just made in its place. Removal fails while a live process holds the file (it
// keeps a system lock on it), so a lock being written this moment is never taken.
bool takeOverStaleLock(QLockFile &lock, const QString &lockPath)
{
    if (!isStaleLock(lockPath))
        return false;
    QLockFile removal(lockPath + QStringLiteral(".rmlock"));
    return removal.tryLock(0) && isStaleLock(lockPath) && lock.removeStaleLockFile();
}

QString lockHeldReason(const QString &lockPath)
{
    return reason("Str411").arg(QDir::toNativeSeparators(lockPath));
}

} // namespace

struct FileLock::State
{
    QString key;
    QString lockPath;
    QLockFile file;
    bool nested = false;
    bool held = false;

    explicit State(const QString &path)
        : key(QFileInfo(path).absoluteFilePath())
        , lockPath(key + QStringLiteral(".lock"))
        , file(lockPath)
    { }
};

FileLock::FileLock(const QString &path)
    : m_state(new State(path))
{ }

FileLock::~FileLock()
{
    if (m_state->held) {
        QMutexLocker locker(&heldLocksMutex());
        HeldLock &held = heldLocks()[m_state->key];
        if (--held.depth == 0)
            heldLocks().remove(m_state->key);
        if (!m_state->nested)
            m_state->file.unlock();
    }
    delete m_state;
}

Done FileLock::lock(int waitMs)
{
    if (m_state->held)
        return {};
    const Qt::HANDLE self = QThread::currentThreadId();
    {
        QMutexLocker locker(&heldLocksMutex());
        auto it = heldLocks().find(m_state->key);
        if (it != heldLocks().end() && it->thread == self) {
            ++it->depth;
            m_state->nested = true;
            m_state->held = true;
            return {};
        }
    }
    // A lock of this computer is stale only when its process is gone: a long write
    // keeps it however long.
    m_state->file.setStaleLockTime(0);
    QElapsedTimer waited;
    waited.start();
    int pause = 10;
    int takenOver = 0;
    while (!m_state->file.tryLock(0)) {
        if (m_state->file.error() != QLockFile::LockFailedError)
            return {}; // no lock file can be made here (a read-only folder): write without
        if (takenOver < 3 && takeOverStaleLock(m_state->file, m_state->lockPath)) {
            ++takenOver;
            continue;
        }
        const qint64 left = waitMs - waited.elapsed();
        if (left <= 0)
            return fail(m_state->key, lockHeldReason(m_state->lockPath));
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(pause, left)));
        pause = std::min(pause * 2, 200);
    }
    QMutexLocker locker(&heldLocksMutex());
    heldLocks().insert(m_state->key, { self, 1 });
    m_state->held = true;
    return {};
}

// Whole-file writes --------------------------------------------------------------

struct FileReplacer::State
{
    QString path;
    FileLock lock;
    QSaveFile file;

    explicit State(const QString &p)
        : path(p)
        , lock(p)
        , file(p)
    { }
};

FileReplacer::FileReplacer(const QString &path)
    : m_state(new State(path))
{ }

FileReplacer::~FileReplacer()
{
    if (m_state->file.isOpen())
        m_state->file.cancelWriting();
    delete m_state;
}

Done FileReplacer::open()
{
    const QString &path = m_state->path;
    if (Done target = checkWritableTarget(path); !target)
        return target;
    if (Done locked = m_state->lock.lock(); !locked)
        return locked;
    // Unbuffered: a write that fails says so at once, with the system's reason.
    errno = 0;
    if (!m_state->file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(path, deviceReason(m_state->file, errno));
    return {};
}

Done FileReplacer::write(const QByteArray &bytes)
{
    const Done written = writeAll(m_state->file, bytes.constData(), bytes.size());
    if (written)
        return {};
    m_state->file.cancelWriting();
    return fail(m_state->path, written.failure().text);
}

Done FileReplacer::commit()
{
    QSaveFile &file = m_state->file;
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = deviceReason(file, errno);
        file.cancelWriting();
        return fail(m_state->path, reason);
    }
    if (!file.commit())
        return fail(m_state->path, deviceReason(file, errno));
    return {};
}

BufferedTextWriter::BufferedTextWriter(FileReplacer &file, qsizetype pieceBytes)
    : m_file(file)
    , m_piece(pieceBytes)
{
    m_bytes.resize(m_piece + m_piece / 4);
}

BufferedTextWriter::~BufferedTextWriter()
{
    if (m_write.valid())
        m_write.wait();
}

Done BufferedTextWriter::finish()
{
    if (m_write.valid()) {
        Done written = m_write.get();
        if (!written)
            m_writeFailure = written.failure();
    }
    if (m_writeFailure)
        return *m_writeFailure;
    return {};
}

Done BufferedTextWriter::writePending()
{
    if (!m_fits)
        return Failure::format({});
    // One piece at a time in flight: the previous one must have been written.
    if (Done written = finish(); !written)
        return written;
    if (m_used == 0)
        return {};
    m_bytes.resize(m_used);
    std::swap(m_bytes, m_writing);
    m_used = 0;
    m_bytes.resize(std::max(m_writing.size(), m_piece + m_piece / 4));
    m_write = std::async(std::launch::async, [this] { return m_file.write(m_writing); });
    return {};
}

Done writeBytes(const QString &path, const QByteArray &bytes)
{
    FileReplacer file(path);
    if (Done opened = file.open(); !opened)
        return opened;
    if (Done written = file.write(bytes); !written)
        return written;
    return file.commit();
}

Done writeText(const QString &path, const QString &text)
{
    return writeBytes(path, encode(text));
}

Done writeLines(const QString &path, const QStringList &lines)
{
    return writeText(path, joinLines(lines));
}

Done appendText(const QString &path, const QString &text)
{
    return appendText(path, [&text](const QString &) -> Outcome<QString> { return text; });
}

Done appendText(const QString &path, const AppendPlan &plan)
{
    if (Done target = checkWritableTarget(path); !target)
        return target;
    FileLock lock(path);
    if (Done locked = lock.lock(); !locked)
        return locked;
    QByteArray existing;
    if (QFileInfo::exists(path)) {
        Outcome<QByteArray> read = readBytes(path);
        if (!read)
            return read.failure();
        existing = std::move(*read);
    }
    QString existingText;
    if (!decodeText(existing, &existingText))
        return fail(path, notTextReason());
    const Outcome<QString> planned = plan(existingText);
    if (!planned)
        return planned.failure();
    const QString &text = *planned;
    QByteArray bytes;
    if (existing.isEmpty()) {
        bytes = encode(text);
    } else if (utf16Mark(existing) == Utf16::None && isUtf8File(existing)) {
        bytes = text.toUtf8();
    } else if (utf16Mark(existing) == Utf16::None && fitsWindows1251(text)) {
        bytes = encodeDeclared(text);
        // Old and new 1251 bytes that together validate as UTF-8 would read back as
        // other text: the file becomes UTF-8 with a mark instead.
        if (!isAscii(bytes) && isValidUtf8(existing + bytes))
            return writeText(path, existingText + text);
    } else {
        // The whole file becomes UTF-8, so nothing of the old text is lost.
        return writeText(path, existingText + text);
    }

    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return fail(path, deviceReason(file, errno));
    const qint64 oldSize = file.size();
    const Done written = writeAll(file, bytes.constData(), bytes.size());
    if (!written || !file.flush()) {
        const QString reason = written ? deviceReason(file, errno) : written.failure().text;
        // No part of a record stays behind: the next append would make it a draw.
        file.resize(oldSize);
        return fail(path, reason);
    }
    return {};
}

Done ensureFileExists(const QString &path)
{
    if (QFileInfo::exists(path))
        return checkWritableTarget(path);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return fail(path, deviceReason(file, errno));
    return {};
}

} // namespace kivora::textfile
