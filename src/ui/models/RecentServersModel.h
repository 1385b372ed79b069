#pragma once

#include "core/results/ResultsTracker.h"
#include "ui/models/RowTableModel.h"

namespace velkarn {

// The servers joined, the last joined first: name, address, last joined, joins, time played.
// Read again whenever a join is recorded or its game ends.
class RecentServersModel : public RowTableModel<RecentServer> {
    Q_OBJECT
public:
    explicit RecentServersModel(ResultsTracker& results, QObject* parent = nullptr);

    const RecentServer& serverAt(int row) const { return rowAt(row); }
    void reload() { setRows(results_.recentServers()); }

private:
    QVariant cell(const RecentServer& server, int column, int role) const override;

    ResultsTracker& results_;
};

} // namespace velkarn
