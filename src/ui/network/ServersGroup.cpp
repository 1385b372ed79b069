#include "ui/network/ServersGroup.h"

#include "core/session/Session.h"
#include "ui/models/SavedServersModel.h"
#include "ui/network/BuddiesWindow.h"
#include "ui/network/SeatWaitBox.h"
#include "ui/network/ServerDetailsView.h"
#include "ui/network/ServerListPanel.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace velkarn {

ServersGroup::ServersGroup(Session& session, QWidget* parent, QueryTiming timing)
    : QGroupBox("Pre-Defined Servers", parent), session_(session),
      servers_(new SavedServersModel(session.setup.servers, session.buddies, timing, this)) {
    setObjectName("serversGroup");
    servers_->setCountries(&session_.countries);
    serverList_ = new ServerListPanel(*servers_, "savedServerFilter", "savedServerTable", this);
    refreshButton_ = namedButton("&Refresh", "refreshButton", this);
    findServersButton_ = namedButton("F&ind Servers...", "findServersButton", this);
    buddiesButton_ = namedButton("&Buddies...", "buddiesButton", this);
    serverNameEdit_ = named(new QLineEdit(this), "serverNameEdit");
    serverAddressEdit_ = named(new QLineEdit(this), "serverAddressEdit");
    serverPasswordEdit_ = named(new QLineEdit(this), "serverPasswordEdit");
    updateServerButton_ = namedButton("&Update Server", "updateServerButton", this);
    addServerButton_ = namedButton("Add Ser&ver", "addServerButton", this, true);
    deleteServerButton_ = namedButton("&Delete Server", "deleteServerButton", this);
    joinGameButton_ = namedButton("&Join Game", "joinGameButton", this, true);
    seatWait_ = new SeatWaitBox(
        session_, [this] { return joinTarget(session_.setup.servers, selectedServer()); }, timing,
        this);
    buildLayout();
    connectHandlers();
    reaskTimer_.start(timing.reaskMs);
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
    fields->addWidget(seatWait_, 5, 0, 1, 2);
    fields->addWidget(joinGameButton_, 6, 1, Qt::AlignRight);

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(refreshButton_);
    listButtons->addWidget(findServersButton_);
    listButtons->addWidget(buddiesButton_);
    listButtons->addStretch();
    auto* upper = new QWidget(this);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(serverList_, 1);
    upperLayout->addLayout(listButtons);
    auto* fieldsBox = new QWidget(this);
    fieldsBox->setLayout(fields);
    fields->setContentsMargins(0, 0, 0, 0);
    // The user shares the room between the list, the details and the fields.
    auto* lower = named(new QSplitter(Qt::Horizontal, this), "detailsSplitter");
    lower->addWidget(serverList_->details());
    lower->addWidget(fieldsBox);
    lower->setStretchFactor(0, 3);
    lower->setStretchFactor(1, 2);
    auto* split = named(new QSplitter(Qt::Vertical, this), "serversSplitter");
    split->addWidget(upper);
    split->addWidget(lower);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);
}

void ServersGroup::connectHandlers() {
    connectGuarded(serverList_, &ServerListPanel::selectionChanged, this,
                   [this] { showSelectedServer(); });
    // A click on the server already selected brings its stored values back into the fields.
    connectGuarded(serverList_, &ServerListPanel::serverClicked, this,
                   [this] { showSelectedServer(); });
    connectGuarded(serverList_, &ServerListPanel::joinRequested, this,
                   [this] { joinSelectedServer(); });
    connectGuarded(serverList_, &ServerListPanel::refreshRequested, this,
                   [this] { refreshStatus(); });
    connectGuarded(serverList_, &ServerListPanel::deleteRequested, this,
                   [this] { deleteSelectedServersAfterAsking(); });
    connect(serverList_, &ServerListPanel::remoteConsoleRequested, this,
            &ServersGroup::remoteConsoleRequested);
    connectGuarded(refreshButton_, &QPushButton::clicked, this, [this] { refreshStatus(); });
    connect(findServersButton_, &QPushButton::clicked, this, &ServersGroup::findServersRequested);
    connectGuarded(buddiesButton_, &QPushButton::clicked, this,
                   [this] { editBuddies(session_.buddies); });
    connectGuarded(&session_, &Session::serversChanged, this, [this] {
        showServers();
        refreshStatus();
    });
    connectGuarded(&reaskTimer_, &QTimer::timeout, this, [this] { refreshStatus(); });
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
    const std::vector<int> selected = serverList_->selectedServers();
    return selected.empty() ? -1 : selected.front();
}

void ServersGroup::showSelectedServer() {
    const int row = selectedServer();
    if (row >= 0)
        showFields(fieldsOf(servers_->serverAt(row)));
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
    serverList_->clearSelection();
    showFields({});
}

void ServersGroup::deleteSelectedServersAfterAsking() {
    std::vector<int> rows = serverList_->selectedServers();
    if (rows.empty())
        return;
    const std::string question =
        rows.size() == 1
            ? "Delete the saved server \"" + servers_->serverAt(rows.front()).name + "\"?"
            : "Delete the " + std::to_string(rows.size()) + " selected saved servers?";
    if (!dialogs().askYesNo(question))
        return;
    std::sort(rows.rbegin(), rows.rend()); // the last first, so the others keep their rows
    for (int row : rows)
        servers_->deleteServer(row);
    serverList_->clearSelection();
    showFields({});
}

void ServersGroup::joinSelectedServer() {
    session_.join(joinTarget(session_.setup.servers, selectedServer()));
}

} // namespace velkarn
