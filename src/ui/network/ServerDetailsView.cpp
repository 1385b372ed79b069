#include "ui/network/ServerDetailsView.h"

#include "ui/network/ServerCells.h"
#include "ui/widgets/LocalText.h"

#include <QHBoxLayout>

namespace velkarn {

ServerDetailsView::ServerDetailsView(QWidget* parent) : QWidget(parent) {
    playerTable = serverTable({"Player", "Score", "Ping"}, "playerTable", this);
    settingsTable = serverTable({"Setting", "Value"}, "settingsTable", this);
    playerTable->setSortingEnabled(true);
    playerTable->setColumnWidth(0, 110);
    playerTable->setColumnWidth(1, 50);
    settingsTable->setColumnWidth(0, 120);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(playerTable, 1);
    layout->addWidget(settingsTable, 1);
}

void ServerDetailsView::clear() {
    playerTable->setRowCount(0);
    settingsTable->setRowCount(0);
}

void ServerDetailsView::showStatus(const ServerStatus& status) {
    clear();
    playerTable->setSortingEnabled(false);
    playerTable->setRowCount(status.playerCount());
    for (int row = 0; row < status.playerCount(); ++row) {
        const PlayerLine& player = status.players[static_cast<std::size_t>(row)];
        playerTable->setItem(row, 0, coloredNameItem(player.name));
        playerTable->setItem(row, 1, sortedItem(QString::number(player.score), player.score));
        playerTable->setItem(row, 2, sortedItem(QString::number(player.ping), player.ping));
    }
    playerTable->setSortingEnabled(true);
    playerTable->sortByColumn(1, Qt::DescendingOrder);
    settingsTable->setRowCount(static_cast<int>(status.settings.size()));
    for (int row = 0; row < settingsTable->rowCount(); ++row) {
        const auto& [key, value] = status.settings[static_cast<std::size_t>(row)];
        settingsTable->setItem(row, 0, new QTableWidgetItem(local(key)));
        settingsTable->setItem(row, 1, new QTableWidgetItem(local(value)));
    }
}

} // namespace velkarn
