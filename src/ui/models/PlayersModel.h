#pragma once

#include "core/network/ServerStatus.h"

#include <QAbstractTableModel>
#include <vector>

namespace velkarn {

// Players, each with the server they are on: name (in its colors through CodedTextRole), score,
// ping, the server's host name, and "bot" for a bot (ServerStatus.h says how one is told).
class PlayersModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Player, Score, Ping, Server, Bot, ColumnCount };

    struct Row {
        PlayerLine player;
        int server = -1;        // the server's row in the servers' model
        std::string serverName; // its host name, with color codes
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void showPlayers(std::vector<Row> rows);
    void clear();
    // The row in the servers' model of the server a player's row is on.
    int serverOf(int row) const;

private:
    std::vector<Row> rows_;
};

} // namespace velkarn
