#include "ui/models/PlayersModel.h"

#include "core/setup/PlayerName.h"
#include "ui/models/ServerStatusCells.h"
#include "ui/widgets/ColoredTextDelegate.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

int PlayersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PlayersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlayersModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const PlayerLine& player = row.player;
    switch (index.column()) {
    case Player:
    case Server: {
        const std::string& name = index.column() == Player ? player.name : row.serverName;
        if (role == CodedTextRole)
            return QByteArray::fromStdString(name);
        if (role == SortRole)
            return nameSortKey(name);
        return role == Qt::DisplayRole ? local(plainName(name)) : QVariant();
    }
    case Score:
    case Ping: {
        const int number = index.column() == Score ? player.score : player.ping;
        if (role == SortRole)
            return number;
        return role == Qt::DisplayRole ? QString::number(number) : QVariant();
    }
    case Bot:
        if (role == SortRole)
            return player.isBot();
        return role == Qt::DisplayRole && player.isBot() ? QString("bot") : QVariant();
    default:
        return {};
    }
}

QVariant PlayersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const captions[ColumnCount] = {"Player", "Score", "Ping", "Server", "Bot"};
    return section >= 0 && section < ColumnCount ? QString(captions[section]) : QVariant();
}

void PlayersModel::showPlayers(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int PlayersModel::serverOf(int row) const {
    return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)].server : -1;
}

void PlayersModel::clear() {
    showPlayers({});
}

} // namespace velkarn
