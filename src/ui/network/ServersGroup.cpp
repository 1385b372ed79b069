#include "ui/network/ServersGroup.h"

#include "core/launch/GameLaunch.h"
#include "core/launch/ScriptValues.h"
#include "core/platform/Dialogs.h"
#include "ui/main/Forms.h"
#include "ui/main/LaunchSettings.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace velkarn {

namespace {

ServerListType& serverList() {
    return forms().fmMain->model.ServerList;
}

// Address and password end up in the join script verbatim, so they are refused here, where the
// user can still correct them, rather than only when joining. The name only has to stay on its
// line of servers.txt.
void requireSafeFields(const ServerFields& fields) {
    requireSingleLineValue(fields.name, "server name");
    requireSafeScriptValue(fields.address, "server address");
    requireSafeScriptValue(fields.password, "server password");
}

QLineEdit* namedField(const char* name, QLabel* label, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    label->setBuddy(field);
    return field;
}

} // namespace

ServersGroup::ServersGroup(QWidget* parent) : QGroupBox("Pre-Defined Servers", parent) {
    setObjectName("gbServers");
    lbServers = new QListWidget(this);
    lbServers->setObjectName("lbServers");
    lbServers->setSelectionMode(QAbstractItemView::SingleSelection);
    lbServerName = namedLabel("Server Name", "lbServerName", this);
    edServerName = namedField("edServerName", lbServerName, this);
    lbServerAddress = namedLabel("Server Address", "lbServerAddress", this);
    edServerAddress = namedField("edServerAddress", lbServerAddress, this);
    lbServerPassword = namedLabel("Server Password", "lbServerPassword", this);
    edServerPassword = namedField("edServerPassword", lbServerPassword, this);
    butUpdateServer = namedButton("Update Server", "butUpdateServer", this);
    butAddServer = namedButton("Add Server", "butAddServer", this, true);
    butDeleteServer = namedButton("Delete Server", "butDeleteServer", this);
    butJoinNetworkGame = namedButton("Join Game", "butJoinNetworkGame", this, true);

    auto* fields = new QGridLayout;
    fields->addWidget(lbServerName, 0, 0);
    fields->addWidget(edServerName, 0, 1);
    fields->addWidget(lbServerAddress, 1, 0);
    fields->addWidget(edServerAddress, 1, 1);
    fields->addWidget(lbServerPassword, 2, 0);
    fields->addWidget(edServerPassword, 2, 1);
    auto* editButtons = new QHBoxLayout;
    editButtons->addWidget(butUpdateServer);
    editButtons->addWidget(butAddServer);
    editButtons->addWidget(butDeleteServer);
    fields->addLayout(editButtons, 3, 0, 1, 2);
    fields->setRowStretch(4, 1);
    fields->addWidget(butJoinNetworkGame, 5, 1, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lbServers, 1);
    layout->addLayout(fields, 1);
    connectHandlers();
}

void ServersGroup::connectHandlers() {
    connectGuarded(lbServers, &QListWidget::itemSelectionChanged, this,
                   [this] { lbServersClick(); });
    // A click on the server already selected brings its stored values back into the fields.
    connectGuarded(lbServers, &QListWidget::itemClicked, this, [this] { lbServersClick(); });
    connectGuarded(butAddServer, &QPushButton::clicked, this, [this] { butAddServerClick(); });
    connectGuarded(butUpdateServer, &QPushButton::clicked, this,
                   [this] { butUpdateServerClick(); });
    connectGuarded(butDeleteServer, &QPushButton::clicked, this,
                   [this] { butDeleteServerClick(); });
    connectGuarded(butJoinNetworkGame, &QPushButton::clicked, this,
                   [this] { butJoinNetworkGameClick(); });
}

void ServersGroup::showServers() {
    const QSignalBlocker quiet(lbServers);
    lbServers->clear();
    for (const auto& server : serverList())
        lbServers->addItem(local(server->Name));
}

ServerFields ServersGroup::editedFields() const {
    return {bytes(edServerName->text()), bytes(edServerAddress->text()),
            bytes(edServerPassword->text())};
}

void ServersGroup::showFields(const ServerFields& fields) {
    edServerName->setText(local(fields.name));
    edServerAddress->setText(local(fields.address));
    edServerPassword->setText(local(fields.password));
}

int ServersGroup::selectedServer() const {
    const std::vector<int> rows = selectedRows(*lbServers);
    return rows.empty() || rows.front() >= static_cast<int>(serverList().size()) ? -1
                                                                                 : rows.front();
}

void ServersGroup::lbServersClick() {
    const int row = selectedServer();
    if (row >= 0)
        showFields(FieldsOf(*serverList()[static_cast<std::size_t>(row)]));
}

void ServersGroup::butAddServerClick() {
    const ServerFields fields = editedFields();
    const std::vector<std::string> problems = ServerFieldProblems(fields);
    for (const std::string& problem : problems)
        dialogs().showMessage(problem);
    if (!problems.empty())
        return;
    requireSafeFields(fields);
    AddServer(serverList(), fields);
    lbServers->addItem(local(fields.name));
}

void ServersGroup::butUpdateServerClick() {
    const int row = selectedServer();
    if (row < 0)
        return;
    const ServerFields fields = editedFields();
    requireSafeFields(fields);
    UpdateServer(serverList(), row, fields);
    lbServers->item(row)->setText(local(fields.name));
}

void ServersGroup::butDeleteServerClick() {
    const int row = selectedServer();
    if (row < 0)
        return;
    DeleteServer(serverList(), row);
    {
        // The fields are emptied below; no neighbour becomes selected and shown meanwhile.
        const QSignalBlocker quiet(lbServers);
        delete lbServers->takeItem(row);
        lbServers->clearSelection();
        lbServers->setCurrentRow(-1);
    }
    showFields({});
}

void ServersGroup::butJoinNetworkGameClick() {
    const AServer& server = JoinTarget(serverList(), selectedServer());
    RequireGameStarted(JoinServer(currentGameSettings(), currentPlayerSettings(), server));
}

} // namespace velkarn
