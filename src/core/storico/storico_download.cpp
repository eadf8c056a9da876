// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/storico_download.h"

#include "program_info.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

constexpr int MegaByte = 1024 * 1024;
constexpr int HttpOk = 200;
constexpr int HttpNotModified = 304;
constexpr int HttpFirstError = 400;

QNetworkRequest networkRequest(const DownloadRequest& request) {
    QNetworkRequest result(request.url);
    result.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Vorel/") + ProgramVersion);
    if (!request.etag.isEmpty())
        result.setRawHeader("If-None-Match", request.etag.toLatin1());
    if (!request.lastModified.isEmpty())
        result.setRawHeader("If-Modified-Since", request.lastModified.toLatin1());
    result.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    result.setMaximumRedirectsAllowed(MaxRedirects);
    // No cookies go out, whatever a redirect sets.
    result.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    result.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    result.setTransferTimeout(request.silenceSeconds * 1000);
    return result;
}

} // namespace

StoricoDownload::StoricoDownload(QObject* parent) : QObject(parent) {}

StoricoDownload::~StoricoDownload() {
    if (reply_)
        reply_->abort();
}

void StoricoDownload::start(const DownloadRequest& request) {
    request_ = request;
    reply_ = manager_.get(networkRequest(request));
    connect(reply_, &QNetworkReply::readyRead, this, &StoricoDownload::read);
    connect(reply_, &QNetworkReply::downloadProgress, this, &StoricoDownload::onProgress);
    connect(reply_, &QNetworkReply::finished, this, &StoricoDownload::finish);
    // The silence timeout restarts with every byte: a server that trickles is stopped here.
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        overDeadline_ = true;
        if (reply_)
            reply_->abort();
    });
    deadline_.start(std::chrono::seconds(request.deadlineSeconds));
}

void StoricoDownload::cancel() {
    if (!reply_ || finished_)
        return;
    cancelled_ = true;
    reply_->abort();
}

// The body is taken as it comes, so that the limit holds whatever the server announced.
void StoricoDownload::read() {
    if (tooLarge_ || !reply_->isOpen())
        return;
    result_.bytes += reply_->readAll();
    if (result_.bytes.size() > request_.sizeLimit) {
        tooLarge_ = true;
        result_.bytes.clear();
        reply_->abort();
    }
}

void StoricoDownload::onProgress(qint64 received, qint64 total) {
    if (!tooLarge_ && total > request_.sizeLimit) {
        tooLarge_ = true;
        reply_->abort();
        return;
    }
    Q_EMIT progress(received, total);
}

void StoricoDownload::finish() {
    if (finished_)
        return;
    read();
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    deadline_.stop();
    if (cancelled_)
        result_.problem = {.kind = DownloadProblem::Cancelled};
    else if (overDeadline_)
        result_.problem = {.kind = DownloadProblem::Deadline, .number = request_.deadlineSeconds};
    else if (tooLarge_)
        result_.problem = {.kind = DownloadProblem::TooLarge, .number = int(request_.sizeLimit / MegaByte)};
    else if (reply_->error() == QNetworkReply::NoError && status == HttpNotModified && conditional())
        result_.notModified = true;
    else if (status >= HttpFirstError || (reply_->error() == QNetworkReply::NoError && status != HttpOk))
        result_.problem = {.kind = DownloadProblem::HttpStatus, .number = status};
    else if (reply_->error() != QNetworkReply::NoError)
        result_.problem = problemOf(*reply_);
    else if (const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
             length.isValid() && length.toLongLong() != result_.bytes.size())
        result_.problem = {.kind = DownloadProblem::Cut};
    if (result_.problem || result_.notModified) {
        result_.bytes.clear();
    } else {
        result_.etag = QString::fromLatin1(reply_->rawHeader("ETag"));
        result_.lastModified = QString::fromLatin1(reply_->rawHeader("Last-Modified"));
    }
    finished_ = true;
    reply_->deleteLater();
    Q_EMIT finished();
}

DownloadProblem StoricoDownload::problemOf(QNetworkReply& reply) const {
    const QString host = request_.url.host();
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return {.kind = DownloadProblem::ConnectionRefused, .field = host};
    case QNetworkReply::HostNotFoundError:
        return {.kind = DownloadProblem::HostNotFound, .field = host};
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer timeout; a cancel is told apart before
        return {.kind = DownloadProblem::Timeout, .number = request_.silenceSeconds};
    case QNetworkReply::SslHandshakeFailedError:
        return {.kind = DownloadProblem::Certificate, .field = host};
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProtocolFailure:
        return {.kind = DownloadProblem::Cut};
    case QNetworkReply::TooManyRedirectsError:
        return {.kind = DownloadProblem::TooManyRedirects, .number = MaxRedirects};
    case QNetworkReply::InsecureRedirectError:
        return {.kind = DownloadProblem::InsecureRedirect};
    case QNetworkReply::ProtocolUnknownError:
        return {.kind = DownloadProblem::UnsupportedAddress, .field = request_.url.toString()};
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::UnknownNetworkError:
        return {.kind = DownloadProblem::NoConnection};
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError:
        return {.kind = DownloadProblem::Proxy};
    case QNetworkReply::UnknownContentError: // what the library reports for a body it cannot inflate
        return {.kind = DownloadProblem::Compression};
    default: // the library's own text is English and often empty: its number identifies it
        return {.kind = DownloadProblem::Other, .number = int(reply.error())};
    }
}

DownloadResult DownloadStorico(const DownloadRequest& request) {
    StoricoDownload download;
    QEventLoop loop;
    QObject::connect(&download, &StoricoDownload::finished, &loop, &QEventLoop::quit);
    download.start(request);
    if (!download.isFinished())
        loop.exec();
    return download.result();
}
