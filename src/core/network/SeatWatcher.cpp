#include "core/network/SeatWatcher.h"

#include <algorithm>

namespace velkarn {

int freePublicPlaces(const ServerStatus& status) {
    const int places = status.maxPlayers();
    if (places <= 0)
        return -1;
    return std::max(places - status.privateSlots() - status.playerCount(), 0);
}

SeatWatcher::SeatWatcher(SeatWatchTiming timing, QObject* parent)
    : QObject(parent), timing_(timing), query_(timing.query) {
    rounds_.setInterval(timing_.everyMs);
    connect(&rounds_, &QTimer::timeout, this, &SeatWatcher::askAgain);
    connect(&query_, &QueryEngine::serverAnswered, this,
            [this](int, const ServerStatus& status) { takeAnswer(status); });
}

void SeatWatcher::watch(const ServerAddress& server) {
    cancel();
    server_ = server;
    since_.start();
    rounds_.start();
    query_.queryServers({server_});
}

void SeatWatcher::cancel() {
    rounds_.stop();
    query_.stop();
}

void SeatWatcher::askAgain() {
    if (since_.elapsed() >= timing_.giveUpMs) {
        cancel();
        emit gaveUp();
        return;
    }
    query_.queryServers({server_});
}

void SeatWatcher::takeAnswer(const ServerStatus& status) {
    if (!watching())
        return;
    if (freePublicPlaces(status) > 0) {
        cancel();
        emit placeFree(status);
    } else {
        emit stillFull(status);
    }
}

} // namespace velkarn
