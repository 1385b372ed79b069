#include "ui/network/ServersGroup.h"

#include "core/launch/GameLaunch.h"
#include "core/session/Session.h"
#include "ui/models/SavedServersModel.h"
#include "ui/network/ServerDetailsView.h"
#include "ui/network/ServerTableView.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace velkarn {

namespace {

QLineEdit* namedField(const char* name, QWidget* parent) {
    return named(new QLineEdit(parent), name);
}

} // namespace

ServersGroup::ServersGroup(Session& session, QWidget* parent, QueryTiming timing)
    : QGroupBox("Pre-Defined Servers", parent), session_(session),
      servers_(new SavedServersModel(session.setup.servers, timing, this)),
      shownServers_(new QSortFilterProxyModel(this)) {
    setObjectName("serversGroup");
    shownServers_->setSourceModel(servers_);
    savedServerTable_ = serverTableView(shownServers_, "savedServerTable", this);
    refreshButton_ = namedButton("&Refresh", "refreshButton", this);
    findServersButton_ = namedButton("F&ind Servers...", "findServersButton", this);
    serverDetails_ = named(new ServerDetailsView(this), "serverDetails");
    serverNameEdit_ = namedField("serverNameEdit", this);
    serverAddressEdit_ = namedField("serverAddressEdit", this);
    serverPasswordEdit_ = namedField("serverPasswordEdit", this);
    updateServerButton_ = namedButton("&Update Server", "updateServerButton", this);
    addServerButton_ = namedButton("A&dd Server", "addServerButton", this, true);
    deleteServerButton_ = namedButton("De&lete Server", "deleteServerButton", this);
    joinGameButton_ = namedButton("&Join Game", "joinGameButton", this, true);
    buildLayout();
    connectHandlers();
}

void ServersGroup::buildLayout() {
    auto* fields = new QGridLayout;
    const auto addField = [&](int row, const char* caption, const char* name, QLineEdit* edit) {
        fields->addWidget(namedLabel(caption, name, this, edit), row, 0);
        fields->addWidget(edit, row, 1);
    };
    addField(0, "Server &Name", "serverNameLabel", serverNameEdit_);
    addField(1, "Server &Address", "serverAddressLabel", serverAddressEdit_);
    addField(2, "Server &Password", "serverPasswordLabel", serverPasswordEdit_);
    auto* editButtons = new QHBoxLayout;
    editButtons->addWidget(updateServerButton_);
    editButtons->addWidget(addServerButton_);
    editButtons->addWidget(deleteServerButton_);
    fields->addLayout(editButtons, 3, 0, 1, 2);
    fields->setRowStretch(4, 1);
    fields->addWidget(joinGameButton_, 5, 1, Qt::AlignRight);

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(refreshButton_);
    listButtons->addWidget(findServersButton_);
    listButtons->addStretch();
    auto* lower = new QHBoxLayout;
    lower->addWidget(serverDetails_, 3);
    lower->addLayout(fields, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(savedServerTable_, 3);
    layout->addLayout(listButtons);
    layout->addLayout(lower, 2);
}

void ServersGroup::connectHandlers() {
    connectGuarded(savedServerTable_->selectionModel(), &QItemSelectionModel::selectionChanged,
                   this, [this] { showSelectedServer(); });
    // A click on the server already selected brings its stored values back into the fields.
    connectGuarded(savedServerTable_, &QTableView::clicked, this, [this] { showSelectedServer(); });
    connectGuarded(refreshButton_, &QPushButton::clicked, this, [this] { refreshStatus(); });
    connect(findServersButton_, &QPushButton::clicked, this, &ServersGroup::findServersRequested);
    connect(servers_, &SavedServersModel::statusChanged, this, [this](int row) {
        if (row == selectedServer())
            showStatusOf(row);
    });
    connectGuarded(&session_, &Session::serversChanged, this, [this] {
        showServers();
        refreshStatus();
    });
    connectGuarded(addServerButton_, &QPushButton::clicked, this,
                   [this] { addServerFromFields(); });
    connectGuarded(updateServerButton_, &QPushButton::clicked, this,
                   [this] { updateSelectedServer(); });
    connectGuarded(deleteServerButton_, &QPushButton::clicked, this,
                   [this] { deleteSelectedServer(); });
    connectGuarded(joinGameButton_, &QPushButton::clicked, this, [this] { joinSelectedServer(); });
}

void ServersGroup::showServers() {
    servers_->reload();
    serverDetails_->clear();
}

void ServersGroup::refreshStatus() {
    servers_->refreshStatus();
}

void ServersGroup::showEvent(QShowEvent* event) {
    QGroupBox::showEvent(event);
    // Opening the page asks again; a window brought back from the task bar does not.
    if (!event->spontaneous())
        runGuarded([this] { refreshStatus(); });
}

int ServersGroup::selectedServer() const {
    const QModelIndexList rows = savedServerTable_->selectionModel()->selectedRows();
    return rows.empty() ? -1 : shownServers_->mapToSource(rows.front()).row();
}

void ServersGroup::showStatusOf(int row) {
    const auto& status = servers_->liveServerAt(row).status;
    if (status)
        serverDetails_->showStatus(*status);
    else
        serverDetails_->clear();
}

void ServersGroup::showSelectedServer() {
    const int row = selectedServer();
    if (row < 0)
        return;
    showFields(fieldsOf(servers_->serverAt(row)));
    showStatusOf(row);
}

ServerFields ServersGroup::editedFields() const {
    return {bytes(serverNameEdit_->text()), bytes(serverAddressEdit_->text()),
            bytes(serverPasswordEdit_->text())};
}

void ServersGroup::showFields(const ServerFields& fields) {
    serverNameEdit_->setText(local(fields.name));
    serverAddressEdit_->setText(local(fields.address));
    serverPasswordEdit_->setText(local(fields.password));
}

void ServersGroup::addServerFromFields() {
    for (const std::string& problem : servers_->addServer(editedFields()))
        dialogs().showMessage(problem);
}

void ServersGroup::updateSelectedServer() {
    const int row = selectedServer();
    if (row >= 0)
        servers_->updateServer(row, editedFields());
}

void ServersGroup::deleteSelectedServer() {
    const int row = selectedServer();
    if (row < 0)
        return;
    servers_->deleteServer(row);
    // The fields are emptied; no neighbour becomes the selected server meanwhile.
    savedServerTable_->selectionModel()->clear();
    showFields({});
    serverDetails_->clear();
}

void ServersGroup::joinSelectedServer() {
    const SavedServer& server = joinTarget(session_.setup.servers, selectedServer());
    requireGameStarted(
        joinServer(session_.game.launchSettings(), session_.player.settings(), server));
}

} // namespace velkarn
