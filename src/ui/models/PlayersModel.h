#pragma once

#include "core/network/ServerStatus.h"

#include <QAbstractTableModel>
#include <vector>

namespace velkarn {

// The players of a server: name (in its colors through CodedTextRole), score and ping.
class PlayersModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Player, Score, Ping, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void showPlayers(const std::vector<PlayerLine>& players);
    void clear();

private:
    std::vector<PlayerLine> players_;
};

} // namespace velkarn
