#include "core/network/QueryEngine.h"

#include "core/network/ServerPackets.h"

#include <QHostInfo>
#include <QtEndian>
#include <algorithm>

namespace velkarn {

namespace {

// The most servers one search follows up, as many as the engine's own browser keeps
// (MAX_GLOBAL_SERVERS); a master listing more is cut off there.
constexpr int MaxListedServers = 4096;
// Datagrams read in one go before the event loop gets its turn again, so a flood of packets
// cannot starve the windows.
constexpr int MaxReadsPerTurn = 256;

std::string endpointKey(const QHostAddress& address, quint16 port) {
    bool ipv4 = false;
    const quint32 value = address.toIPv4Address(&ipv4); // also unwraps ::ffff:a.b.c.d
    const std::string host = ipv4 ? std::to_string(value) : address.toString().toStdString();
    return host + "/" + std::to_string(port);
}

// The challenge names the attempt, so the ping is measured from the request answered.
std::string challengeFor(int attempt) {
    return "velkarn" + std::to_string(attempt);
}

} // namespace

QueryEngine::QueryEngine(QueryTiming timing, QObject* parent)
    : QObject(parent), timing_(timing), buffer_(static_cast<qsizetype>(MaxPacketBytes), '\0') {
    clock_.start();
    ticker_.setInterval(timing_.tickMs);
    connect(&ticker_, &QTimer::timeout, this, &QueryEngine::tick);
    connect(&socket_, &QUdpSocket::readyRead, this, &QueryEngine::readPending);
}

QueryEngine::~QueryEngine() = default;

bool QueryEngine::ensureSocket() {
    if (socket_.state() == QAbstractSocket::BoundState)
        return true;
    // Both address families on one socket where the system has IPv6; IPv4 alone otherwise.
    ipv6Reachable_ = socket_.bind(QHostAddress::Any, 0);
    return ipv6Reachable_ || socket_.bind(QHostAddress::AnyIPv4, 0);
}

void QueryEngine::stop() {
    ++generation_;
    ticker_.stop();
    targets_.clear();
    byEndpoint_.clear();
    sendQueue_.clear();
    waiting_.clear();
    outstanding_ = 0;
    nextListedId_ = 0;
}

void QueryEngine::start() {
    stop();
    ensureSocket();
    ticker_.start();
}

void QueryEngine::queryServers(const std::vector<ServerAddress>& servers) {
    start();
    for (std::size_t i = 0; i < servers.size(); ++i)
        resolve(servers[i], Kind::Server, static_cast<int>(i), {});
    if (outstanding_ == 0)
        oneLess(); // nothing to ask: finished at once
}

void QueryEngine::askServer(const ServerAddress& server, int id) {
    if (!running())
        start();
    resolve(server, Kind::Server, id, {});
    if (outstanding_ == 0)
        oneLess();
}

void QueryEngine::queryMasters(const std::vector<MasterServer>& masters) {
    start();
    for (const MasterServer& master : masters)
        resolve(master.address, Kind::Master, -1, master);
    if (outstanding_ == 0)
        oneLess();
}

void QueryEngine::resolve(const ServerAddress& address, Kind kind, int id,
                          const MasterServer& master) {
    ++outstanding_;
    QHostAddress literal;
    if (literal.setAddress(QString::fromStdString(address.host))) {
        addTarget(literal, address.port, kind, id, master);
        --outstanding_; // the target counts from here
        return;
    }
    const unsigned generation = generation_;
    QHostInfo::lookupHost(QString::fromStdString(address.host), this,
                          [this, generation, address, kind, id, master](const QHostInfo& info) {
                              if (generation != generation_)
                                  return;
                              const auto found = info.addresses();
                              // Prefer IPv4: that is what the servers and masters of this game
                              // mostly speak.
                              const auto ipv4 = std::find_if(
                                  found.begin(), found.end(), [](const QHostAddress& a) {
                                      return a.protocol() == QAbstractSocket::IPv4Protocol;
                                  });
                              if (info.error() != QHostInfo::NoError || found.isEmpty())
                                  giveUp(kind, id, master);
                              else
                                  addTarget(ipv4 != found.end() ? *ipv4 : found.front(),
                                            address.port, kind, id, master);
                              if (generation == generation_)
                                  oneLess();
                          });
}

void QueryEngine::giveUp(Kind kind, int id, const MasterServer& master) {
    if (kind == Kind::Server)
        emit serverSilent(id, 1); // its name gave no address to ask: a round lost
    else
        emit masterSilent(master.address);
}

void QueryEngine::addTarget(const QHostAddress& address, quint16 port, Kind kind, int id,
                            const MasterServer& master) {
    const std::string key = endpointKey(address, port);
    if (const auto known = byEndpoint_.find(key); known != byEndpoint_.end()) {
        Target& target = targets_[static_cast<std::size_t>(known->second)];
        // The same server saved twice is asked once and reported under both ids; a master
        // named twice is asked for both lists. A server already done with (its name was
        // looked up late, or it was added meanwhile) is asked again below for the new id.
        const bool bothServers = kind == Kind::Server && target.kind == Kind::Server;
        if (bothServers && !target.done) {
            target.ids.push_back(id);
            return;
        }
        if (kind == Kind::Master && target.kind == Kind::Master && target.attempts == 0) {
            target.protocols.push_back(master.protocol);
            return;
        }
        if (!bothServers) {
            giveUp(kind, id, master);
            return;
        }
    }
    Target target;
    target.kind = kind;
    target.address = address;
    target.port = port;
    if (kind == Kind::Server)
        target.ids.push_back(id);
    target.master = master;
    if (kind == Kind::Master)
        target.protocols.push_back(master.protocol);
    const int index = static_cast<int>(targets_.size());
    targets_.push_back(std::move(target));
    byEndpoint_.insert_or_assign(key, index);
    sendQueue_.push_back(index);
    ++outstanding_;
}

void QueryEngine::tick() {
    const qint64 now = clock_.elapsed();
    while (!waiting_.empty() &&
           targets_[static_cast<std::size_t>(waiting_.front())].deadline <= now) {
        const int index = waiting_.front();
        waiting_.pop_front();
        Target& target = targets_[static_cast<std::size_t>(index)];
        if (target.done)
            continue;
        // A master that has begun its list is not asked again: it would start over.
        if (target.attempts <= timing_.retries && !target.heard)
            sendQueue_.push_back(index);
        else
            finishTarget(target);
    }
    for (int sent = 0; sent < timing_.burst && !sendQueue_.empty(); ++sent) {
        const int index = sendQueue_.front();
        sendQueue_.pop_front();
        sendRequest(index);
    }
    readPending();
}

void QueryEngine::sendRequest(int index) {
    Target& target = targets_[static_cast<std::size_t>(index)];
    if (target.done)
        return;
    std::vector<std::string> requests;
    if (target.kind == Kind::Server)
        requests.push_back(statusRequest(challengeFor(target.attempts)));
    // The extended question lists both families; a master silent to it may know only the plain
    // one (id's own), so a second attempt asks both ways and the first list to come is kept.
    for (int protocol : target.protocols) {
        requests.push_back(extendedMasterRequest(protocol, ipv6Reachable_));
        if (target.attempts > 0)
            requests.push_back(masterRequest(protocol));
    }
    const qint64 now = clock_.elapsed();
    target.sentAt[static_cast<std::size_t>(std::min<int>(target.attempts, 3))] = now;
    ++target.attempts;
    target.deadline = now + timing_.waitMs;
    // A failed send (no route, no socket) is simply an unanswered request.
    for (const std::string& request : requests)
        socket_.writeDatagram(request.data(), static_cast<qint64>(request.size()), target.address,
                              target.port);
    waiting_.push_back(index);
}

void QueryEngine::readPending() {
    for (int read = 0; read < MaxReadsPerTurn && socket_.hasPendingDatagrams(); ++read) {
        QHostAddress from;
        quint16 port = 0;
        const qint64 size = socket_.readDatagram(buffer_.data(), buffer_.size(), &from, &port);
        if (size <= 0 || outstanding_ == 0)
            continue; // read to be dropped: nothing is being asked
        takePacket(QByteArray::fromRawData(buffer_.constData(), size), from, port);
    }
    if (socket_.hasPendingDatagrams())
        QTimer::singleShot(0, this, &QueryEngine::readPending);
}

void QueryEngine::takePacket(const QByteArray& packet, const QHostAddress& from, quint16 port) {
    const auto known = byEndpoint_.find(endpointKey(from, port));
    if (known == byEndpoint_.end())
        return; // never asked
    Target& target = targets_[static_cast<std::size_t>(known->second)];
    if (target.done || target.attempts == 0)
        return; // answered already, or not asked yet
    if (target.kind == Kind::Server)
        takeStatus(target, packet);
    else
        takeMasterList(target, packet);
}

void QueryEngine::takeStatus(Target& target, const QByteArray& packet) {
    auto status = parseStatusResponse(
        std::string_view(packet.constData(), static_cast<std::size_t>(packet.size())));
    if (!status)
        return;
    // Ping from the request whose challenge came back, else from the last one sent.
    int attempt = target.attempts - 1;
    const std::string challenge = infoValue(status->settings, "challenge");
    for (int a = 0; a < std::min(target.attempts, 4); ++a)
        if (challenge == challengeFor(a))
            attempt = a;
    status->pingMs = static_cast<int>(
        clock_.elapsed() - target.sentAt[static_cast<std::size_t>(std::min(attempt, 3))]);
    status->requests = attempt + 1;
    target.done = true;
    const unsigned generation = generation_;
    const std::vector<int> ids = target.ids;
    for (int id : ids) {
        emit serverAnswered(id, *status);
        if (generation != generation_)
            return; // a receiver stopped the query
    }
    oneLess();
}

void QueryEngine::takeMasterList(Target& target, const QByteArray& packet) {
    const auto answer = parseMasterAnswer(
        std::string_view(packet.constData(), static_cast<std::size_t>(packet.size())));
    if (!answer || (target.heard && answer->extended != target.extendedList))
        return; // not an answer, or the other form of a list already begun
    target.extendedList = answer->extended;
    // Listing servers grows targets_, which moves `target`: it is reached by index from here.
    const std::size_t index = static_cast<std::size_t>(&target - targets_.data());
    const unsigned generation = generation_;
    targets_[index].heard = true;
    for (const ListedServer& server : answer->servers) {
        targets_[index].listed += 1;
        listServer(server.ipv6 ? QHostAddress(server.address.data())
                               : QHostAddress(qFromBigEndian<quint32>(server.address.data())),
                   server.port);
        if (generation != generation_)
            return;
    }
    if (answer->complete &&
        ++targets_[index].listsEnded >= static_cast<int>(targets_[index].protocols.size()))
        finishTarget(targets_[index]);
}

void QueryEngine::listServer(const QHostAddress& address, quint16 port) {
    if (nextListedId_ >= MaxListedServers || byEndpoint_.count(endpointKey(address, port)) != 0)
        return;
    const int id = nextListedId_++;
    const unsigned generation = generation_;
    emit serverListed(id, ServerAddress{address.toString().toStdString(), port});
    if (generation == generation_)
        addTarget(address, port, Kind::Server, id, {});
}

void QueryEngine::finishTarget(Target& target) {
    if (target.done)
        return;
    target.done = true;
    const unsigned generation = generation_;
    if (target.kind == Kind::Master) {
        if (target.heard)
            emit masterAnswered(target.master.address, target.listed);
        else
            emit masterSilent(target.master.address);
    } else {
        const std::vector<int> ids = target.ids;
        for (int id : ids) {
            emit serverSilent(id, std::max(target.attempts, 1));
            if (generation != generation_)
                return;
        }
    }
    if (generation == generation_)
        oneLess();
}

void QueryEngine::oneLess() {
    outstanding_ = std::max(outstanding_ - 1, 0);
    if (outstanding_ == 0) {
        ticker_.stop();
        sendQueue_.clear();
        waiting_.clear();
        emit finished();
    }
}

} // namespace velkarn
