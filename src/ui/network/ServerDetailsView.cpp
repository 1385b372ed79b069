#include "ui/network/ServerDetailsView.h"

#include "core/platform/NoCase.h"
#include "ui/models/PlayersModel.h"
#include "ui/models/ServerFilterModel.h"
#include "ui/models/ServerSettingsModel.h"
#include "ui/models/ServerStatusCells.h"
#include "ui/network/PingHistoryChart.h"
#include "ui/network/ServerTableView.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/LocalText.h"

#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <algorithm>

namespace velkarn {

namespace {

constexpr int GatherMs = 100;

// The players listed across servers, at most: as many as a list can have servers.
constexpr std::size_t MaxListedPlayers = 4096;

void addPlayers(std::vector<PlayersModel::Row>& rows, const LiveServer& server, int sourceRow,
                const std::string& foldedSearch) {
    if (!server.status)
        return;
    for (const PlayerLine& player : server.status->players)
        if (rows.size() < MaxListedPlayers &&
            (foldedSearch.empty() ||
             foldedName(player.name).find(foldedSearch) != std::string::npos))
            rows.push_back({player, sourceRow, server.status->hostName()});
}

} // namespace

ServerDetailsView::ServerDetailsView(const ServerFilterModel& servers,
                                     QItemSelectionModel& selection, QWidget* parent)
    : QWidget(parent), servers_(servers), selection_(selection), players_(new PlayersModel(this)),
      sortedPlayers_(new QSortFilterProxyModel(this)), settings_(new ServerSettingsModel(this)) {
    sortedPlayers_->setSourceModel(players_);
    sortedPlayers_->setSortRole(SortRole);
    playerSearchEdit_ = named(new QLineEdit(this), "playerSearchEdit");
    playerSearchEdit_->setPlaceholderText("Any server's player");
    playerSearchEdit_->setClearButtonEnabled(true);
    playerTable_ = serverTableView(sortedPlayers_, "playerTable", this);
    playerTable_->setSortingEnabled(true);
    spoken(playerTable_, "Players", "The players of the chosen servers, or of any server found");
    playerTable_->sortByColumn(PlayersModel::Score, Qt::DescendingOrder);
    settingsTable_ = serverTableView(settings_, "settingsTable", this);
    pingChart_ = new PingHistoryChart(this);
    spoken(settingsTable_, "Server settings", "The settings the chosen server reports");
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(namedLabel("Find pla&yer", "playerSearchLabel", this, playerSearchEdit_), 0,
                      0);
    layout->addWidget(playerSearchEdit_, 0, 1);
    layout->addWidget(playerTable_, 1, 0, 1, 2);
    layout->addWidget(settingsTable_, 0, 2, 2, 1);
    layout->addWidget(pingChart_, 2, 0, 1, 3);
    layout->setColumnStretch(1, 3);
    layout->setColumnStretch(2, 2);

    pending_.setSingleShot(true);
    pending_.setInterval(GatherMs);
    connect(&pending_, &QTimer::timeout, this, &ServerDetailsView::showDetails);
    const auto later = [this] { pending_.start(); };
    connect(&servers_, &QAbstractItemModel::dataChanged, this, later);
    connect(&servers_, &QAbstractItemModel::modelReset, this, later);
    connect(&servers_, &QAbstractItemModel::rowsInserted, this, later);
    connect(&servers_, &QAbstractItemModel::rowsRemoved, this, later);
    connect(&selection_, &QItemSelectionModel::selectionChanged, this,
            &ServerDetailsView::showDetails);
    connect(playerSearchEdit_, &QLineEdit::textChanged, this, &ServerDetailsView::showDetails);
    connect(playerTable_, &QTableView::activated, this, [this](const QModelIndex& index) {
        const int server = players_->serverOf(sortedPlayers_->mapToSource(index).row());
        if (server >= 0)
            emit serverChosen(server);
    });
}

void ServerDetailsView::showDetails() {
    pending_.stop();
    const std::string search = toLower(bytes(playerSearchEdit_->text().trimmed()));
    QModelIndexList selected = selection_.selectedRows();
    std::sort(selected.begin(), selected.end());
    std::vector<PlayersModel::Row> rows;
    if (search.empty())
        for (const QModelIndex& index : selected)
            addPlayers(rows, servers_.liveServerAt(index.row()), servers_.mapToSource(index).row(),
                       search);
    else
        for (int row = 0; row < servers_.rowCount(); ++row)
            addPlayers(rows, servers_.liveServerAt(row),
                       servers_.mapToSource(servers_.index(row, 0)).row(), search);
    players_->showPlayers(std::move(rows));

    const QModelIndex current = selection_.currentIndex();
    const QModelIndex shown = current.isValid() && selection_.isRowSelected(current.row())
                                  ? current
                                  : (selected.isEmpty() ? QModelIndex() : selected.front());
    const LiveServer* server = shown.isValid() ? &servers_.liveServerAt(shown.row()) : nullptr;
    pingChart_->showHistory(server ? server->history : PingHistory{});
    if (server && server->status)
        settings_->showSettings(server->status->settings);
    else
        settings_->clear();
}

} // namespace velkarn
