#pragma once

#include "core/network/MasterList.h"
#include "core/network/ServerAddress.h"
#include "core/network/ServerStatus.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <array>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

namespace velkarn {

// How patient the queries are. Tests shorten the wait.
struct QueryTiming {
    int waitMs = 1000; // for an answer to each request
    int retries = 1;   // requests sent again to a server that stayed silent
    int burst = 32;    // requests sent per tick, so answers do not overflow the socket buffer
    int tickMs = 5;    // the pace of sending and of the waits
    // How often the windows ask their servers again while the program runs, so a buddy coming
    // online is seen.
    int reaskMs = 3 * 60 * 1000;
    // How often a full server is asked while waiting for a place on it.
    int seatWaitMs = 5000;
};

// Asks many servers at once for their status, and master servers for their lists, over one UDP
// socket, without ever blocking: requests go out in small bursts, answers are read as they come
// and reported by signals. An answer counts only when it comes from an address that was asked
// and is the first from there; everything else is dropped. A query ends when every server
// answered or stayed silent through its retries.
class QueryEngine : public QObject {
    Q_OBJECT
public:
    explicit QueryEngine(QueryTiming timing = {}, QObject* parent = nullptr);
    ~QueryEngine() override;

    // Asks each server for its status; the server at position i is reported as id i. A query
    // still running is stopped first.
    void queryServers(const std::vector<ServerAddress>& servers);
    // Asks one more server, reported as `id`, within the running query of servers or in a new
    // one. A server the query has finished with is asked again, so the new id gets its answer.
    void askServer(const ServerAddress& server, int id);
    // Asks the masters for their lists and every server listed for its status; listed servers
    // get ids 0, 1, ... in the order found (serverListed), each address once. A master named
    // with several protocols is asked for each list in turn and reported once.
    void queryMasters(const std::vector<MasterServer>& masters);
    // Forgets the running query: nothing more is reported of it.
    void stop();
    bool running() const { return outstanding_ > 0; }

signals:
    void serverListed(int id, const velkarn::ServerAddress& address);
    void serverAnswered(int id, const velkarn::ServerStatus& status);
    // `requests`: how many were sent to it, none answered.
    void serverSilent(int id, int requests);
    void masterAnswered(const velkarn::ServerAddress& master, int serversListed);
    void masterSilent(const velkarn::ServerAddress& master);
    void finished();

private:
    enum class Kind { Server, Master };
    struct Target {
        Kind kind = Kind::Server;
        QHostAddress address;
        quint16 port = 0;
        std::vector<int> ids;       // servers: the ids reported for this address
        MasterServer master;        // masters: what was asked
        std::vector<int> protocols; // masters: one list asked for each
        int listsEnded = 0;         // masters: lists whose end mark came
        int listed = 0;             // masters: servers listed so far
        bool heard = false;         // masters: a list came, maybe in parts still
        bool extendedList = false;  // masters: that list answers getserversExt
        int attempts = 0;
        std::array<qint64, 4> sentAt{};
        qint64 deadline = 0;
        bool done = false;
    };

    void start();
    void resolve(const ServerAddress& address, Kind kind, int id, const MasterServer& master);
    void addTarget(const QHostAddress& address, quint16 port, Kind kind, int id,
                   const MasterServer& master);
    void giveUp(Kind kind, int id, const MasterServer& master);
    void tick();
    void sendRequest(int index);
    void readPending();
    void takePacket(const QByteArray& packet, const QHostAddress& from, quint16 port);
    void takeStatus(Target& target, const QByteArray& packet);
    void takeMasterList(Target& target, const QByteArray& packet);
    void listServer(const QHostAddress& address, quint16 port);
    void finishTarget(Target& target);
    void oneLess();
    bool ensureSocket();

    QueryTiming timing_;
    QUdpSocket socket_;
    QTimer ticker_;
    QElapsedTimer clock_;
    QByteArray buffer_;
    std::vector<Target> targets_;
    std::unordered_map<std::string, int> byEndpoint_; // address and port -> target
    std::deque<int> sendQueue_;                       // targets due for a request
    std::deque<int> waiting_;                         // targets asked, by deadline
    int outstanding_ = 0;                             // targets and name lookups not finished yet
    int nextListedId_ = 0;                            // ids of servers found through masters
    unsigned generation_ = 0;    // tells late name lookups of a stopped query apart
    bool ipv6Reachable_ = false; // the socket speaks both families
};

} // namespace velkarn
