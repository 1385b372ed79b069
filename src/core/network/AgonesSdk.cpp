#include "core/network/AgonesSdk.h"

#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace velkarn {

int agonesSdkPort(const std::string& environmentValue) {
    if (environmentValue.empty())
        return DefaultAgonesSdkPort;
    if (environmentValue.size() > 5 ||
        environmentValue.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const int port = std::stoi(environmentValue);
    return port >= 1 && port <= 65535 ? port : 0;
}

const char* agonesPath(AgonesSdk::Call call) {
    switch (call) {
    case AgonesSdk::Call::GameServer:
        return "/gameserver";
    case AgonesSdk::Call::Ready:
        return "/ready";
    case AgonesSdk::Call::Health:
        return "/health";
    case AgonesSdk::Call::Shutdown:
        break;
    }
    return "/shutdown";
}

AgonesSdk::AgonesSdk(int port, int callTimeoutMs, QObject* parent)
    : QObject(parent), port_(port), callTimeoutMs_(callTimeoutMs) {
    // The SDK server is on this machine: a proxy named in the environment must not see the calls.
    network_.setProxy(QNetworkProxy::NoProxy);
}

void AgonesSdk::send(Call call) {
    QUrl url;
    url.setScheme("http");
    url.setHost("127.0.0.1");
    url.setPort(port_);
    url.setPath(agonesPath(call));
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = nullptr;
    if (call == Call::GameServer) {
        reply = network_.get(request);
    } else {
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
        reply = network_.post(request, QByteArray("{}"));
    }
    // The whole call is bounded, not only the silence between two bytes.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    auto why = std::make_shared<std::string>();
    connect(deadline, &QTimer::timeout, reply, [reply, why, this] {
        *why = "no answer within " + std::to_string(callTimeoutMs_) + " ms";
        reply->abort();
    });
    deadline->start(callTimeoutMs_);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, why](qint64 received, qint64) {
        if (received > MaxAgonesAnswerBytes) {
            *why = "an answer longer than " + std::to_string(MaxAgonesAnswerBytes / 1024) + " KiB";
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, call, why] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (!why->empty())
            emit failed(call, *why);
        else if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300)
            emit answered(call, reply->read(MaxAgonesAnswerBytes));
        else if (status != 0)
            emit failed(call, "HTTP status " + std::to_string(status));
        else
            emit failed(call, reply->errorString().toStdString());
    });
}

} // namespace velkarn
