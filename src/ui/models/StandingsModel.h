#pragma once

#include "core/results/ResultsTracker.h"

#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace velkarn {

// A table of standings over all that is recorded, re-read whenever the results change: a name
// column, then maps played, wins, average place (finished maps only), and for the player's
// own maps the best place. Numbers sort as numbers (EditRole).
class StandingsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Every bot, by name; the player's record on each map, by map.
    static StandingsModel* bots(ResultsTracker& results, QObject* parent);
    static StandingsModel* playerMaps(ResultsTracker& results, QObject* parent);

    // The name column, by which the views sort first.
    static constexpr int NameColumn = 0;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    using Rows = std::vector<Standing> ResultsTracker::Totals::*;

    StandingsModel(ResultsTracker& results, QStringList captions, Rows rows, QObject* parent);
    void reload();

    ResultsTracker& results_;
    QStringList captions_;
    Rows rowsOfTotals_;
    std::vector<Standing> rows_;
};

} // namespace velkarn
