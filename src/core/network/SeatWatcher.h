#pragma once

#include "core/network/QueryEngine.h"
#include "core/network/ServerAddress.h"
#include "core/network/ServerStatus.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace velkarn {

// The places of a server anyone may take: its slots less the private ones (kept for those with
// the private password) less the players and bots on it; never below 0. Unknown (-1) when the
// server does not say how many slots it has.
int freePublicPlaces(const ServerStatus& status);

struct SeatWatchTiming {
    int everyMs = 5000;            // between two questions
    int giveUpMs = 10 * 60 * 1000; // the longest wait for a place
    QueryTiming query{1000, 1, 1, 5};
};

// Waits for a place on a full server: asks it every few seconds and says the moment a public
// place is free, or that it gave up. One server at a time; watching another cancels the first.
class SeatWatcher : public QObject {
    Q_OBJECT
public:
    explicit SeatWatcher(SeatWatchTiming timing = {}, QObject* parent = nullptr);

    void watch(const ServerAddress& server);
    // Stops asking; nothing more is reported.
    void cancel();
    bool watching() const { return rounds_.isActive(); }

signals:
    // Each answer while the server is full: players on it and its public places.
    void stillFull(const velkarn::ServerStatus& status);
    void placeFree(const velkarn::ServerStatus& status);
    void gaveUp();

private:
    void askAgain();
    void takeAnswer(const ServerStatus& status);

    SeatWatchTiming timing_;
    QueryEngine query_;
    QTimer rounds_;
    QElapsedTimer since_;
    ServerAddress server_;
};

} // namespace velkarn
