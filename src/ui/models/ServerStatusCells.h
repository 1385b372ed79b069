#pragma once

#include "core/network/LiveServer.h"

#include <QVariant>

// The cells of a live server shared by the saved servers and the found servers: host name, map,
// game type, players, ping and the buddies on it.
namespace velkarn {

// The role the server tables sort by: numbers for players and ping, names without color codes
// and without regard to case.
constexpr int SortRole = Qt::UserRole + 3;

enum class StatusCell { HostName, Map, GameType, Players, Ping, Loss, Buddies };

// The data of one cell for `role`: the display text, the host name with its color codes
// (CodedTextRole), the sort key, and the bold font of a server with a buddy on it (any cell of
// its row: rowData). A server that has not answered shows "no answer" as its ping and sorts
// after every one that has. Loss is the per cent of the last rounds it stayed silent in, with
// its pings in the tool tip.
QVariant statusCellData(const LiveServer& server, StatusCell cell, int role);

// What every cell of a server's row has whatever its column: the bold font and the tool tip of
// a server with a buddy on it.
QVariant rowData(const LiveServer& server, int role);

// The pings of the rounds kept, oldest first, "lost" for a round without an answer.
QString pingHistoryText(const PingHistory& history);

// A name's sort key: without color codes, lower case.
QVariant nameSortKey(const std::string& codedName);

} // namespace velkarn
