#pragma once

#include "core/results/ResultRecords.h"

#include <QAbstractTableModel>
#include <optional>

namespace velkarn {

// The participants of one recorded map, best first: place, name, bot or player, team, score
// and ping. The winners' rows are shown bold on a highlighted background, the player's in
// italics. A recorded map never changes, so the model keeps its own copy.
class ParticipantsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Place, Name, Kind, Team, Score, Ping, ColumnCount };

    explicit ParticipantsModel(QObject* parent = nullptr);

    // Shows the map's participants; nullptr shows none.
    void showMatch(const MatchResult* match);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Whether a row's participant won the map (first place; in team games the winning team).
    bool isWinner(int row) const;

private:
    std::optional<MatchResult> match_;
};

} // namespace velkarn
