// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/local_http_server.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray reason(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 304:
        return "Not Modified";
    case 404:
        return "Not Found";
    default:
        return "Status";
    }
}

// A self-signed certificate for 127.0.0.1, as a stranger's server would have (made by the build).
bool loadCertificate(QSslConfiguration& config) {
    QFile key(QStringLiteral(VOREL_TEST_CERTIFICATE "/key.pem"));
    QFile certificate(QStringLiteral(VOREL_TEST_CERTIFICATE "/cert.pem"));
    if (!key.open(QIODevice::ReadOnly) || !certificate.open(QIODevice::ReadOnly))
        return false;
    config.setPrivateKey(QSslKey(key.readAll(), QSsl::Ec));
    config.setLocalCertificate(QSslCertificate(certificate.readAll()));
    return true;
}

} // namespace

LocalHttpServer::LocalHttpServer(bool tls) : tls_(tls) {
    if (tls) {
        auto server = std::make_unique<QSslServer>();
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        if (!loadCertificate(config))
            return;
        server->setSslConfiguration(config);
        server_ = std::move(server);
    } else {
        server_ = std::make_unique<QTcpServer>();
    }
    connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = server_->nextPendingConnection())
            take(socket);
    });
    server_->listen(QHostAddress::LocalHost, 0);
}

LocalHttpServer::~LocalHttpServer() = default;

bool LocalHttpServer::isListening() const {
    return server_ && server_->isListening();
}

QUrl LocalHttpServer::url(const QString& path) const {
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                    .arg(tls_ ? QStringLiteral("https") : QStringLiteral("http"))
                    .arg(server_ ? server_->serverPort() : 0)
                    .arg(path));
}

// The request's head is read whole, then answered; the socket goes with the server.
void LocalHttpServer::take(QTcpSocket* socket) {
    socket->setParent(this);
    auto head = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, head] {
        *head += socket->readAll();
        if (head->contains("\r\n\r\n") && !head->isEmpty()) {
            answer(socket, *head);
            head->clear();
        }
    });
}

void LocalHttpServer::answer(QTcpSocket* socket, const QByteArray& head) {
    const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
    const QByteArray path = lines.value(0).split(' ').value(1);
    QHash<QByteArray, QByteArray> headers;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
    }
    requests.append(headers);
    const HttpRoute route = routes.value(QString::fromLatin1(path), HttpRoute{.status = 404, .body = "none"});
    if (route.silent)
        return;
    const bool notModified = !route.etag.isEmpty() && headers.value("if-none-match") == route.etag;
    const QByteArray body = notModified ? QByteArray() : route.body;
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(notModified ? 304 : route.status) + ' ' +
                       reason(notModified ? 304 : route.status) + "\r\n";
    for (const auto& [name, value] : route.headers)
        reply += name + ": " + value + "\r\n";
    if (!route.etag.isEmpty())
        reply += "ETag: " + route.etag + "\r\n";
    reply += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
    reply += route.cutAfter >= 0 ? body.left(route.cutAfter) : body;
    if (route.dripMs > 0)
        return drip(socket, reply, route.dripMs);
    socket->write(reply);
    socket->disconnectFromHost();
}

// A server that is never silent long, and never done.
void LocalHttpServer::drip(QTcpSocket* socket, const QByteArray& reply, int everyMs) {
    constexpr qsizetype Chunk = 100;
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [socket, timer, reply, sent] {
        socket->write(reply.mid(*sent, Chunk));
        *sent += Chunk;
        if (*sent >= reply.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(everyMs);
}
