#pragma once

#include "core/results/ResultsTracker.h"

#include <QAbstractTableModel>
#include <vector>

namespace velkarn {

// Every bot across all recorded series: maps played, wins and average place (finished maps
// only), sorted by name; follows the results.
class BotStandingsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Matches, Wins, AveragePlace, ColumnCount };

    explicit BotStandingsModel(ResultsTracker& results, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void reload();

    ResultsTracker& results_;
    std::vector<BotStanding> standings_;
};

} // namespace velkarn
