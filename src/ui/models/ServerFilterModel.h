#pragma once

#include "core/network/ServerFilter.h"

#include <QSortFilterProxyModel>

namespace velkarn {

class LiveServersModel;

// The servers of a live-server model that a filter shows, sorted by SortRole. The source keeps
// every server, answered or not: filtering only chooses rows, it never stops a query.
class ServerFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    ServerFilterModel(LiveServersModel& servers, QObject* parent = nullptr);

    const ServerFilter& filter() const { return filter_; }
    void setFilter(const ServerFilter& filter);

    // The server of a row of this model.
    const LiveServer& liveServerAt(int row) const;
    // How many servers of the source have answered.
    int answeredCount() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    // The source is the model given at construction, for the proxy's whole life.
    void setSourceModel(QAbstractItemModel* model) override;

    const LiveServersModel& servers_;
    ServerFilter filter_;
};

} // namespace velkarn
