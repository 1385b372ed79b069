#include "ui/models/PlayersModel.h"

#include "core/setup/PlayerName.h"
#include "ui/models/ServerStatusCells.h"
#include "ui/widgets/ColoredTextDelegate.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

PlayersModel::PlayersModel(QObject* parent)
    : RowTableModel({"Player", "Score", "Ping", "Server", "Bot"}, parent) {
}

QVariant PlayersModel::cell(const Row& row, int column, int role) const {
    const PlayerLine& player = row.player;
    switch (column) {
    case Player:
    case Server: {
        const std::string& name = column == Player ? player.name : row.serverName;
        if (role == CodedTextRole)
            return QByteArray::fromStdString(name);
        if (role == SortRole)
            return nameSortKey(name);
        return role == Qt::DisplayRole ? local(plainName(name)) : QVariant();
    }
    case Score:
    case Ping: {
        const int number = column == Score ? player.score : player.ping;
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

int PlayersModel::serverOf(int row) const {
    return row >= 0 && row < rowCount() ? rowAt(row).server : -1;
}

} // namespace velkarn
