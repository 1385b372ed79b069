#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <string>

// Agones runs an SDK server beside the game in every Pod of a GameServer; the game tells it over
// HTTP on the loopback when it is ready, that it is healthy, and when it shuts down.
namespace velkarn {

// The SDK server's default HTTP port, used when AGONES_SDK_HTTP_PORT does not name another.
constexpr int DefaultAgonesSdkPort = 9358;

// The SDK server's HTTP port from AGONES_SDK_HTTP_PORT's text: the default when empty, 0 when it
// is no port number.
int agonesSdkPort(const std::string& environmentValue);

// The most of an SDK server's answer that is read; a GameServer's description is far smaller.
constexpr qint64 MaxAgonesAnswerBytes = qint64{256} * 1024;

// One call to the SDK server on 127.0.0.1, each bounded in time: nothing is retried here.
class AgonesSdk : public QObject {
    Q_OBJECT
public:
    enum class Call { GameServer, Ready, Health, Shutdown };

    AgonesSdk(int port, int callTimeoutMs, QObject* parent = nullptr);

    // GET /gameserver, or POST /ready, /health or /shutdown with the body "{}".
    void send(Call call);
    int port() const { return port_; }

signals:
    // The SDK server said 2xx; `body` is what it sent, at most MaxAgonesAnswerBytes.
    void answered(velkarn::AgonesSdk::Call call, const QByteArray& body);
    // No answer in time, no SDK server there, another status, or an answer too long; `why` says
    // which, for the log.
    void failed(velkarn::AgonesSdk::Call call, const std::string& why);

private:
    int port_;
    int callTimeoutMs_;
    QNetworkAccessManager network_;
};

// The path of a call ("/ready").
const char* agonesPath(AgonesSdk::Call call);

} // namespace velkarn
