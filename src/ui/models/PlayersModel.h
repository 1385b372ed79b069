#pragma once

#include "core/network/ServerStatus.h"
#include "ui/models/RowTableModel.h"

#include <string>

namespace velkarn {

// A player with the server they are on.
struct PlayerRow {
    PlayerLine player;
    int server = -1;        // the server's row in the servers' model
    std::string serverName; // its host name, with color codes
};

// Players, each with the server they are on: name (in its colors through CodedTextRole), score,
// ping, the server's host name, and "bot" for a bot (ServerStatus.h says how one is told).
class PlayersModel : public RowTableModel<PlayerRow> {
    Q_OBJECT
public:
    enum Column { Player, Score, Ping, Server, Bot, ColumnCount };
    using Row = PlayerRow;

    explicit PlayersModel(QObject* parent = nullptr);

    void showPlayers(std::vector<Row> rows) { setRows(std::move(rows)); }
    void clear() { setRows({}); }
    // The row in the servers' model of the server a player's row is on.
    int serverOf(int row) const;

private:
    QVariant cell(const Row& row, int column, int role) const override;
};

} // namespace velkarn
