#pragma once

#include "core/results/ResultsTracker.h"

#include <QAbstractItemModel>

namespace velkarn {

// The recorded series, newest first, each with its maps in play order below it: a tree of two
// levels over ResultsTracker::series(), reset whenever the results change.
class SeriesModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { When, SetupOrMap, GameType, End, YourPlace, Winner, ColumnCount };

    explicit SeriesModel(ResultsTracker& results, QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The map a row stands for: a map row's own, a series row's last; nullptr for none.
    const MatchResult* matchAt(const QModelIndex& index) const;

private:
    const std::vector<SeriesResult>& series() const { return results_.series(); }

    ResultsTracker& results_;
};

} // namespace velkarn
