#include "ui/models/FoundServersModel.h"

#include "ui/models/ColumnCaptions.h"
#include "ui/models/ServerStatusCells.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

FoundServersModel::FoundServersModel(BuddyBook& buddies, QueryTiming timing, QObject* parent)
    : LiveServersModel(buddies, parent), query_(timing) {
    connect(&query_, &QueryEngine::serverListed, this,
            [this](int id, const ServerAddress& address) {
                listed_.resize(static_cast<std::size_t>(id) + 1);
                listed_[static_cast<std::size_t>(id)] = address;
                emit progressChanged();
            });
    connect(&query_, &QueryEngine::serverAnswered, this, &FoundServersModel::takeAnswer);
    connect(&query_, &QueryEngine::serverSilent, this, &FoundServersModel::takeSilence);
    connect(&query_, &QueryEngine::finished, this, &FoundServersModel::progressChanged);
    connect(&query_, &QueryEngine::masterSilent, this, &FoundServersModel::masterSilent);
}

int FoundServersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FoundServersModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const LiveServer& server = liveServerAt(index.row());
    switch (index.column()) {
    case Address:
        return role == Qt::DisplayRole || role == SortRole ? local(server.address)
                                                           : rowData(server, role);
    case Buddies:
        return statusCellData(server, StatusCell::Buddies, role);
    default:
        return statusCellData(server, static_cast<StatusCell>(index.column()), role);
    }
}

QVariant FoundServersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const QStringList captions{"Host Name", "Map",  "Game Type", "Players",
                                      "Ping",      "Loss", "Address",   "Buddies"};
    return columnCaption(captions, section, orientation, role);
}

void FoundServersModel::findServers(const std::vector<MasterServer>& masters) {
    query_.stop();
    beginResetModel();
    listed_.clear();
    rowOfListed_.clear();
    live_.clear();
    endResetModel();
    stopped_ = false;
    askingRows_ = false;
    query_.queryMasters(masters);
    emit progressChanged();
}

void FoundServersModel::askAgain() {
    if (query_.running() || live_.empty())
        return;
    std::vector<ServerAddress> addresses;
    for (const LiveServer& server : live_)
        addresses.push_back(addressToAsk(server.address));
    askingRows_ = true;
    query_.queryServers(addresses);
    emit progressChanged();
}

void FoundServersModel::stopSearch() {
    if (!query_.running())
        return;
    query_.stop();
    stopped_ = !askingRows_;
    emit progressChanged();
}

void FoundServersModel::takeAnswer(int id, const ServerStatus& status) {
    if (askingRows_) {
        if (id >= 0 && id < rowCount())
            changeStatus(id, &status);
        return;
    }
    if (id < 0 || id >= listedCount() || rowOfListed_.contains(id))
        return;
    const int row = rowCount();
    beginInsertRows({}, row, row);
    live_.push_back(
        {formatServerAddress(listed_[static_cast<std::size_t>(id)]), {}, {}, {}, {}, {}});
    rowOfListed_.emplace(id, row);
    endInsertRows();
    changeStatus(row, &status);
    emit progressChanged();
}

void FoundServersModel::takeSilence(int id, int requests) {
    // A server that never answered has no row; one asked again that fell silent keeps its own.
    if (askingRows_ && id >= 0 && id < rowCount())
        changeStatus(id, nullptr, requests);
}

} // namespace velkarn
