#pragma once

// Fetching a lottery's results file from the address the lottery names: HTTP and HTTPS
// only, a bounded number of redirects, a timeout for a server that stops sending and a
// size limit, the bytes written to a file as they arrive. Every way it can fail ends in
// a message in the program's language that names the address.

#include "core/Failure.h"

#include <QString>
#include <QtGlobal>

#include <functional>

class QFile;

namespace kivora {

class MessageCatalog;

struct DownloadLimits
{
    int idleTimeoutMs = 30 * 1000; // this long without a byte from the server stops it
    qint64 maxBytes = qint64(64) * 1024 * 1024;
    int maxRedirects = 5;
};

// Told now and then how far the download is (total -1 while unknown); false stops it.
using DownloadProgress = std::function<bool(qint64 received, qint64 total)>;

// True for an http:// or https:// address with a host.
bool isWebAddress(const QString &url);

// Downloads url into target (open for writing) and gives the number of bytes written.
// A server's error status, a web page instead of a file, too many redirects, silence,
// a file over the limit, a refused connection or a failed write is a failure; a stop
// asked for by progress is Failure::cancelled(). Runs its own event loop, so it may be
// called on any thread that has no other.
Outcome<qint64> downloadToFile(const QString &url, QFile &target, const DownloadLimits &limits,
    const MessageCatalog &messages, const DownloadProgress &progress = {});

} // namespace kivora
