#include "ui/network/NewServerGroup.h"

#include "core/launch/GameLaunch.h"
#include "ui/widgets/Dialogs.h"
#include "core/setup/TextHelpers.h"
#include "ui/network/ServeCommandWindow.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/ScriptPreviewWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velkarn {

namespace {

constexpr int MapDropDownLines = 20;

} // namespace

NewServerGroup::NewServerGroup(Session& session, QWidget* parent)
    : QGroupBox("Set Up New Server", parent), session_(session),
      rotationAccess_(session.setup.serverRotation) {
    setObjectName("newServerGroup");
    createMapControls();
    createOptionControls();
    serverScriptButton = namedButton("Script...", "serverScriptButton", this);
    serveButton = namedButton("Serve...", "serveButton", this);
    startServerButton = namedButton("Start Server...", "startServerButton", this, true);

    auto* right = new QVBoxLayout;
    right->addWidget(serverOptionsGroup);
    right->addStretch();
    auto* startRow = new QHBoxLayout;
    startRow->addStretch();
    startRow->addWidget(serveButton);
    startRow->addWidget(serverScriptButton);
    startRow->addWidget(startServerButton);
    right->addLayout(startRow);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(serverMapsGroup, 1);
    layout->addLayout(right, 1);
    editor_ = std::make_unique<RotationEditor>(
        rotationAccess_, session.setup.catalogue.mapFiles,
        RotationControls{serverMapCombo, serverRotationList, serverGameTypeCombo,
                         serverFragLimitLabel, serverFragLimitSpin, serverTimeLimitLabel,
                         serverTimeLimitSpin});
    editor_->enableEntryControls(false);
    connectHandlers();
}

void NewServerGroup::createMapControls() {
    serverMapsGroup = named(new QGroupBox("Maps", this), "serverMapsGroup");
    serverMapCombo = named(new QComboBox(serverMapsGroup), "serverMapCombo");
    serverMapCombo->setMaxVisibleItems(MapDropDownLines);
    addRemoveServerMapButton =
        namedButton("Add/Remove", "addRemoveServerMapButton", serverMapsGroup, true);
    serverRotationList = named(new QListWidget(serverMapsGroup), "serverRotationList");
    serverRotationList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    serverRotationList->setFont(fixedPitchFont());
    serverGameTypeCombo = named(new QComboBox(serverMapsGroup), "serverGameTypeCombo");
    serverFragLimitSpin =
        named(new NumberSpin(0, 255, 5, 0, serverMapsGroup), "serverFragLimitSpin");
    serverFragLimitLabel =
        namedLabel("Frag Limit", "serverFragLimitLabel", serverMapsGroup, serverFragLimitSpin);
    serverTimeLimitSpin =
        named(new NumberSpin(0, 255, 5, 20, serverMapsGroup), "serverTimeLimitSpin");
    serverTimeLimitLabel =
        namedLabel("Time Limit", "serverTimeLimitLabel", serverMapsGroup, serverTimeLimitSpin);

    auto* choose = new QHBoxLayout;
    choose->addWidget(serverMapCombo, 1);
    choose->addWidget(addRemoveServerMapButton);
    auto* limits = new QHBoxLayout;
    limits->addWidget(serverFragLimitLabel);
    limits->addWidget(serverFragLimitSpin);
    limits->addStretch();
    limits->addWidget(serverTimeLimitLabel);
    limits->addWidget(serverTimeLimitSpin);
    auto* layout = new QVBoxLayout(serverMapsGroup);
    layout->addLayout(choose);
    layout->addWidget(serverRotationList, 1);
    layout->addWidget(serverGameTypeCombo);
    layout->addLayout(limits);
}

void NewServerGroup::createOptionControls() {
    serverOptionsGroup = named(new QGroupBox("Server Options", this), "serverOptionsGroup");
    QWidget* box = serverOptionsGroup;
    maxClientsSpin = named(new NumberSpin(4, 64, 1, 4, box), "maxClientsSpin");
    maxClientsLabel = namedLabel("Max Clients", "maxClientsLabel", box, maxClientsSpin);
    hostNameEdit = named(new QLineEdit(box), "hostNameEdit");
    hostNameLabel = namedLabel("Host Name", "hostNameLabel", box, hostNameEdit);
    motdEdit = named(new QLineEdit(box), "motdEdit");
    motdLabel = namedLabel("Message", "motdLabel", box, motdEdit);
    passwordEdit = named(new QLineEdit(box), "passwordEdit");
    passwordLabel = namedLabel("Password", "passwordLabel", box, passwordEdit);
    pureServerCheck = named(new QCheckBox("Pure Server", box), "pureServerCheck");
    maxRateSpin = named(new NumberSpin(0, 25000, 1000, 10000, box), "maxRateSpin");
    maxRateLabel = namedLabel("Max Rate", "maxRateLabel", box, maxRateSpin);
    weaponRespawnSpin = named(new NumberSpin(0, 60, 5, 5, box), "weaponRespawnSpin");
    weaponRespawnLabel = namedLabel("Weapon Respawn", "weaponRespawnLabel", box, weaponRespawnSpin);
    weaponRespawnSecondsLabel = namedLabel("seconds", "weaponRespawnSecondsLabel", box);
    allowVotingCheck = named(new QCheckBox("Allow Voting", box), "allowVotingCheck");
    allowVotingCheck->setChecked(true);
    synchronousClientsCheck =
        named(new QCheckBox("Synchronous Clients", box), "synchronousClientsCheck");

    auto* grid = new QGridLayout(box);
    const std::pair<QLabel*, QWidget*> rows[] = {{maxClientsLabel, maxClientsSpin},
                                                 {hostNameLabel, hostNameEdit},
                                                 {motdLabel, motdEdit},
                                                 {passwordLabel, passwordEdit},
                                                 {maxRateLabel, maxRateSpin},
                                                 {weaponRespawnLabel, weaponRespawnSpin}};
    int row = 0;
    for (const auto& [caption, field] : rows) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    grid->addWidget(weaponRespawnSecondsLabel, row - 1, 2);
    for (QCheckBox* check : {pureServerCheck, allowVotingCheck, synchronousClientsCheck})
        grid->addWidget(check, row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);
}

void NewServerGroup::connectHandlers() {
    connectGuarded(serverMapCombo, &QComboBox::activated, this, [this] { showChosenServerMap(); });
    connectGuarded(addRemoveServerMapButton, &QPushButton::clicked, this, [this] {
        if (editor_->selectedEntries().empty())
            editor_->addChosenMap();
        else
            editor_->removeSelected();
    });
    connectGuarded(serverRotationList, &QListWidget::itemSelectionChanged, this,
                   [this] { editor_->showFocusedEntry(); });
    connectGuarded(serverGameTypeCombo, &QComboBox::activated, this,
                   [this] { editor_->applyGameType(); });
    connectGuarded(serverFragLimitSpin, &QSpinBox::valueChanged, this,
                   [this] { editor_->applyFragLimit(); });
    connectGuarded(serverTimeLimitSpin, &QSpinBox::valueChanged, this,
                   [this] { editor_->applyTimeLimit(); });
    connectGuarded(startServerButton, &QPushButton::clicked, this, [this] { startNewServer(); });
    connectGuarded(serverScriptButton, &QPushButton::clicked, this, [this] { showServerScript(); });
    connectGuarded(serveButton, &QPushButton::clicked, this, [this] { showServeCommand(); });
}

void NewServerGroup::showMaps() {
    editor_->showMaps();
}

void NewServerGroup::showChosenServerMap() {
    editor_->showChosenMap();
}

ServerOptions NewServerGroup::serverOptions() const {
    ServerOptions options;
    options.maxClients = maxClientsSpin->value();
    options.hostName = bytes(hostNameEdit->text());
    options.motd = bytes(motdEdit->text());
    options.password = bytes(passwordEdit->text());
    options.pure = pureServerCheck->isChecked();
    options.maxRate = maxRateSpin->value();
    options.weaponRespawn = weaponRespawnSpin->value();
    options.allowVote = allowVotingCheck->isChecked();
    options.synchronous = synchronousClientsCheck->isChecked();
    return options;
}

void NewServerGroup::startNewServer() {
    commitTypedNumbers();
    requireGameStarted(startServer(session_.game.launchSettings(), serverOptions(),
                                   session_.setup.serverRotation));
}

void NewServerGroup::showServerScript() {
    commitTypedNumbers();
    showLaunchPreview(
        previewLaunch(session_.game.launchSettings(), LaunchPath::Server,
                      serverScriptLines(serverOptions(), session_.setup.serverRotation)));
}

void NewServerGroup::showServeCommand() {
    commitTypedNumbers();
    ServeCommandWindow window(session_, serverOptions(), this);
    dialogs().runModal(window);
}

void NewServerGroup::useNavigationFrom(std::vector<std::string> gameArchives) {
    editor_->useNavigationFrom(std::move(gameArchives));
}

} // namespace velkarn
