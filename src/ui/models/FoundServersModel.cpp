#include "ui/models/FoundServersModel.h"

#include "ui/models/ServerStatusCells.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

FoundServersModel::FoundServersModel(QueryTiming timing, QObject* parent)
    : QAbstractTableModel(parent), query_(timing) {
    connect(&query_, &QueryEngine::serverListed, this,
            [this](int id, const ServerAddress& address) {
                listed_.resize(static_cast<std::size_t>(id) + 1);
                listed_[static_cast<std::size_t>(id)] = address;
                emit progressChanged();
            });
    connect(&query_, &QueryEngine::serverAnswered, this, &FoundServersModel::takeAnswer);
    connect(&query_, &QueryEngine::finished, this, &FoundServersModel::progressChanged);
}

int FoundServersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FoundServersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

const LiveServer& FoundServersModel::liveServerAt(int row) const {
    return rows_.at(static_cast<std::size_t>(row));
}

QVariant FoundServersModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const LiveServer& server = liveServerAt(index.row());
    if (index.column() == Address)
        return role == Qt::DisplayRole || role == SortRole ? local(server.address) : QVariant();
    return statusCellData(server, static_cast<StatusCell>(index.column()), role);
}

QVariant FoundServersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const captions[ColumnCount] = {"Host Name", "Map",  "Game Type",
                                                      "Players",   "Ping", "Address"};
    return section >= 0 && section < ColumnCount ? QString(captions[section]) : QVariant();
}

void FoundServersModel::findServers(const std::vector<MasterServer>& masters) {
    query_.stop();
    beginResetModel();
    listed_.clear();
    rowOfListed_.clear();
    rows_.clear();
    endResetModel();
    stopped_ = false;
    query_.queryMasters(masters);
    emit progressChanged();
}

void FoundServersModel::stopSearch() {
    if (!query_.running())
        return;
    query_.stop();
    stopped_ = true;
    emit progressChanged();
}

void FoundServersModel::takeAnswer(int id, const ServerStatus& status) {
    if (id < 0 || id >= listedCount() || rowOfListed_.contains(id))
        return;
    const int row = rowCount();
    beginInsertRows({}, row, row);
    rows_.push_back({formatServerAddress(listed_[static_cast<std::size_t>(id)]), status});
    rowOfListed_.emplace(id, row);
    endInsertRows();
    emit progressChanged();
}

} // namespace velkarn
