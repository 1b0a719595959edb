#include "support/LocalHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace kivora::test {

LocalHttpServer::LocalHttpServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            m_open.append(socket);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

LocalHttpServer::~LocalHttpServer()
{
    for (const QPointer<QTcpSocket> &socket : m_open) {
        if (socket)
            socket->abort();
    }
    m_server.close();
}

QString LocalHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

QString LocalHttpServer::refusingUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/results.csv").arg(port);
}

void LocalHttpServer::serve(QTcpSocket *socket)
{
    // The request line and headers; a body is never expected.
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = QString::fromLatin1(words.value(1));
    m_hits[path] += 1;
    HttpAnswer answer;
    if (m_answers.contains(path)) {
        answer = m_answers.value(path);
    } else {
        answer.status = 404;
        answer.reason = "Not Found";
        answer.contentType = "text/html";
        answer.body = "<html><body>Not found</body></html>";
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + answer.reason + "\r\n";
    head += "Content-Type: " + answer.contentType + "\r\n";
    if (answer.announceLength)
        head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    if (!answer.location.isEmpty())
        head += "Location: " + answer.location + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    if (answer.stallAfter >= 0) {
        socket->write(answer.body.left(answer.stallAfter));
        socket->flush();
        return; // silent from here on, the connection left open
    }
    socket->write(answer.body);
    socket->disconnectFromHost();
}

} // namespace kivora::test
