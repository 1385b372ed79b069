#include "ui/models/SavedServersModel.h"

#include "core/network/ServerAddress.h"
#include "ui/models/ColumnCaptions.h"
#include "ui/models/ServerStatusCells.h"
#include "ui/widgets/LocalText.h"

#include <algorithm>

namespace velkarn {

SavedServersModel::SavedServersModel(SavedServers& servers, BuddyBook& buddies, QueryTiming timing,
                                     QObject* parent)
    : LiveServersModel(buddies, parent), servers_(servers), statusQuery_(timing) {
    connect(&statusQuery_, &QueryEngine::serverAnswered, this, &SavedServersModel::takeAnswer);
    connect(&statusQuery_, &QueryEngine::serverSilent, this, &SavedServersModel::takeSilence);
    reload();
}

int SavedServersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

const SavedServer& SavedServersModel::serverAt(int row) const {
    return *servers_.at(static_cast<std::size_t>(row));
}

QVariant SavedServersModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.column() == Name) {
        const std::string& name = serverAt(index.row()).name;
        if (role == Qt::DisplayRole)
            return local(name);
        return role == SortRole ? local(name).toLower() : rowData(liveServerAt(index.row()), role);
    }
    return statusCellData(liveServerAt(index.row()), static_cast<StatusCell>(index.column() - 1),
                          role);
}

QVariant SavedServersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const QStringList captions{"Name",    "Host Name", "Map",  "Game Type",
                                      "Players", "Ping",      "Loss", "Buddies"};
    return columnCaption(captions, section, orientation, role);
}

void SavedServersModel::reload() {
    statusQuery_.stop();
    beginResetModel();
    asked_.clear();
    // A server still listed keeps what it said and its rounds: the list changed, not it. Entries
    // of one address take the kept ones in turn, so each keeps its own.
    std::vector<LiveServer> before = std::move(live_);
    live_.clear();
    for (const auto& server : servers_) {
        const auto kept = std::find_if(before.begin(), before.end(), [&](const LiveServer& old) {
            return old.address == server->address;
        });
        if (kept == before.end()) {
            live_.push_back(LiveServer{server->address, {}, {}, {}, {}, {}});
        } else {
            live_.push_back(std::move(*kept));
            before.erase(kept);
        }
    }
    endResetModel();
}

void SavedServersModel::refreshStatus() {
    std::vector<ServerAddress> addresses;
    asked_.clear();
    for (const auto& server : servers_) {
        addresses.push_back(addressToAsk(server->address));
        asked_.push_back(server.get());
    }
    statusQuery_.queryServers(addresses);
}

void SavedServersModel::askServer(int row) {
    if (!statusQuery_.running())
        asked_.clear(); // no id of a finished query is reported any more
    const SavedServer* record = servers_[static_cast<std::size_t>(row)].get();
    const int id = static_cast<int>(asked_.size());
    asked_.push_back(record);
    statusQuery_.askServer(addressToAsk(record->address), id);
}

int SavedServersModel::rowOfAsked(int id) const {
    if (id < 0 || id >= static_cast<int>(asked_.size()) || !asked_[static_cast<std::size_t>(id)])
        return -1;
    const SavedServer* record = asked_[static_cast<std::size_t>(id)];
    const auto found = std::find_if(servers_.begin(), servers_.end(), [record](const auto& server) {
        return server.get() == record;
    });
    return found == servers_.end() ? -1 : static_cast<int>(found - servers_.begin());
}

void SavedServersModel::takeAnswer(int id, const ServerStatus& status) {
    if (const int row = rowOfAsked(id); row >= 0)
        changeStatus(row, &status);
}

void SavedServersModel::takeSilence(int id, int requests) {
    if (const int row = rowOfAsked(id); row >= 0)
        changeStatus(row, nullptr, requests);
}

std::vector<std::string> SavedServersModel::addServer(const ServerFields& fields) {
    std::vector<std::string> problems = serverFieldProblems(fields);
    if (!problems.empty())
        return problems;
    // Refused here, where the user can still correct them, rather than only when joining.
    requireSafeServerFields(fields);
    const int row = rowCount();
    beginInsertRows({}, row, row);
    velkarn::addServer(servers_, fields);
    live_.push_back(LiveServer{fields.address, {}, {}, {}, {}, {}});
    endInsertRows();
    askServer(row);
    return {};
}

void SavedServersModel::updateServer(int row, const ServerFields& fields) {
    requireSafeServerFields(fields);
    if (!velkarn::updateServer(servers_, row, fields))
        return;
    LiveServer& live = live_[static_cast<std::size_t>(row)];
    // A new address is another server: what the old one said, or is still to say, is not its
    // answer.
    if (live.address != fields.address) {
        forgetAsked(row);
        live = LiveServer{fields.address, {}, {}, {}, {}, {}};
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        askServer(row);
        return;
    }
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void SavedServersModel::forgetAsked(int row) {
    const SavedServer* record = servers_[static_cast<std::size_t>(row)].get();
    std::replace(asked_.begin(), asked_.end(), record, static_cast<const SavedServer*>(nullptr));
}

void SavedServersModel::deleteServer(int row) {
    if (row < 0 || row >= rowCount())
        return;
    forgetAsked(row);
    beginRemoveRows({}, row, row);
    velkarn::deleteServer(servers_, row);
    live_.erase(live_.begin() + row);
    endRemoveRows();
}

} // namespace velkarn
