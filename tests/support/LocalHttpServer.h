#pragma once

// A small HTTP server on 127.0.0.1 for the download tests: each path answers with a
// status, headers and a body, or misbehaves the way real servers do (stops sending
// half way, closes early). It lives on the thread that made it and is served by that
// thread's event loop, nested loops included.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

namespace kivora::test {

struct HttpAnswer
{
    int status = 200;
    QByteArray reason = "OK";
    QByteArray contentType = "text/csv";
    QByteArray body;
    QByteArray location; // for a redirect
    // Bytes of the body sent before the server falls silent, keeping the connection
    // open (-1: the whole body).
    qint64 stallAfter = -1;
    bool announceLength = true; // a Content-Length header
};

class LocalHttpServer final : public QObject
{
    Q_OBJECT
public:
    LocalHttpServer();
    ~LocalHttpServer() override;

    void answer(const QString &path, const HttpAnswer &answer) { m_answers.insert(path, answer); }
    // "http://127.0.0.1:PORT/path"
    QString url(const QString &path) const;
    // The requests served, by path.
    int hits(const QString &path) const { return m_hits.value(path); }

    // An address on the loopback where nothing listens.
    static QString refusingUrl();

private:
    void serve(QTcpSocket *socket);

    QTcpServer m_server;
    QHash<QString, HttpAnswer> m_answers;
    QHash<QString, int> m_hits;
    QList<QPointer<QTcpSocket>> m_open;
};

} // namespace kivora::test
