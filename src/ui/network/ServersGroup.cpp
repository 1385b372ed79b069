#include "ui/network/ServersGroup.h"

#include "core/launch/GameLaunch.h"
#include "core/launch/ScriptValues.h"
#include "core/platform/Dialogs.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace velkarn {

namespace {

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

ServersGroup::ServersGroup(Session& session, QWidget* parent)
    : QGroupBox("Pre-Defined Servers", parent), session_(session) {
    setObjectName("serversGroup");
    savedServerList = new QListWidget(this);
    savedServerList->setObjectName("savedServerList");
    savedServerList->setSelectionMode(QAbstractItemView::SingleSelection);
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

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(savedServerList, 1);
    layout->addLayout(fields, 1);
    connectHandlers();
}

void ServersGroup::connectHandlers() {
    connectGuarded(savedServerList, &QListWidget::itemSelectionChanged, this,
                   [this] { showSelectedServer(); });
    // A click on the server already selected brings its stored values back into the fields.
    connectGuarded(savedServerList, &QListWidget::itemClicked, this,
                   [this] { showSelectedServer(); });
    connectGuarded(addServerButton, &QPushButton::clicked, this, [this] { addServerFromFields(); });
    connectGuarded(updateServerButton, &QPushButton::clicked, this,
                   [this] { updateSelectedServer(); });
    connectGuarded(deleteServerButton, &QPushButton::clicked, this,
                   [this] { deleteSelectedServer(); });
    connectGuarded(joinGameButton, &QPushButton::clicked, this, [this] { joinSelectedServer(); });
}

void ServersGroup::showServers() {
    const QSignalBlocker quiet(savedServerList);
    savedServerList->clear();
    for (const auto& server : session_.setup.servers)
        savedServerList->addItem(local(server->name));
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
    const std::vector<int> rows = selectedRows(*savedServerList);
    return rows.empty() || rows.front() >= static_cast<int>(session_.setup.servers.size())
               ? -1
               : rows.front();
}

void ServersGroup::showSelectedServer() {
    const int row = selectedServer();
    if (row >= 0)
        showFields(fieldsOf(*session_.setup.servers[static_cast<std::size_t>(row)]));
}

void ServersGroup::addServerFromFields() {
    const ServerFields fields = editedFields();
    const std::vector<std::string> problems = serverFieldProblems(fields);
    for (const std::string& problem : problems)
        dialogs().showMessage(problem);
    if (!problems.empty())
        return;
    requireSafeFields(fields);
    addServer(session_.setup.servers, fields);
    savedServerList->addItem(local(fields.name));
}

void ServersGroup::updateSelectedServer() {
    const int row = selectedServer();
    if (row < 0)
        return;
    const ServerFields fields = editedFields();
    requireSafeFields(fields);
    updateServer(session_.setup.servers, row, fields);
    savedServerList->item(row)->setText(local(fields.name));
}

void ServersGroup::deleteSelectedServer() {
    const int row = selectedServer();
    if (row < 0)
        return;
    deleteServer(session_.setup.servers, row);
    {
        // The fields are emptied below; no neighbour becomes selected and shown meanwhile.
        const QSignalBlocker quiet(savedServerList);
        delete savedServerList->takeItem(row);
        savedServerList->clearSelection();
        savedServerList->setCurrentRow(-1);
    }
    showFields({});
}

void ServersGroup::joinSelectedServer() {
    const SavedServer& server = joinTarget(session_.setup.servers, selectedServer());
    requireGameStarted(
        joinServer(session_.game.launchSettings(), session_.player.settings(), server));
}

} // namespace velkarn
