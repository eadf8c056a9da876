// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storico/download_problem.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

// One download of the official results file over HTTP(S). Certificates are always verified; an
// https address is never sent on to an http one; at most five redirects; the request carries the
// address, a "User-Agent: Vorel/<version>" header and, when given, the validators of the last
// download for a conditional request; the system's proxy settings apply.

inline constexpr qint64 MaxDownloadBytes = 32LL * 1024 * 1024;
inline constexpr int MaxRedirects = 5;
inline constexpr int DefaultDeadlineSeconds = 5 * 60;

struct DownloadRequest {
    QUrl url;
    QString etag;            // of the last download of this address; empty: none
    QString lastModified;    // likewise
    int silenceSeconds = 30; // a connection or a transfer silent this long fails
    int deadlineSeconds = DefaultDeadlineSeconds; // the whole download, however it trickles
    qint64 sizeLimit = MaxDownloadBytes;
};

struct DownloadResult {
    DownloadProblem problem;
    bool notModified = false; // the server answered 304 to a conditional request: nothing new
    QByteArray bytes;
    QString etag; // this download's validators, to be kept once it has been imported
    QString lastModified;
};

// Started once; `finished` comes exactly once, after a result, a failure or `cancel`.
class StoricoDownload final : public QObject {
    Q_OBJECT
public:
    explicit StoricoDownload(QObject* parent = nullptr);
    ~StoricoDownload() override;
    void start(const DownloadRequest& request);
    void cancel();
    bool isFinished() const { return finished_; }
    const DownloadResult& result() const { return result_; }

Q_SIGNALS:
    void progress(qint64 received, qint64 total); // total: -1 when the server does not say
    void finished();

private:
    void read();
    void onProgress(qint64 received, qint64 total);
    void finish();
    DownloadProblem problemOf(QNetworkReply& reply) const;
    bool conditional() const { return !request_.etag.isEmpty() || !request_.lastModified.isEmpty(); }

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    DownloadRequest request_;
    DownloadResult result_;
    QTimer deadline_;
    bool cancelled_ = false;
    bool overDeadline_ = false;
    bool tooLarge_ = false;
    bool finished_ = false;
};

// Downloads as StoricoDownload does and waits for the end (for the command line).
DownloadResult DownloadStorico(const DownloadRequest& request);
