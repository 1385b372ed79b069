#pragma once

#include "core/network/ServerAddress.h"

#include <QByteArray>
#include <QSemaphore>
#include <QThread>
#include <vector>

namespace velkarn::bench {

// What a busy real server sends: a dozen settings and 16 players.
std::vector<QByteArray> realisticAnswer(const QByteArray& request);

// Runs `count` responders on loopback (and one master listing them) in a thread of their own, so
// the figures are the querier's. `ready` is released once they listen.
class LoopbackServers : public QThread {
public:
    explicit LoopbackServers(int count) : count_(count) {}
    std::vector<ServerAddress> servers;
    ServerAddress master;
    QSemaphore ready;

protected:
    void run() override;

private:
    int count_;
};

} // namespace velkarn::bench
