#include "ui/network/FindServersWindow.h"

#include "core/launch/GameLaunch.h"
#include "core/launch/ServerListOps.h"
#include "core/network/MasterList.h"
#include "core/platform/Errors.h"
#include "core/session/Session.h"
#include "ui/models/FoundServersModel.h"
#include "ui/models/ServerStatusCells.h"
#include "ui/network/ServerTableView.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace velkarn {

namespace {

std::string plainHostName(const LiveServer& server) {
    return server.status ? plainName(server.status->hostName()) : std::string();
}

} // namespace

FindServersWindow::FindServersWindow(Session& session, QueryTiming timing, QWidget* parent)
    : QDialog(parent), session_(session), found_(new FoundServersModel(timing, this)),
      shownServers_(new QSortFilterProxyModel(this)) {
    setUpWindow(this, "findServersWindow", "Find Servers");
    shownServers_->setSourceModel(found_);
    shownServers_->setSortRole(SortRole);
    foundServerTable_ = serverTableView(shownServers_, "foundServerTable", this);
    foundServerTable_->setSortingEnabled(true);
    foundServerTable_->sortByColumn(FoundServersModel::Ping, Qt::AscendingOrder);
    countLabel_ = named(new QLabel(this), "countLabel");
    findButton_ = namedButton("&Find", "findButton", this);
    stopButton_ = namedButton("&Stop", "stopButton", this);
    addToSavedButton_ = namedButton("&Add to saved servers", "addToSavedButton", this);
    joinButton_ = namedButton("&Join", "joinButton", this, true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(countLabel_, 1);
    buttons->addWidget(findButton_);
    buttons->addWidget(stopButton_);
    buttons->addWidget(addToSavedButton_);
    buttons->addWidget(joinButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(foundServerTable_, 1);
    layout->addLayout(buttons);
    rememberPlacement(this, QSize(820, 480));

    connectGuarded(findButton_, &QPushButton::clicked, this, [this] { findServers(); });
    connectGuarded(stopButton_, &QPushButton::clicked, this, [this] { stopSearch(); });
    connectGuarded(addToSavedButton_, &QPushButton::clicked, this,
                   [this] { addSelectedToSaved(); });
    connectGuarded(joinButton_, &QPushButton::clicked, this, [this] { joinSelected(); });
    connect(found_, &FoundServersModel::progressChanged, this, &FindServersWindow::showCount);
}

void FindServersWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !found_->searching())
        runGuarded([this] { findServers(); });
}

void FindServersWindow::findServers() {
    masterProblems_.clear();
    const MasterListRead masters = readMasterList(session_.appDir());
    for (const std::string& problem : masters.problems)
        masterProblems_ += problem + "\n";
    found_->findServers(masters.masters);
}

void FindServersWindow::stopSearch() {
    found_->stopSearch();
}

void FindServersWindow::showCount() {
    QString text = QString("%1 of %2 servers answered")
                       .arg(found_->answeredCount())
                       .arg(found_->listedCount());
    if (found_->searching())
        text += ", searching...";
    else if (found_->stopped())
        text += ", stopped";
    stopButton_->setEnabled(found_->searching());
    countLabel_->setText(local(masterProblems_) + text);
}

const LiveServer& FindServersWindow::selectedServer() const {
    const QModelIndexList rows = foundServerTable_->selectionModel()->selectedRows();
    if (rows.empty())
        throw UserMessage("You must select a server!");
    return found_->liveServerAt(shownServers_->mapToSource(rows.front()).row());
}

void FindServersWindow::addSelectedToSaved() {
    const LiveServer& server = selectedServer();
    std::string name = plainHostName(server);
    if (name.empty())
        name = server.address;
    const ServerFields fields{name, server.address, ""};
    requireSafeServerFields(fields);
    addServer(session_.setup.servers, fields);
    emit session_.serversChanged();
}

void FindServersWindow::joinSelected() {
    const LiveServer& server = selectedServer();
    const SavedServer target{plainHostName(server), server.address, ""};
    requireSafeServerFields({target.name, target.address, target.password});
    requireGameStarted(
        joinServer(session_.game.launchSettings(), session_.player.settings(), target));
}

} // namespace velkarn
