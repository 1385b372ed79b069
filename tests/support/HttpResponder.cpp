#include "support/HttpResponder.h"

#include <QUdpSocket>

namespace velkarn::test {

HttpResponder::HttpResponder(bool listenNow) {
    clock_.start();
    answers_["/gameserver"] = {200, gameServerJson("velkarn-test-x1", 7777)};
    for (const char* path : {"/ready", "/health", "/shutdown"})
        answers_[path] = {200, "{}"};
    QObject::connect(&server_, &QTcpServer::newConnection, this, &HttpResponder::takeConnection);
    if (listenNow)
        listen(0);
}

bool HttpResponder::listen(quint16 port) {
    return server_.listen(QHostAddress::LocalHost, port);
}

void HttpResponder::answer(const std::string& path, int status, const std::string& body) {
    answers_[path] = {status, body};
}

std::vector<qint64> HttpResponder::timesOf(const std::string& path) const {
    std::vector<qint64> times;
    for (const Request& request : requests_)
        if (request.path == path)
            times.push_back(request.atMs);
    return times;
}

void HttpResponder::takeConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, this,
                         [this, socket] { readRequests(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            pending_.erase(socket);
            socket->deleteLater();
        });
    }
}

// Requests on one connection follow each other (keep-alive); each is answered once it is whole.
void HttpResponder::readRequests(QTcpSocket* socket) {
    QByteArray& buffer = pending_[socket];
    buffer += socket->readAll();
    for (;;) {
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        Request request;
        const QList<QByteArray> first = lines.front().trimmed().split(' ');
        request.method = first.value(0).toStdString();
        request.path = first.value(1).toStdString();
        qsizetype length = 0;
        for (const QByteArray& line : lines.mid(1)) {
            const qsizetype colon = line.indexOf(':');
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (name == "content-length")
                length = value.toLongLong();
            else if (name == "content-type")
                request.contentType = value.toStdString();
        }
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length).toStdString();
        buffer.remove(0, headerEnd + 4 + length);
        request.atMs = clock_.elapsed();
        requests_.push_back(request);
        const auto found = answers_.find(request.path);
        const auto [status, body] =
            found != answers_.end() ? found->second : std::pair<int, std::string>{404, "{}"};
        socket->write("HTTP/1.1 " + QByteArray::number(status) +
                      " Whatever\r\nContent-Type: application/json\r\nContent-Length: " +
                      QByteArray::number(static_cast<qsizetype>(body.size())) + "\r\n\r\n" +
                      QByteArray::fromStdString(body));
    }
}

std::string gameServerJson(const std::string& name, int port) {
    return R"({"object_meta":{"name":")" + name +
           R"(","namespace":"default","uid":"1f0c","resource_version":"4121",)"
           R"("generation":"1","creation_timestamp":"1700000000","annotations":{},)"
           R"("labels":{"agones.dev/fleet":"velkarn-duel"}},)"
           R"("status":{"state":"Scheduled","address":"127.0.0.1","ports":[)"
           R"({"name":"game","port":)" +
           std::to_string(port) + "}]}}";
}

quint16 freeUdpPort() {
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

quint16 freeTcpPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

} // namespace velkarn::test
