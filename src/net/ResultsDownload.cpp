#include "net/ResultsDownload.h"

#include "core/MessageCatalog.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace kivora {

namespace {

enum class Stop { None, Silent, TooLarge, Cancelled, WriteFailed };

// A page for people rather than a file of draws: a server's "not found" page served with
// status 200, a login page, a portal front page.
bool looksLikeWebPage(const QByteArray &head, const QString &contentType)
{
    if (contentType.contains(QLatin1String("text/html"), Qt::CaseInsensitive))
        return true;
    const QByteArray start = head.trimmed().left(64).toLower();
    return start.startsWith("<!doctype html") || start.startsWith("<html") || start.startsWith("<head")
        || start.startsWith("<body");
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'g', 3);
}

} // namespace

bool isWebAddress(const QString &url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    return parsed.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !parsed.host().isEmpty();
}

Outcome<qint64> downloadToFile(const QString &url, QFile &target, const DownloadLimits &limits,
    const MessageCatalog &messages, const DownloadProgress &progress)
{
    if (!isWebAddress(url))
        return Failure::usage(messages("Str740").arg(url));

    QNetworkAccessManager manager;
    QNetworkRequest request { QUrl(url) };
    // https may not turn into http on the way.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits.maxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Kivora"));
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));

    QEventLoop loop;
    QTimer silence;
    silence.setSingleShot(true);
    QTimer tick;
    Stop stop = Stop::None;
    qint64 received = 0;
    qint64 total = -1;
    QByteArray head; // the first bytes, to tell a web page
    const auto stopWith = [&](Stop why) {
        if (stop != Stop::None)
            return;
        stop = why;
        reply->abort();
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, [&] {
        silence.start(limits.idleTimeoutMs);
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid()) {
            total = length.toLongLong();
            if (total > limits.maxBytes)
                stopWith(Stop::TooLarge);
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, [&] {
        silence.start(limits.idleTimeoutMs);
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        if (received > limits.maxBytes) {
            stopWith(Stop::TooLarge);
            return;
        }
        if (head.size() < 512)
            head += chunk.left(512 - head.size());
        if (target.write(chunk) != chunk.size())
            stopWith(Stop::WriteFailed);
    });
    QObject::connect(&silence, &QTimer::timeout, [&] { stopWith(Stop::Silent); });
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (progress && !progress(received, total))
            stopWith(Stop::Cancelled);
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    silence.start(limits.idleTimeoutMs);
    tick.start(100);
    if (!reply->isFinished())
        loop.exec();
    tick.stop();
    silence.stop();

    switch (stop) {
    case Stop::Silent:
        return Failure::io(messages("Str745").arg(url).arg(limits.idleTimeoutMs / 1000.0));
    case Stop::TooLarge:
        return Failure::refused(messages("Str746").arg(url, megabytes(limits.maxBytes)));
    case Stop::Cancelled:
        return Failure::cancelled();
    case Stop::WriteFailed:
        return Failure::io(messages("Str747").arg(url, target.errorString()));
    case Stop::None:
        break;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400) {
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return Failure::io(messages("Str742").arg(url).arg(status).arg(reason));
    }
    switch (reply->error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::TooManyRedirectsError:
        return Failure::io(messages("Str743").arg(url).arg(limits.maxRedirects));
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
        return Failure::io(messages("Str741").arg(url, reply->errorString()));
    case QNetworkReply::RemoteHostClosedError:
        return Failure::io(messages("Str757").arg(url));
    default:
        return Failure::io(messages("Str747").arg(url, reply->errorString()));
    }
    // A reply that ends early without an error from the socket: fewer bytes than it announced.
    if (total >= 0 && received < total)
        return Failure::io(messages("Str757").arg(url));
    if (looksLikeWebPage(head, reply->header(QNetworkRequest::ContentTypeHeader).toString()))
        return Failure::format(messages("Str744").arg(url));
    if (!target.flush())
        return Failure::io(messages("Str747").arg(url, target.errorString()));
    return received;
}

} // namespace kivora
