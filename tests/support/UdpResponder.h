#pragma once

#include "core/network/ServerAddress.h"

#include <QByteArray>
#include <QObject>
#include <QUdpSocket>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velkarn::test {

// A server on 127.0.0.1 (or ::1) that answers each request with what `reply` makes of it, after
// `delayMs`, optionally from another socket (a stranger the querier never asked). Lives in the
// test's event loop.
class UdpResponder : public QObject {
public:
    using Reply = std::function<std::vector<QByteArray>(const QByteArray& request)>;
    explicit UdpResponder(Reply reply, int delayMs = 0, bool answerFromStranger = false,
                          bool ipv6 = false);

    ServerAddress address() const;
    int requestsSeen() const { return requestsSeen_; }

private:
    void answer();

    Reply reply_;
    int delayMs_;
    int requestsSeen_ = 0;
    QUdpSocket socket_;
    std::unique_ptr<QUdpSocket> stranger_;
};

// A status answer as the engine sends it: settings line, then player lines; the request's
// challenge is echoed when given.
QByteArray statusAnswer(const std::string& settings, const std::vector<std::string>& players,
                        const QByteArray& request = {});

// A responder that answers every status request like a real server named `hostName`.
std::unique_ptr<UdpResponder> goodServer(const std::string& hostName, int delayMs = 0,
                                         bool ipv6 = false);

// A responder that answers every status request with `settings` (an info string) and `players`
// (the engine's player lines), as a real server.
std::unique_ptr<UdpResponder> statusServer(const std::string& settings,
                                           const std::vector<std::string>& players, int delayMs = 0,
                                           bool ipv6 = false);

// The same with the players `players` holds when asked, so a test can change them.
std::unique_ptr<UdpResponder>
changingServer(const std::string& settings, std::shared_ptr<const std::vector<std::string>> players,
               bool ipv6 = false);

// A responder that answers remote console requests as the engine does: with `password`,
// "status" gets the map and the players in two "print" packets (the text cut mid-line, as the
// engine's buffer cuts it) and any other command an empty print; another password gets
// "Bad rconpassword.".
std::unique_ptr<UdpResponder> rconServer(const std::string& password);

// A master's list packet: "getserversResponse", the records of `ports` on 127.0.0.1, and the
// end mark when `last`.
QByteArray masterAnswer(const std::vector<quint16>& ports, bool last);
// The same for getserversExt: "getserversExtResponse" and a record of each server, "\\" and
// four bytes for 127.0.0.1, "/" and sixteen for ::1.
QByteArray extendedMasterAnswer(const std::vector<ServerAddress>& servers, bool last);

// Makes the QCoreApplication the sockets need, once per test program.
void ensureCoreApplication();

// Runs the event loop until `done` holds or `timeoutMs` passed; returns `done()`.
bool runEventsUntil(const std::function<bool()>& done, int timeoutMs = 5000);

} // namespace velkarn::test
