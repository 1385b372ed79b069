#pragma once

#include "core/results/ResultsTracker.h"

#include <QAbstractTableModel>
#include <vector>

namespace velkarn {

// The servers joined, the last joined first: name, address, last joined, joins, time played.
// Read again whenever a join is recorded or its game ends.
class RecentServersModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecentServersModel(ResultsTracker& results, QObject* parent = nullptr);

    const RecentServer& serverAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    ResultsTracker& results_;
    std::vector<RecentServer> rows_;
};

} // namespace velkarn
