#include "ui/network/ServersGroup.h"

#include "core/launch/GameLaunch.h"
#include "core/network/ServerAddress.h"
#include "ui/widgets/Dialogs.h"
#include "ui/network/ServerCells.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velkarn {

namespace {

QLineEdit* namedField(const char* name, QLabel* label, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    label->setBuddy(field);
    return field;
}

// The status columns follow the name column.
constexpr int StatusColumn = 1;

} // namespace

ServersGroup::ServersGroup(Session& session, QWidget* parent, QueryTiming timing)
    : QGroupBox("Pre-Defined Servers", parent), session_(session), statusQuery_(timing) {
    setObjectName("serversGroup");
    savedServerList = serverTable({"Name", "Host Name", "Map", "Game Type", "Players", "Ping"},
                                  "savedServerList", this);
    savedServerList->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Wide enough for every column to show without scrolling on the page's first size.
    for (int column = 0; const int width : {130, 170, 90, 110, 60})
        savedServerList->setColumnWidth(column++, width);
    refreshButton = namedButton("Refresh", "refreshButton", this);
    findServersButton = namedButton("Find Servers...", "findServersButton", this);
    serverDetails = new ServerDetailsView(this);
    serverDetails->setObjectName("serverDetails");
    serverNameLabel = namedLabel("Server Name", "serverNameLabel", this);
    serverNameEdit = namedField("serverNameEdit", serverNameLabel, this);
    serverAddressLabel = namedLabel("Server Address", "serverAddressLabel", this);
    serverAddressEdit = namedField("serverAddressEdit", serverAddressLabel, this);
    serverPasswordLabel = namedLabel("Server Password", "serverPasswordLabel", this);
    serverPasswordEdit = namedField("serverPasswordEdit", serverPasswordLabel, this);
    updateServerButton = namedButton("Update Server", "updateServerButton", this);
    addServerButton = namedButton("Add Server", "addServerButton", this, true);
    deleteServerButton = namedButton("Delete Server", "deleteServerButton", this);
    joinGameButton = namedButton("Join Game", "joinGameButton", this, true);

    auto* fields = new QGridLayout;
    fields->addWidget(serverNameLabel, 0, 0);
    fields->addWidget(serverNameEdit, 0, 1);
    fields->addWidget(serverAddressLabel, 1, 0);
    fields->addWidget(serverAddressEdit, 1, 1);
    fields->addWidget(serverPasswordLabel, 2, 0);
    fields->addWidget(serverPasswordEdit, 2, 1);
    auto* editButtons = new QHBoxLayout;
    editButtons->addWidget(updateServerButton);
    editButtons->addWidget(addServerButton);
    editButtons->addWidget(deleteServerButton);
    fields->addLayout(editButtons, 3, 0, 1, 2);
    fields->setRowStretch(4, 1);
    fields->addWidget(joinGameButton, 5, 1, Qt::AlignRight);

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(refreshButton);
    listButtons->addWidget(findServersButton);
    listButtons->addStretch();
    auto* lower = new QHBoxLayout;
    lower->addWidget(serverDetails, 1);
    lower->addLayout(fields, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(savedServerList, 3);
    layout->addLayout(listButtons);
    layout->addLayout(lower, 2);
    connectHandlers();
}

void ServersGroup::connectHandlers() {
    connectGuarded(savedServerList, &QTableWidget::itemSelectionChanged, this,
                   [this] { showSelectedServer(); });
    // A click on the server already selected brings its stored values back into the fields.
    connectGuarded(savedServerList, &QTableWidget::itemClicked, this,
                   [this] { showSelectedServer(); });
    connectGuarded(refreshButton, &QPushButton::clicked, this, [this] { refreshStatus(); });
    connect(findServersButton, &QPushButton::clicked, this, &ServersGroup::findServersRequested);
    connect(&statusQuery_, &QueryEngine::serverAnswered, this, &ServersGroup::showAnswer);
    connect(&statusQuery_, &QueryEngine::serverSilent, this, &ServersGroup::showSilence);
    connectGuarded(&session_, &Session::serversChanged, this, [this] {
        showServers();
        refreshStatus();
    });
    connectGuarded(addServerButton, &QPushButton::clicked, this, [this] { addServerFromFields(); });
    connectGuarded(updateServerButton, &QPushButton::clicked, this,
                   [this] { updateSelectedServer(); });
    connectGuarded(deleteServerButton, &QPushButton::clicked, this,
                   [this] { deleteSelectedServer(); });
    connectGuarded(joinGameButton, &QPushButton::clicked, this, [this] { joinSelectedServer(); });
}

void ServersGroup::showServers() {
    statusQuery_.stop();
    const QSignalBlocker quiet(savedServerList);
    savedServerList->setRowCount(0);
    statuses_.clear();
    serverDetails->clear();
    for (const auto& server : session_.setup.servers)
        addRow(server->name);
}

void ServersGroup::addRow(const std::string& name) {
    const int row = savedServerList->rowCount();
    savedServerList->insertRow(row);
    savedServerList->setItem(row, 0, new QTableWidgetItem(local(name)));
    statuses_.emplace_back();
}

void ServersGroup::showEvent(QShowEvent* event) {
    QGroupBox::showEvent(event);
    // Opening the page asks again; a window brought back from the task bar does not.
    if (!event->spontaneous())
        runGuarded([this] { refreshStatus(); });
}

void ServersGroup::refreshStatus() {
    std::vector<ServerAddress> addresses;
    for (const auto& server : session_.setup.servers) {
        const auto address = parseServerAddress(server->address);
        // An address that cannot be read is asked as the empty host, which never answers.
        addresses.push_back(address.value_or(ServerAddress{"", DefaultServerPort}));
    }
    statusQuery_.queryServers(addresses);
}

void ServersGroup::showAnswer(int row, const ServerStatus& status) {
    if (row >= savedServerList->rowCount())
        return;
    statuses_[static_cast<std::size_t>(row)] = status;
    showStatusCells(*savedServerList, row, StatusColumn, status);
    if (row == selectedServer())
        serverDetails->showStatus(status);
}

void ServersGroup::showSilence(int row) {
    if (row >= savedServerList->rowCount())
        return;
    statuses_[static_cast<std::size_t>(row)].reset();
    showSilentCells(*savedServerList, row, StatusColumn);
    if (row == selectedServer())
        serverDetails->clear();
}

ServerFields ServersGroup::editedFields() const {
    return {bytes(serverNameEdit->text()), bytes(serverAddressEdit->text()),
            bytes(serverPasswordEdit->text())};
}

void ServersGroup::showFields(const ServerFields& fields) {
    serverNameEdit->setText(local(fields.name));
    serverAddressEdit->setText(local(fields.address));
    serverPasswordEdit->setText(local(fields.password));
}

int ServersGroup::selectedServer() const {
    const QModelIndexList rows = savedServerList->selectionModel()->selectedRows();
    return rows.empty() || rows.front().row() >= static_cast<int>(session_.setup.servers.size())
               ? -1
               : rows.front().row();
}

void ServersGroup::showSelectedServer() {
    const int row = selectedServer();
    if (row < 0)
        return;
    showFields(fieldsOf(*session_.setup.servers[static_cast<std::size_t>(row)]));
    const auto& status = statuses_[static_cast<std::size_t>(row)];
    if (status)
        serverDetails->showStatus(*status);
    else
        serverDetails->clear();
}

void ServersGroup::addServerFromFields() {
    const ServerFields fields = editedFields();
    const std::vector<std::string> problems = serverFieldProblems(fields);
    for (const std::string& problem : problems)
        dialogs().showMessage(problem);
    if (!problems.empty())
        return;
    // Refused here, where the user can still correct them, rather than only when joining.
    requireSafeServerFields(fields);
    addServer(session_.setup.servers, fields);
    addRow(fields.name);
}

void ServersGroup::updateSelectedServer() {
    const int row = selectedServer();
    if (row < 0)
        return;
    const ServerFields fields = editedFields();
    requireSafeServerFields(fields);
    updateServer(session_.setup.servers, row, fields);
    savedServerList->item(row, 0)->setText(local(fields.name));
}

void ServersGroup::deleteSelectedServer() {
    const int row = selectedServer();
    if (row < 0)
        return;
    deleteServer(session_.setup.servers, row);
    // Answers still coming are reported by position, which just changed.
    statusQuery_.stop();
    {
        // The fields are emptied below; no neighbour becomes selected and shown meanwhile.
        const QSignalBlocker quiet(savedServerList);
        savedServerList->removeRow(row);
        statuses_.erase(statuses_.begin() + row);
        savedServerList->clearSelection();
        savedServerList->setCurrentCell(-1, -1);
    }
    showFields({});
    serverDetails->clear();
}

void ServersGroup::joinSelectedServer() {
    const SavedServer& server = joinTarget(session_.setup.servers, selectedServer());
    requireGameStarted(
        joinServer(session_.game.launchSettings(), session_.player.settings(), server));
}

} // namespace velkarn
