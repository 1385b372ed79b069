#include "core/network/RemoteConsole.h"

#include "core/network/RconText.h"
#include "core/network/ServerPackets.h"

#include <QHostInfo>
#include <algorithm>

namespace velkarn {

namespace {

// The engine sends its console output in packets of about 1000 bytes; the longest reply of a
// real server (cvarlist) takes a few dozen. Past these bounds a reply is cut.
constexpr std::size_t MaxReplyBytes = std::size_t{256} * 1024;
constexpr int MaxReplyPackets = 1024;

bool sameHost(const QHostAddress& a, const QHostAddress& b) {
    bool aIsIpv4 = false;
    bool bIsIpv4 = false;
    const quint32 a4 = a.toIPv4Address(&aIsIpv4); // also unwraps ::ffff:a.b.c.d
    const quint32 b4 = b.toIPv4Address(&bIsIpv4);
    return aIsIpv4 && bIsIpv4 ? a4 == b4 : a.isEqual(b);
}

} // namespace

RemoteConsole::RemoteConsole(RemoteConsoleTiming timing, QObject* parent)
    : QObject(parent), timing_(timing), buffer_(static_cast<qsizetype>(MaxPacketBytes), '\0') {
    quietTimer_.setSingleShot(true);
    connect(&quietTimer_, &QTimer::timeout, this, &RemoteConsole::finish);
    connect(&socket_, &QUdpSocket::readyRead, this, &RemoteConsole::readPending);
}

void RemoteConsole::send(const ServerAddress& server, const std::string& password,
                         const std::string& command) {
    requireRconPassword(password);
    requireRconCommand(command, password);
    ++generation_;
    quietTimer_.stop();
    reply_.clear();
    packets_ = 0;
    cutOff_ = false;
    waiting_ = true;
    port_ = server.port;
    request_ = QByteArray::fromStdString(remoteConsoleRequest(password, command));
    if (socket_.state() != QAbstractSocket::BoundState)
        if (!socket_.bind(QHostAddress::Any, 0)) // both families where the system has IPv6
            socket_.bind(QHostAddress::AnyIPv4, 0);
    QHostAddress literal;
    if (literal.setAddress(QString::fromStdString(server.host))) {
        sendTo(literal);
        return;
    }
    const unsigned generation = generation_;
    QHostInfo::lookupHost(
        QString::fromStdString(server.host), this, [this, generation](const QHostInfo& info) {
            if (generation != generation_)
                return;
            const auto found = info.addresses();
            // Prefer IPv4, which the servers of this game mostly speak.
            const auto ipv4 = std::find_if(found.begin(), found.end(), [](const QHostAddress& a) {
                return a.protocol() == QAbstractSocket::IPv4Protocol;
            });
            if (found.isEmpty())
                finish();
            else
                sendTo(ipv4 != found.end() ? *ipv4 : found.front());
        });
}

void RemoteConsole::sendTo(const QHostAddress& address) {
    address_ = address;
    clock_.start();
    // A failed send (no route) is simply a command without an answer.
    socket_.writeDatagram(request_, address_, port_);
    quietTimer_.start(timing_.waitMs);
}

void RemoteConsole::readPending() {
    while (socket_.hasPendingDatagrams()) {
        QHostAddress from;
        quint16 port = 0;
        const qint64 size = socket_.readDatagram(buffer_.data(), buffer_.size(), &from, &port);
        if (size <= 0 || !waiting_ || port != port_ || !sameHost(from, address_))
            continue; // read to be dropped
        const auto text =
            parsePrintPacket(std::string_view(buffer_.constData(), static_cast<std::size_t>(size)));
        if (!text)
            continue;
        ++packets_;
        reply_ += text->substr(0, MaxReplyBytes - reply_.size());
        if (reply_.size() >= MaxReplyBytes || packets_ >= MaxReplyPackets) {
            cutOff_ = true;
            finish();
            return;
        }
        const qint64 left = timing_.maxMs - clock_.elapsed();
        quietTimer_.start(static_cast<int>(std::clamp<qint64>(left, 0, timing_.quietMs)));
    }
}

void RemoteConsole::finish() {
    if (!waiting_)
        return;
    waiting_ = false;
    quietTimer_.stop();
    if (packets_ == 0)
        emit silent();
    else
        emit answered(reply_, cutOff_);
}

} // namespace velkarn
