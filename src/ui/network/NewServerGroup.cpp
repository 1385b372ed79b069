#include "ui/network/NewServerGroup.h"

#include "core/launch/GameLaunch.h"
#include "core/setup/TextHelpers.h"
#include "ui/main/ScriptPreviewWindow.h"
#include "ui/models/RotationAccess.h"
#include "ui/network/ServeCommandWindow.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/EnterPresses.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velkarn {

NewServerGroup::NewServerGroup(Session& session, QWidget* parent)
    : QGroupBox("Set Up New Server", parent), session_(session) {
    setObjectName("newServerGroup");
    createMapControls();
    createOptionControls();
    serverScriptButton_ = namedButton("&Script...", "serverScriptButton", this);
    serveButton_ = namedButton("Ser&ve...", "serveButton", this);
    startServerButton_ = namedButton("St&art Server...", "startServerButton", this, true);
    pressOnEnter(this, startServerButton_);

    auto* right = new QVBoxLayout;
    right->addWidget(serverOptionsGroup_);
    right->addStretch();
    auto* startRow = new QHBoxLayout;
    startRow->addStretch();
    startRow->addWidget(serveButton_);
    startRow->addWidget(serverScriptButton_);
    startRow->addWidget(startServerButton_);
    right->addLayout(startRow);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(serverMapsGroup_, 1);
    layout->addLayout(right, 1);
    editor_ = new RotationEditor(
        std::make_unique<RotationAccessOf<ServerRotationEntry>>(session.setup.serverRotation),
        session.setup.catalogue.mapFiles,
        RotationControls{serverMapCombo_, serverRotationList_, serverGameTypeCombo_,
                         serverFragLimitLabel_, serverFragLimitSpin_, serverTimeLimitLabel_,
                         serverTimeLimitSpin_},
        this);
    connectHandlers();
}

void NewServerGroup::createMapControls() {
    serverMapsGroup_ = named(new QGroupBox("Maps", this), "serverMapsGroup");
    serverMapCombo_ = spoken(named(new QComboBox(serverMapsGroup_), "serverMapCombo"), "Server map",
                             "The map Add/Remove puts into the server's rotation");
    addRemoveServerMapButton_ =
        namedButton("A&dd/Remove", "addRemoveServerMapButton", serverMapsGroup_, true);
    serverRotationList_ = spoken(named(new QListView(serverMapsGroup_), "serverRotationList"),
                                 "Server rotation", "The maps the server plays in turn");
    serverGameTypeCombo_ =
        spoken(named(new QComboBox(serverMapsGroup_), "serverGameTypeCombo"), "Server game type");
    serverFragLimitSpin_ =
        named(new NumberSpin(0, 255, 5, 0, serverMapsGroup_), "serverFragLimitSpin");
    serverFragLimitLabel_ =
        namedLabel("Frag &Limit", "serverFragLimitLabel", serverMapsGroup_, serverFragLimitSpin_);
    serverTimeLimitSpin_ =
        named(new NumberSpin(0, 255, 5, 20, serverMapsGroup_), "serverTimeLimitSpin");
    serverTimeLimitLabel_ =
        namedLabel("Ti&me Limit", "serverTimeLimitLabel", serverMapsGroup_, serverTimeLimitSpin_);

    auto* choose = new QHBoxLayout;
    choose->addWidget(serverMapCombo_, 1);
    choose->addWidget(addRemoveServerMapButton_);
    auto* limits = new QHBoxLayout;
    limits->addWidget(serverFragLimitLabel_);
    limits->addWidget(serverFragLimitSpin_);
    limits->addStretch();
    limits->addWidget(serverTimeLimitLabel_);
    limits->addWidget(serverTimeLimitSpin_);
    auto* layout = new QVBoxLayout(serverMapsGroup_);
    layout->addLayout(choose);
    layout->addWidget(serverRotationList_, 1);
    layout->addWidget(serverGameTypeCombo_);
    layout->addLayout(limits);
}

void NewServerGroup::createOptionControls() {
    serverOptionsGroup_ = named(new QGroupBox("Server Options", this), "serverOptionsGroup");
    QWidget* box = serverOptionsGroup_;
    maxClientsSpin_ = named(new NumberSpin(4, 64, 1, 4, box), "maxClientsSpin");
    maxClientsLabel_ = namedLabel("Max &Clients", "maxClientsLabel", box, maxClientsSpin_);
    hostNameEdit_ = named(new QLineEdit(box), "hostNameEdit");
    hostNameLabel_ = namedLabel("Host &Name", "hostNameLabel", box, hostNameEdit_);
    motdEdit_ = named(new QLineEdit(box), "motdEdit");
    motdLabel_ = namedLabel("M&essage", "motdLabel", box, motdEdit_);
    passwordEdit_ = named(new QLineEdit(box), "passwordEdit");
    passwordLabel_ = namedLabel("&Password", "passwordLabel", box, passwordEdit_);
    pureServerCheck_ = named(new QCheckBox("P&ure Server", box), "pureServerCheck");
    maxRateSpin_ = named(new NumberSpin(0, 25000, 1000, 10000, box), "maxRateSpin");
    maxRateLabel_ = namedLabel("Max &Rate", "maxRateLabel", box, maxRateSpin_);
    weaponRespawnSpin_ = named(new NumberSpin(0, 60, 5, 5, box), "weaponRespawnSpin");
    weaponRespawnLabel_ =
        namedLabel("&Weapon Respawn", "weaponRespawnLabel", box, weaponRespawnSpin_);
    weaponRespawnSecondsLabel_ = namedLabel("seconds", "weaponRespawnSecondsLabel", box);
    allowVotingCheck_ = named(new QCheckBox("Allow Vo&ting", box), "allowVotingCheck");
    allowVotingCheck_->setChecked(true);
    synchronousClientsCheck_ =
        named(new QCheckBox("S&ynchronous Clients", box), "synchronousClientsCheck");

    auto* grid = new QGridLayout(box);
    const std::pair<QLabel*, QWidget*> rows[] = {{maxClientsLabel_, maxClientsSpin_},
                                                 {hostNameLabel_, hostNameEdit_},
                                                 {motdLabel_, motdEdit_},
                                                 {passwordLabel_, passwordEdit_},
                                                 {maxRateLabel_, maxRateSpin_},
                                                 {weaponRespawnLabel_, weaponRespawnSpin_}};
    int row = 0;
    for (const auto& [caption, field] : rows) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    grid->addWidget(weaponRespawnSecondsLabel_, row - 1, 2);
    for (QCheckBox* check : {pureServerCheck_, allowVotingCheck_, synchronousClientsCheck_})
        grid->addWidget(check, row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);
}

void NewServerGroup::connectHandlers() {
    connectGuarded(addRemoveServerMapButton_, &QPushButton::clicked, this,
                   [this] { editor_->addOrRemove(); });
    connectGuarded(startServerButton_, &QPushButton::clicked, this, [this] { startNewServer(); });
    connectGuarded(serverScriptButton_, &QPushButton::clicked, this,
                   [this] { showServerScript(); });
    connectGuarded(serveButton_, &QPushButton::clicked, this, [this] { showServeCommand(); });
    connect(&session_, &Session::catalogueChanged, this, [this] { editor_->catalogueChanged(); });
}

ServerOptions NewServerGroup::serverOptions() const {
    ServerOptions options;
    options.maxClients = maxClientsSpin_->value();
    options.hostName = bytes(hostNameEdit_->text());
    options.motd = bytes(motdEdit_->text());
    options.password = bytes(passwordEdit_->text());
    options.pure = pureServerCheck_->isChecked();
    options.maxRate = maxRateSpin_->value();
    options.weaponRespawn = weaponRespawnSpin_->value();
    options.allowVote = allowVotingCheck_->isChecked();
    options.synchronous = synchronousClientsCheck_->isChecked();
    return options;
}

void NewServerGroup::startNewServer() {
    requireGameStarted(startServer(session_.game.launchSettings(), serverOptions(),
                                   session_.setup.serverRotation));
}

void NewServerGroup::showServerScript() {
    showLaunchPreview(
        previewLaunch(session_.game.launchSettings(), LaunchPath::Server,
                      serverScriptLines(serverOptions(), session_.setup.serverRotation)));
}

void NewServerGroup::showServeCommand() {
    ServeCommandWindow window(session_, serverOptions(), this);
    dialogs().runModal(window);
}

void NewServerGroup::useNavigationFrom(std::vector<std::string> gameArchives) {
    editor_->model().useNavigation(NavigationIndex(std::move(gameArchives)));
}

} // namespace velkarn
