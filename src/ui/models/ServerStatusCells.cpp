#include "ui/models/ServerStatusCells.h"

#include "core/setup/PlayerName.h"
#include "ui/widgets/ColoredTextDelegate.h"
#include "ui/widgets/LocalText.h"

#include <QFont>
#include <QStringList>

namespace velkarn {

namespace {

// Silent servers sort after every answering one.
constexpr int SilentPing = 1 << 30;

QString buddyNames(const LiveServer& server) {
    QStringList names;
    for (const std::string& buddy : server.buddies)
        names << local(buddy);
    return names.join(", ");
}

QVariant answeredCell(const LiveServer& server, StatusCell cell, int role) {
    const ServerStatus& status = *server.status;
    const bool sorting = role == SortRole;
    switch (cell) {
    case StatusCell::HostName:
        if (role == CodedTextRole)
            return QByteArray::fromStdString(status.hostName());
        return sorting ? nameSortKey(status.hostName()) : local(plainName(status.hostName()));
    case StatusCell::Map:
        return sorting ? local(status.map()).toLower() : local(status.map());
    case StatusCell::GameType:
        return local(status.gameType());
    case StatusCell::Players:
        return sorting ? QVariant(status.playerCount()) : QVariant(local(status.playersText()));
    case StatusCell::Ping:
        return sorting ? QVariant(status.pingMs) : QVariant(QString::number(status.pingMs));
    case StatusCell::Buddies:
        return sorting ? buddyNames(server).toLower() : buddyNames(server);
    }
    return {};
}

} // namespace

QVariant nameSortKey(const std::string& codedName) {
    return local(plainName(codedName)).toLower();
}

QVariant rowData(const LiveServer& server, int role) {
    if (server.buddies.empty())
        return {};
    if (role == Qt::FontRole) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return role == Qt::ToolTipRole ? "Buddies here: " + buddyNames(server) : QVariant();
}

QVariant statusCellData(const LiveServer& server, StatusCell cell, int role) {
    if (role == Qt::FontRole || role == Qt::ToolTipRole)
        return rowData(server, role);
    const bool coded = role == CodedTextRole;
    if ((role != Qt::DisplayRole && role != SortRole && !coded) ||
        (coded && cell != StatusCell::HostName))
        return {};
    if (server.status)
        return answeredCell(server, cell, role);
    if (cell != StatusCell::Ping || coded)
        return {};
    return role == SortRole ? QVariant(SilentPing) : QVariant(QString("no answer"));
}

} // namespace velkarn
