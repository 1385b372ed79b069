#pragma once

#include "core/results/ResultsTracker.h"
#include "ui/models/RowTableModel.h"

namespace velkarn {

// A table of standings over all that is recorded, re-read whenever the results change: a name
// column, then maps played, wins, average place (finished maps only), and for the player's
// own maps the best place. Numbers sort as numbers (EditRole).
class StandingsModel : public RowTableModel<Standing> {
    Q_OBJECT
public:
    // Every bot, by name; the player's record on each map, by map.
    static StandingsModel* bots(ResultsTracker& results, QObject* parent);
    static StandingsModel* playerMaps(ResultsTracker& results, QObject* parent);

    // The name column, by which the views sort first.
    static constexpr int NameColumn = 0;

private:
    using Rows = std::vector<Standing> ResultsTracker::Totals::*;

    StandingsModel(ResultsTracker& results, QStringList captions, Rows rows, QObject* parent);
    void reload() { setRows(results_.totals().*rowsOfTotals_); }
    QVariant cell(const Standing& standing, int column, int role) const override;

    ResultsTracker& results_;
    Rows rowsOfTotals_;
};

} // namespace velkarn
