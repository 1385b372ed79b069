#include "ui/network/ServerDetailsView.h"

#include "ui/models/PlayersModel.h"
#include "ui/models/ServerSettingsModel.h"
#include "ui/models/ServerStatusCells.h"
#include "ui/network/ServerTableView.h"

#include <QHBoxLayout>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace velkarn {

ServerDetailsView::ServerDetailsView(QWidget* parent)
    : QWidget(parent), players_(new PlayersModel(this)), settings_(new ServerSettingsModel(this)) {
    auto* sortedPlayers = new QSortFilterProxyModel(this);
    sortedPlayers->setSourceModel(players_);
    sortedPlayers->setSortRole(SortRole);
    playerTable_ = serverTableView(sortedPlayers, "playerTable", this);
    playerTable_->setSortingEnabled(true);
    playerTable_->sortByColumn(PlayersModel::Score, Qt::DescendingOrder);
    settingsTable_ = serverTableView(settings_, "settingsTable", this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(playerTable_, 1);
    layout->addWidget(settingsTable_, 1);
}

void ServerDetailsView::clear() {
    players_->clear();
    settings_->clear();
}

void ServerDetailsView::showStatus(const ServerStatus& status) {
    players_->showPlayers(status.players);
    settings_->showSettings(status.settings);
}

} // namespace velkarn
