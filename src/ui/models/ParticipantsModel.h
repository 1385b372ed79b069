#pragma once

#include "core/results/ResultRecords.h"
#include "ui/models/RowTableModel.h"

#include <string>

namespace velkarn {

// The participants of one recorded map, best first: place, name, bot or player, team, score
// and ping. The winners' rows are shown bold on a highlighted background, the player's in
// italics. A recorded map never changes, so the model keeps its own copy.
class ParticipantsModel : public RowTableModel<ParticipantResult> {
    Q_OBJECT
public:
    enum Column { Place, Name, Kind, Team, Score, Ping, ColumnCount };

    explicit ParticipantsModel(QObject* parent = nullptr);

    // Shows the map's participants; nullptr shows none.
    void showMatch(const MatchResult* match);

private:
    QVariant cell(const ParticipantResult& participant, int column, int role) const override;
    // Whether the participant won the map (first place; in team games the winning team).
    bool won(const ParticipantResult& participant) const;

    bool teamGame_ = false;
    std::string winner_; // the map's winnerName()
};

} // namespace velkarn
