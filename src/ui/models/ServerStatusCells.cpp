#include "ui/models/ServerStatusCells.h"

#include "ui/widgets/ColoredTextDelegate.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

namespace {

// Silent servers sort after every answering one.
constexpr int SilentPing = 1 << 30;

QVariant answeredCell(const ServerStatus& status, StatusCell cell, int role) {
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
    }
    return {};
}

} // namespace

QVariant nameSortKey(const std::string& codedName) {
    return local(plainName(codedName)).toLower();
}

QVariant statusCellData(const LiveServer& server, StatusCell cell, int role) {
    const bool coded = role == CodedTextRole;
    if ((role != Qt::DisplayRole && role != SortRole && !coded) ||
        (coded && cell != StatusCell::HostName))
        return {};
    if (server.status)
        return answeredCell(*server.status, cell, role);
    if (cell != StatusCell::Ping || coded)
        return {};
    return role == SortRole ? QVariant(SilentPing) : QVariant(QString("no answer"));
}

} // namespace velkarn
