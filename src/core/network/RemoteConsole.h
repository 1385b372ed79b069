#pragma once

#include "core/network/ServerAddress.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <string>

namespace velkarn {

// How patient the remote console is. Tests shorten the waits.
struct RemoteConsoleTiming {
    int waitMs = 2000; // for the first packet of the reply
    int quietMs = 300; // after a packet, for the next one of the same reply
    int maxMs = 10000; // for the whole reply, however it trickles in
};

// The engine's remote console over UDP: sends one command with the server's password and
// gathers the reply, which comes as one or more "print" packets and is joined in the order the
// packets came. Only packets from the server asked count. A reply longer than a limit is cut
// there, as a server that floods is no server to listen to. A command is sent once: the server
// could run it twice if it were asked again.
class RemoteConsole : public QObject {
    Q_OBJECT
public:
    explicit RemoteConsole(RemoteConsoleTiming timing = {}, QObject* parent = nullptr);

    // Sends `command`. Throws UserMessage, before anything is sent, for a password or command
    // the engine cannot take as sent (see RconText.h). A reply still awaited is forgotten.
    void send(const ServerAddress& server, const std::string& password, const std::string& command);
    bool waiting() const { return waiting_; }

signals:
    // The reply's text with the engine's color codes; `cutOff` when it reached the limit.
    void answered(const std::string& reply, bool cutOff);
    // No packet of a reply came.
    void silent();

private:
    void sendTo(const QHostAddress& address);
    void readPending();
    void finish();

    RemoteConsoleTiming timing_;
    QUdpSocket socket_;
    QTimer quietTimer_;
    QElapsedTimer clock_;
    QByteArray buffer_;
    QByteArray request_;
    QHostAddress address_;
    quint16 port_ = 0;
    std::string reply_;
    int packets_ = 0;
    bool cutOff_ = false;
    bool waiting_ = false;
    unsigned generation_ = 0; // tells a late name lookup of a forgotten command apart
};

} // namespace velkarn
