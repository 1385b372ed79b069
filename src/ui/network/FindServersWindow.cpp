#include "ui/network/FindServersWindow.h"

#include "core/launch/GameLaunch.h"
#include "core/launch/ServerListOps.h"
#include "core/network/MasterList.h"
#include "core/platform/Errors.h"
#include "ui/network/ServerCells.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QShowEvent>
#include <QVBoxLayout>

namespace velkarn {

namespace {

constexpr int AddressColumn = 5;
// The row's server, kept on its first cell: sorting moves rows about.
constexpr int IdRole = Qt::UserRole + 2;

} // namespace

FindServersWindow::FindServersWindow(Session& session, QueryTiming timing, QWidget* parent)
    : QDialog(parent), session_(session), search_(timing) {
    setUpWindow(this, "findServersWindow", "Find Servers");
    foundServerTable = serverTable({"Host Name", "Map", "Game Type", "Players", "Ping", "Address"},
                                   "foundServerTable", this);
    foundServerTable->setSortingEnabled(true);
    foundServerTable->sortByColumn(4, Qt::AscendingOrder);
    foundServerTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    foundServerTable->setColumnWidth(0, 220);
    countLabel = named(new QLabel(this), "countLabel");
    findButton = namedButton("Find", "findButton", this);
    stopButton = namedButton("Stop", "stopButton", this);
    addToSavedButton = namedButton("Add to saved servers", "addToSavedButton", this);
    joinButton = namedButton("Join", "joinButton", this, true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(countLabel, 1);
    buttons->addWidget(findButton);
    buttons->addWidget(stopButton);
    buttons->addWidget(addToSavedButton);
    buttons->addWidget(joinButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(foundServerTable, 1);
    layout->addLayout(buttons);
    resize(820, 480);

    connectGuarded(findButton, &QPushButton::clicked, this, [this] { findServers(); });
    connectGuarded(stopButton, &QPushButton::clicked, this, [this] { stopSearch(); });
    connectGuarded(addToSavedButton, &QPushButton::clicked, this, [this] { addSelectedToSaved(); });
    connectGuarded(joinButton, &QPushButton::clicked, this, [this] { joinSelected(); });
    connect(&search_, &QueryEngine::serverListed, this,
            [this](int id, const ServerAddress& address) {
                listed_.resize(static_cast<std::size_t>(id) + 1);
                listed_[static_cast<std::size_t>(id)] = formatServerAddress(address);
                showCount();
            });
    connect(&search_, &QueryEngine::serverAnswered, this, &FindServersWindow::showAnswer);
    connect(&search_, &QueryEngine::finished, this, &FindServersWindow::showCount);
}

void FindServersWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !search_.running())
        runGuarded([this] { findServers(); });
}

void FindServersWindow::findServers() {
    search_.stop();
    listed_.clear();
    found_.clear();
    foundServerTable->setRowCount(0);
    stopped_ = false;
    masterProblems_.clear();
    const MasterListRead masters = readMasterList(session_.appDir());
    for (const std::string& problem : masters.problems)
        masterProblems_ += problem + "\n";
    search_.queryMasters(masters.masters);
    showCount();
}

void FindServersWindow::stopSearch() {
    if (!search_.running())
        return;
    search_.stop();
    stopped_ = true;
    showCount();
}

void FindServersWindow::showAnswer(int id, const ServerStatus& status) {
    if (id >= static_cast<int>(listed_.size()))
        return;
    const std::string& address = listed_[static_cast<std::size_t>(id)];
    found_[id] = {address, status.hostName()};
    // Sorting is paused so the new row stays where its cells are being set.
    foundServerTable->setSortingEnabled(false);
    const int row = foundServerTable->rowCount();
    foundServerTable->insertRow(row);
    showStatusCells(*foundServerTable, row, 0, status);
    foundServerTable->item(row, 0)->setData(IdRole, id);
    foundServerTable->setItem(row, AddressColumn, new QTableWidgetItem(local(address)));
    foundServerTable->setSortingEnabled(true);
    showCount();
}

void FindServersWindow::showCount() {
    QString text = QString("%1 of %2 servers answered").arg(found_.size()).arg(listed_.size());
    if (search_.running())
        text += ", searching...";
    else if (stopped_)
        text += ", stopped";
    stopButton->setEnabled(search_.running());
    countLabel->setText(local(masterProblems_) + text);
}

const FindServersWindow::Found& FindServersWindow::selectedServer() const {
    const QModelIndexList rows = foundServerTable->selectionModel()->selectedRows();
    if (rows.empty())
        throw UserMessage("You must select a server!");
    const int id = foundServerTable->item(rows.front().row(), 0)->data(IdRole).toInt();
    return found_.at(id);
}

void FindServersWindow::addSelectedToSaved() {
    const Found& server = selectedServer();
    std::string name = plainName(server.hostName);
    if (name.empty())
        name = server.address;
    const ServerFields fields{name, server.address, ""};
    requireSafeServerFields(fields);
    addServer(session_.setup.servers, fields);
    emit session_.serversChanged();
}

void FindServersWindow::joinSelected() {
    const Found& server = selectedServer();
    const SavedServer target{plainName(server.hostName), server.address, ""};
    requireSafeServerFields({target.name, target.address, target.password});
    requireGameStarted(
        joinServer(session_.game.launchSettings(), session_.player.settings(), target));
}

} // namespace velkarn
