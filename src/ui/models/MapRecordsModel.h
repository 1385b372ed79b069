#pragma once

#include "core/results/ResultsTracker.h"

#include <QAbstractTableModel>
#include <vector>

namespace velkarn {

// The player's own record on each map across all recorded series: maps played, wins, average
// and best place (finished maps only), by map name; follows the results.
class MapRecordsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Map, Matches, Wins, AveragePlace, BestPlace, ColumnCount };

    explicit MapRecordsModel(ResultsTracker& results, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void reload();

    ResultsTracker& results_;
    std::vector<MapRecord> records_;
};

} // namespace velkarn
