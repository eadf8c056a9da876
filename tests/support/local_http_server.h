// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QUrl>
#include <memory>

class QTcpServer;
class QTcpSocket;

// How the server answers one path.
struct HttpRoute {
    int status = 200;
    QList<std::pair<QByteArray, QByteArray>> headers{}; // besides Content-Length and Connection
    QByteArray body{};
    qsizetype cutAfter = -1; // close after this many bytes of the body, the whole length announced
    bool silent = false;     // take the request and never answer
    int dripMs = 0;          // send the body 100 bytes at a time, this far apart
    QByteArray etag{};       // sent as ETag; a request that carries it in If-None-Match gets 304
};

// A small HTTP/1.1 server on 127.0.0.1 for the download tests, with a certificate of its own
// (self-signed, made by the build with openssl) when `tls`. It answers one request per connection.
class LocalHttpServer final : public QObject {
public:
    explicit LocalHttpServer(bool tls = false);
    ~LocalHttpServer() override;
    bool isListening() const;
    QUrl url(const QString& path) const;

    QHash<QString, HttpRoute> routes;
    QList<QHash<QByteArray, QByteArray>> requests; // each request's headers, names in lower case

private:
    void take(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QByteArray& head);
    void drip(QTcpSocket* socket, const QByteArray& reply, int everyMs);

    std::unique_ptr<QTcpServer> server_;
    bool tls_;
};
