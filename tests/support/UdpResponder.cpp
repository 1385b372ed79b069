#include "support/UdpResponder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QThread>
#include <QTimer>

namespace velkarn::test {

UdpResponder::UdpResponder(Reply reply, int delayMs, bool answerFromStranger, bool ipv6)
    : reply_(std::move(reply)), delayMs_(delayMs) {
    const QHostAddress loopback(ipv6 ? QHostAddress::LocalHostIPv6 : QHostAddress::LocalHost);
    socket_.bind(loopback, 0);
    if (answerFromStranger) {
        stranger_ = std::make_unique<QUdpSocket>();
        stranger_->bind(loopback, 0);
    }
    connect(&socket_, &QUdpSocket::readyRead, this, &UdpResponder::answer);
}

ServerAddress UdpResponder::address() const {
    return {socket_.localAddress().toString().toStdString(), socket_.localPort()};
}

void UdpResponder::answer() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram request = socket_.receiveDatagram();
        ++requestsSeen_;
        const std::vector<QByteArray> replies = reply_(request.data());
        QUdpSocket* from = stranger_ ? stranger_.get() : &socket_;
        auto send = [from, replies, to = request.senderAddress(), port = request.senderPort()] {
            for (const QByteArray& reply : replies)
                from->writeDatagram(reply, to, static_cast<quint16>(port));
        };
        if (delayMs_ > 0)
            QTimer::singleShot(delayMs_, this, send);
        else
            send();
    }
}

QByteArray statusAnswer(const std::string& settings, const std::vector<std::string>& players,
                        const QByteArray& request) {
    QByteArray packet("\xff\xff\xff\xffstatusResponse\n");
    packet += QByteArray::fromStdString(settings);
    const qsizetype blank = request.indexOf(' ');
    if (blank >= 0)
        packet += "\\challenge\\" + request.mid(blank + 1);
    packet += '\n';
    for (const std::string& player : players)
        packet += QByteArray::fromStdString(player) + '\n';
    return packet;
}

std::unique_ptr<UdpResponder> statusServer(const std::string& settings,
                                           const std::vector<std::string>& players, int delayMs,
                                           bool ipv6) {
    return std::make_unique<UdpResponder>(
        [settings, players](const QByteArray& request) -> std::vector<QByteArray> {
            if (!request.startsWith("\xff\xff\xff\xffgetstatus"))
                return {};
            return {statusAnswer(settings, players, request)};
        },
        delayMs, false, ipv6);
}

std::unique_ptr<UdpResponder>
changingServer(const std::string& settings, std::shared_ptr<const std::vector<std::string>> players,
               bool ipv6) {
    return std::make_unique<UdpResponder>(
        [settings, players](const QByteArray& request) -> std::vector<QByteArray> {
            if (!request.startsWith("\xff\xff\xff\xffgetstatus"))
                return {};
            return {statusAnswer(settings, *players, request)};
        },
        0, false, ipv6);
}

std::unique_ptr<UdpResponder> goodServer(const std::string& hostName, int delayMs, bool ipv6) {
    return statusServer("\\sv_hostname\\" + hostName +
                            "\\mapname\\q3dm17\\g_gametype\\0\\sv_maxclients\\8",
                        {"12 48 \"^1Ace\"", "-1 0 \"Bot\""}, delayMs, ipv6);
}

std::unique_ptr<UdpResponder> rconServer(const std::string& password) {
    return std::make_unique<UdpResponder>(
        [password](const QByteArray& request) -> std::vector<QByteArray> {
            const QByteArray prefix = "\xff\xff\xff\xffrcon ";
            if (!request.startsWith(prefix))
                return {};
            const QByteArray rest = request.mid(prefix.size());
            const QByteArray given = rest.left(rest.indexOf(' '));
            const QByteArray print = "\xff\xff\xff\xffprint\n";
            if (given.toStdString() != password)
                return {print + "Bad rconpassword.\n"};
            if (rest.mid(given.size() + 1) != "status")
                return {print};
            return {
                print +
                    "map: oa_dm1\n"
                    "cl score ping name            address                                 rate \n"
                    "-- ----- ---- --------------- ---------------------------------------"
                    " -----\n 0     0    0 Angel",
                print + "yss^7        ^7bot                                     16384\n\n"};
        });
}

QByteArray masterAnswer(const std::vector<quint16>& ports, bool last) {
    QByteArray packet("\xff\xff\xff\xffgetserversResponse");
    for (quint16 port : ports) {
        const char record[] = {
            '\\', 127, 0, 0, 1, static_cast<char>(port >> 8), static_cast<char>(port & 0xFF)};
        packet.append(record, sizeof record);
    }
    if (last)
        packet.append("\\EOT\0\0\0", 7);
    return packet;
}

QByteArray extendedMasterAnswer(const std::vector<ServerAddress>& servers, bool last) {
    QByteArray packet("\xff\xff\xff\xffgetserversExtResponse");
    for (const ServerAddress& server : servers) {
        const QHostAddress address(QString::fromStdString(server.host));
        if (address.protocol() == QAbstractSocket::IPv6Protocol) {
            const Q_IPV6ADDR bytes = address.toIPv6Address();
            packet += '/';
            packet.append(reinterpret_cast<const char*>(bytes.c), 16);
        } else {
            const quint32 value = address.toIPv4Address();
            const char bytes[] = {
                '\\', static_cast<char>(value >> 24), static_cast<char>((value >> 16) & 0xFF),
                static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
            packet.append(bytes, sizeof bytes);
        }
        packet += static_cast<char>(server.port >> 8);
        packet += static_cast<char>(server.port & 0xFF);
    }
    if (last)
        packet.append("\\EOT\0\0\0", 7);
    return packet;
}

void ensureCoreApplication() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv); // lives for the test program
}

bool runEventsUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return done();
}

} // namespace velkarn::test
