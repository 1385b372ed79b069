#include "ui/models/RecentServersModel.h"

#include "ui/widgets/LocalText.h"

namespace velkarn {

namespace {

enum Column { Name, Address, LastJoined, Joins, Played };

} // namespace

RecentServersModel::RecentServersModel(ResultsTracker& results, QObject* parent)
    : RowTableModel({"Server", "Address", "Last Joined", "Joins", "Time Played"}, parent),
      results_(results) {
    connect(&results_, &ResultsTracker::recentServersChanged, this, [this] { reload(); });
    reload();
}

QVariant RecentServersModel::cell(const RecentServer& server, int column, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case Name:
        return local(server.name);
    case Address:
        return local(server.address);
    case LastJoined:
        return local(server.lastJoinedAt);
    case Joins:
        return server.joins;
    case Played:
        return local(server.playedText());
    default:
        return {};
    }
}

} // namespace velkarn
