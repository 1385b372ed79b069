#include "ui/models/LiveServersModel.h"

namespace velkarn {

LiveServersModel::LiveServersModel(BuddyBook& buddies, QObject* parent)
    : QAbstractTableModel(parent), buddies_(buddies) {
    connect(&buddies_, &BuddyBook::changed, this, &LiveServersModel::findBuddies);
}

int LiveServersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(live_.size());
}

const LiveServer& LiveServersModel::liveServerAt(int row) const {
    return live_.at(static_cast<std::size_t>(row));
}

void LiveServersModel::changeStatus(int row, const ServerStatus* status, int silentRequests) {
    LiveServer& server = live_[static_cast<std::size_t>(row)];
    server.takeAnswer(status, buddies_.list(), silentRequests);
    if (countries_)
        server.country = countries_->countryOf(addressToAsk(server.address).host);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    emit statusChanged(row);
    buddies_.noteServer(server);
}

void LiveServersModel::findBuddies() {
    for (LiveServer& server : live_)
        server.findBuddies(buddies_.list());
    if (!live_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

ServerAddress LiveServersModel::addressToAsk(const std::string& address) {
    return parseServerAddress(address).value_or(ServerAddress{"", DefaultServerPort});
}

} // namespace velkarn
