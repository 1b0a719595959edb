#pragma once

// Every text file of the program goes through here. Files are written in
// Windows-1251 with CR LF line ends, or in UTF-8 with a byte-order mark when a text
// holds a character that 1251 cannot; they are read as UTF-8 when they carry the mark
// or are valid UTF-8 with non-ASCII bytes, otherwise as Windows-1251. Any line end
// (LF, CR LF, CR) is accepted on reading.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kivora::textfile {

QString decode(const QByteArray &bytes);
// Windows-1251 when the text fits, UTF-8 with a byte-order mark otherwise.
QByteArray encode(const QString &text);
bool fitsWindows1251(const QString &text);

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

// Reads a whole file. On failure returns false and puts the system's reason in *error.
bool readText(const QString &path, QString *text, QString *error);
bool readLines(const QString &path, QStringList *lines, QString *error);

// Replaces a file through a temporary file beside it: the old file stays as it was
// when anything fails.
bool writeText(const QString &path, const QString &text, QString *error);
bool writeLines(const QString &path, const QStringList &lines, QString *error);

// Appends text to a file (creating it), keeping the file's own encoding. A text that
// the file's encoding cannot hold makes the whole file UTF-8 (rewritten safely).
bool appendText(const QString &path, const QString &text, QString *error);

// Creates an empty file when none exists.
bool ensureFileExists(const QString &path, QString *error);

} // namespace kivora::textfile
