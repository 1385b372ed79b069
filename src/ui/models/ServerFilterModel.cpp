#include "ui/models/ServerFilterModel.h"

#include "ui/models/LiveServersModel.h"
#include "ui/models/ServerStatusCells.h"

namespace velkarn {

ServerFilterModel::ServerFilterModel(LiveServersModel& servers, QObject* parent)
    : QSortFilterProxyModel(parent), servers_(servers) {
    setSortRole(SortRole);
    QSortFilterProxyModel::setSourceModel(&servers);
}

void ServerFilterModel::setSourceModel(QAbstractItemModel* model) {
    if (model == &servers_)
        QSortFilterProxyModel::setSourceModel(model);
}

void ServerFilterModel::setFilter(const ServerFilter& filter) {
    if (filter == filter_)
        return;
    filter_ = filter;
    invalidateRowsFilter();
}

const LiveServer& ServerFilterModel::liveServerAt(int row) const {
    return servers_.liveServerAt(mapToSource(index(row, 0)).row());
}

int ServerFilterModel::answeredCount() const {
    int answered = 0;
    for (int row = 0; row < sourceModel()->rowCount(); ++row)
        answered += servers_.liveServerAt(row).status ? 1 : 0;
    return answered;
}

bool ServerFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return filter_.shows(servers_.liveServerAt(sourceRow));
}

} // namespace velkarn
