#include "ui/models/ServerStatusCells.h"

#include "core/setup/PlayerName.h"
#include "ui/widgets/ColoredTextDelegate.h"
#include "ui/widgets/LocalText.h"

#include <QFont>
#include <QHash>
#include <QIcon>
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
    case StatusCell::Loss:
        break; // the same answered or not
    }
    return {};
}

QVariant lossCell(const LiveServer& server, int role) {
    const std::optional<int> loss = server.history.lossPercent();
    if (!loss)
        return {};
    if (role == SortRole)
        return *loss;
    if (role == Qt::ToolTipRole)
        return "Pings of the last rounds: " + pingHistoryText(server.history);
    return role == Qt::DisplayRole ? QVariant(QString::number(*loss) + "%") : QVariant();
}

QVariant lossCell(const LiveServer& server, int role);

// The flag and the name of the server's country beside its host name, answered or not.
QVariant countryData(const LiveServer& server, int role) {
    if (!server.country)
        return {};
    const QString name = QString::fromUtf8(server.country->name.c_str());
    if (role == Qt::DecorationRole) {
        static QHash<QString, QIcon> flags; // a few hundred at most
        const QString file = local(server.country->flagFile);
        if (file.isEmpty())
            return {};
        auto found = flags.find(file);
        if (found == flags.end())
            found = flags.insert(file, QIcon(file));
        return *found;
    }
    if (role == Qt::AccessibleTextRole) // the host name as read aloud, with its land
        return server.status ? local(plainName(server.status->hostName())) + " (" + name + ")"
                             : name;
    if (role == Qt::ToolTipRole) {
        const QVariant buddies = rowData(server, role);
        return buddies.isValid() ? name + "\n" + buddies.toString() : QVariant(name);
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

QString pingHistoryText(const PingHistory& history) {
    QStringList pings;
    for (const std::optional<int>& ping : history.pings())
        pings << (ping ? QString::number(*ping) : QString("lost"));
    return pings.join(" ");
}

QVariant statusCellData(const LiveServer& server, StatusCell cell, int role) {
    if (cell == StatusCell::Loss)
        return role == Qt::FontRole ? rowData(server, role) : lossCell(server, role);
    if (cell == StatusCell::HostName &&
        (role == Qt::DecorationRole || role == Qt::AccessibleTextRole ||
         (role == Qt::ToolTipRole && server.country)))
        return countryData(server, role);
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
