#pragma once

// The text of a file to import, as operators publish them: UTF-8 with or without a
// byte-order mark, UTF-16 with a mark, Windows-1251 or ISO-8859-1. The encoding is
// detected from the bytes unless the user names one.

#include <QByteArray>
#include <QString>

namespace kivora {

class MessageCatalog;

// Why a file gives no text to import.
enum class SourceRefusal {
    None,
    Unreadable, // the system refused, or the file is too large
    Empty, // nothing but blanks
    Binary, // bytes that are no text in any encoding the importer reads
    UnknownEncoding, // the encoding the user named is not one the importer reads
};

struct ImportSource
{
    SourceRefusal refusal = SourceRefusal::None;
    QString message; // names the file and the reason when refused
    QString path;
    QString text; // without a byte-order mark
    QString encoding; // "utf-8", "utf-16le", "utf-16be", "windows-1251", "iso-8859-1"

    bool ok() const { return refusal == SourceRefusal::None; }
};

// The encoding's canonical name for a name the user may write ("UTF8", "cp1251",
// "latin1", "utf-16"), or the empty text for a name the importer does not read.
QString canonicalEncoding(const QString &name);

// The encoding the bytes most likely are in: a byte-order mark decides; else valid
// UTF-8 is UTF-8; else Windows-1251 when high bytes come in runs (Cyrillic words),
// ISO-8859-1 when they stand alone between Latin letters ("numéro").
QString detectEncoding(const QByteArray &bytes);

// The bytes decoded in the encoding (a canonical name), the mark dropped.
QString decodeAs(const QByteArray &bytes, const QString &encoding);

// Reads and decodes a file; encoding, when not empty, overrides the detection.
ImportSource readImportSource(
    const QString &path, const MessageCatalog &messages, const QString &encoding = {});
// The same for bytes already in memory (path only names them in messages).
ImportSource importSourceFromBytes(const QByteArray &bytes, const QString &path,
    const MessageCatalog &messages, const QString &encoding = {});

} // namespace kivora
