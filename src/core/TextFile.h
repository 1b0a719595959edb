#pragma once

// Every text file of the program goes through here. Files are written in
// Windows-1251 with CR LF line ends, or in UTF-8 with a byte-order mark when a text
// holds a character that 1251 cannot; they are read as UTF-8 when they carry the mark
// or are valid UTF-8 with non-ASCII bytes, otherwise as Windows-1251. Any line end
// (LF, CR LF, CR) is accepted on reading. A file that starts with a UTF-16 byte-order
// mark is read as UTF-16; text with NUL characters is no text of the program and is
// refused. Only regular files are read and written (a symbolic link is followed).

#include "core/Failure.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <cstring>
#include <functional>
#include <future>
#include <optional>

class QIODevice;

namespace kivora {
class MessageCatalog;
}

namespace kivora::textfile {

// The largest file the program reads: a results base of a few million draws stays far
// below it, and its text and draws still fit in memory.
inline constexpr qint64 kLargestFile = qint64(512) * 1024 * 1024;

// The text of a file's bytes; false when they hold a NUL character (a file of another
// kind, or UTF-16 without a byte-order mark). *text is then left empty.
bool decodeText(const QByteArray &bytes, QString *text);
// The same, keeping whatever decodes (for callers that only look at the text).
QString decode(const QByteArray &bytes);
// Windows-1251 when the text fits, UTF-8 with a byte-order mark otherwise. A text whose
// Windows-1251 bytes would read back as UTF-8 ("Рѕ" is the UTF-8 of "о") is written as
// UTF-8 with the mark too, so that every text reads back as it was written.
QByteArray encode(const QString &text);
// Windows-1251 when the text fits, else UTF-8 with a mark: for documents that name
// their charset themselves (HTML).
QByteArray encodeDeclared(const QString &text);
bool fitsWindows1251(const QString &text);
// The Windows-1251 byte of a character, or -1 when it has none.
int windows1251Byte(char16_t u);
// Appends the Windows-1251 bytes of a text to *out; false (and *out unchanged) when
// some character of it has none.
bool appendWindows1251(QStringView text, QByteArray *out);

// Lines of a text; a line end after the last line does not start another line.
QStringList splitLines(const QString &text);
// Lines joined with CR LF, each line ended by CR LF.
QString joinLines(const QStringList &lines);

inline const QString crlf()
{
    return QStringLiteral("\r\n");
}

// "path: reason", the form of every input/output error these routines report.
QString describeError(const QString &path, const QString &reason);

// The reasons these routines give come from a message catalogue, in the program's
// language: the built-in one until the program sets the catalogue of its language
// file here (a copy is kept; any thread may read or write files meanwhile).
void useMessages(const MessageCatalog &messages);
// The catalogue in use (a copy).
MessageCatalog messagesInUse();
// The reason for a system error code: the catalogue's text for the common causes (a
// full disk, no permission, a missing file, a read-only disk, ...), the system's own
// text for the rest.
QString systemReason(int code);
// Why an operation on a device failed, in the same terms: the device's reason when it
// names no common cause, or the system's for code when the device has no reason.
QString deviceReason(const QIODevice &device, int code = 0);

// Why a read failed.
enum class ReadFailure {
    None,
    System, // the system refused (missing, no permission, ...)
    NotRegular, // a folder, a device, a FIFO
    TooLarge, // over kLargestFile
    NotText, // NUL characters
};

// Every failure of the routines below is an Io failure whose text is "path: reason"
// (describeError), also for a file that is too large or holds no text: *failure (when
// given) tells those apart.

// Reads a whole file of at most largest bytes.
Outcome<QString> readText(const QString &path, ReadFailure *failure = nullptr, qint64 largest = kLargestFile);
Outcome<QStringList> readLines(const QString &path);
// The raw bytes of a regular file of at most largest bytes. No more than that (and
// one byte to tell) is ever read, also from a file whose size the system does not
// know (the files of /proc say 0).
Outcome<QByteArray> readBytes(
    const QString &path, ReadFailure *failure = nullptr, qint64 largest = kLargestFile);

// Fails when path names something other than a regular file (a missing file is fine:
// it will be created).
Done checkWritableTarget(const QString &path);

// Replaces a file through a temporary file beside it: the old file stays as it was
// when anything fails (a full disk included), and the reason names the cause.
Done writeText(const QString &path, const QString &text);
Done writeLines(const QString &path, const QStringList &lines);
Done writeBytes(const QString &path, const QByteArray &bytes);

// Appends text to a file (creating it), keeping the file's own encoding. A text that
// the file's encoding cannot hold makes the whole file UTF-8 (rewritten safely). An
// append that fails cuts the file back to its old size.
Done appendText(const QString &path, const QString &text);
// The text an append adds, decided under the file's lock from the text the file holds
// then (empty for a missing file); a failure refuses the append and is returned as it is.
using AppendPlan = std::function<Outcome<QString>(const QString &existing)>;
// appendText with the text decided by plan once the file is locked and read.
Done appendText(const QString &path, const AppendPlan &plan);

// Creates an empty file when none exists.
Done ensureFileExists(const QString &path);

// Writes bytes to an open device, all of them; an Io failure with the device's reason
// (or the system's, no path) when any of them could not be written.
Done writeAll(QIODevice &device, const char *data, qint64 size);

// How long a writer waits for the lock of a file another process holds.
inline constexpr int kLockWaitMs = 20000;
// A lock file written on another computer (a program folder on a shared or removable
// disk) is taken over once it is this old: whether its process lives cannot be seen
// from here, and no write of the program takes that long.
inline constexpr int kForeignLockSeconds = 5 * 60;

// The advisory lock of a file: "<file>.lock" beside it, held while the file is
// written or read, changed and written back, so that two processes never interleave
// their rewrites. A thread may take the lock of a file it already holds. A folder
// where no lock file can be made (read-only) is written without one. A lock file is
// stale, and taken over at once, when its process on this computer is gone, when it
// cannot be read (empty, or not written by a lock), or when it was written on another
// computer more than kForeignLockSeconds ago.
class FileLock final
{
public:
    explicit FileLock(const QString &path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Waits up to waitMs for the lock; fails with a reason that names the lock file
    // when another process keeps it.
    Done lock(int waitMs = kLockWaitMs);

private:
    struct State;
    State *m_state;
};

// Replaces one file through a temporary file, streamed: every write is checked, and
// commit() flushes and renames. Destroying it before commit() keeps the old file.
class FileReplacer final
{
public:
    explicit FileReplacer(const QString &path);
    ~FileReplacer();
    FileReplacer(const FileReplacer &) = delete;
    FileReplacer &operator=(const FileReplacer &) = delete;

    Done open();
    Done write(const QByteArray &bytes);
    Done commit();

private:
    struct State;
    State *m_state;
};

// Text written to a FileReplacer in Windows-1251 through one buffer of about a
// megabyte: markup goes in as bytes, texts are converted as they are appended, and the
// buffer is written whenever it is full, so an export costs one write per megabyte
// and no copy of the document. When a text holds a character that Windows-1251
// cannot hold, fits() turns false and nothing more is written.
class BufferedTextWriter final
{
public:
    explicit BufferedTextWriter(FileReplacer &file, qsizetype pieceBytes = 1 << 20);
    ~BufferedTextWriter();
    BufferedTextWriter(const BufferedTextWriter &) = delete;
    BufferedTextWriter &operator=(const BufferedTextWriter &) = delete;

    void append(QLatin1String markup)
    {
        char *to = room(markup.size());
        std::memcpy(to, markup.data(), static_cast<size_t>(markup.size()));
        m_used += markup.size();
    }
    void append(QStringView text)
    {
        char *to = room(text.size());
        const char16_t *from = text.utf16();
        const qsizetype size = text.size();
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t u = from[i];
            if (u < 0x80) {
                to[i] = static_cast<char>(u);
                continue;
            }
            m_ascii = false;
            const int b = windows1251Byte(u);
            m_fits = m_fits && b >= 0;
            to[i] = static_cast<char>(b);
        }
        m_used += size;
    }
    // Writes the buffer when it has grown past the piece size; fails when the write
    // failed or some text did not fit (a Format failure without text: see fits()).
    Done maybeWrite() { return m_used < m_piece && m_fits ? Done() : writePending(); }
    Done writePending();
    bool fits() const { return m_fits; }
    // True while every text appended was plain ASCII.
    bool ascii() const { return m_ascii; }
    // Waits for the last piece to reach the file, and says whether it got there.
    Done finish();

private:
    // Where the next size bytes go, the buffer grown when they would not fit.
    char *room(qsizetype size)
    {
        if (m_used + size > m_bytes.size())
            m_bytes.resize(std::max(m_bytes.size() * 2, m_used + size));
        return m_bytes.data() + m_used;
    }

    FileReplacer &m_file;
    qsizetype m_piece;
    QByteArray m_bytes;
    qsizetype m_used = 0;
    bool m_fits = true;
    bool m_ascii = true;
    // The piece being written by a helper thread while the next one fills: the system's
    // copy into the file costs a fifth of an export, and the other core does it.
    QByteArray m_writing;
    std::future<Done> m_write;
    std::optional<Failure> m_writeFailure;
};

} // namespace kivora::textfile
