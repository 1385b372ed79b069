#include "ui/models/PlayersModel.h"

#include "ui/models/ServerStatusCells.h"
#include "ui/widgets/ColoredTextDelegate.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

int PlayersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(players_.size());
}

int PlayersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlayersModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const PlayerLine& player = players_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case Player:
        if (role == CodedTextRole)
            return QByteArray::fromStdString(player.name);
        if (role == SortRole)
            return nameSortKey(player.name);
        return role == Qt::DisplayRole ? local(plainName(player.name)) : QVariant();
    case Score:
    case Ping: {
        const int number = index.column() == Score ? player.score : player.ping;
        if (role == SortRole)
            return number;
        return role == Qt::DisplayRole ? QString::number(number) : QVariant();
    }
    default:
        return {};
    }
}

QVariant PlayersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const captions[ColumnCount] = {"Player", "Score", "Ping"};
    return section >= 0 && section < ColumnCount ? QString(captions[section]) : QVariant();
}

void PlayersModel::showPlayers(const std::vector<PlayerLine>& players) {
    beginResetModel();
    players_ = players;
    endResetModel();
}

void PlayersModel::clear() {
    showPlayers({});
}

} // namespace velkarn
