#include "ui/models/RecentServersModel.h"

#include "ui/widgets/LocalText.h"

namespace velkarn {

namespace {

enum Column { Name, Address, LastJoined, Joins, Played, ColumnCount };

} // namespace

RecentServersModel::RecentServersModel(ResultsTracker& results, QObject* parent)
    : QAbstractTableModel(parent), results_(results) {
    connect(&results_, &ResultsTracker::recentServersChanged, this, [this] { reload(); });
    reload();
}

void RecentServersModel::reload() {
    beginResetModel();
    rows_ = results_.recentServers();
    endResetModel();
}

int RecentServersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RecentServersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecentServersModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const RecentServer& row = serverAt(index.row());
    switch (index.column()) {
    case Name:
        return local(row.name);
    case Address:
        return local(row.address);
    case LastJoined:
        return local(row.lastJoinedAt);
    case Joins:
        return row.joins;
    case Played:
        return local(row.playedText());
    default:
        return {};
    }
}

QVariant RecentServersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const captions[] = {"Server", "Address", "Last Joined", "Joins",
                                           "Time Played"};
    return section >= 0 && section < ColumnCount ? QVariant(captions[section]) : QVariant();
}

} // namespace velkarn
