#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <map>
#include <string>
#include <vector>

namespace velkarn::test {

// An HTTP/1.1 server on 127.0.0.1 that answers as Agones' SDK server does: GET /gameserver with
// the GameServer's JSON, POST /ready, /health and /shutdown with "{}". It keeps every request
// with the time it came (since the responder was made). Lives in the test's event loop.
class HttpResponder : public QObject {
public:
    struct Request {
        std::string method, path, contentType, body;
        qint64 atMs = 0;
    };

    // Listens at once on a free port, or on `port` when listen(port) is called later.
    explicit HttpResponder(bool listenNow = true);

    bool listen(quint16 port);
    quint16 port() const { return server_.serverPort(); }
    // The answer to `path`: its status and body; a path not set gets 404.
    void answer(const std::string& path, int status, const std::string& body);
    // The paths asked, in order, and when.
    const std::vector<Request>& requests() const { return requests_; }
    std::vector<qint64> timesOf(const std::string& path) const;
    int count(const std::string& path) const { return static_cast<int>(timesOf(path).size()); }
    qint64 elapsedMs() const { return clock_.elapsed(); }

private:
    void takeConnection();
    void readRequests(QTcpSocket* socket);

    QElapsedTimer clock_;
    std::map<std::string, std::pair<int, std::string>> answers_;
    std::map<QTcpSocket*, QByteArray> pending_;
    std::vector<Request> requests_;
    // Last, so it goes first: its connections say they ended while what they touch is still here.
    QTcpServer server_;
};

// A GameServer's JSON as the SDK server's GET /gameserver gives it, with one port named "game".
std::string gameServerJson(const std::string& name, int port);

// A UDP port nobody on 127.0.0.1 listens on right now.
quint16 freeUdpPort();
// A TCP port nobody on 127.0.0.1 listens on right now.
quint16 freeTcpPort();

} // namespace velkarn::test
