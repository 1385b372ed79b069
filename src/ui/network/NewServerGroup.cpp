#include "ui/network/NewServerGroup.h"

#include "core/launch/GameLaunch.h"
#include "core/setup/TextHelpers.h"
#include "ui/main/Forms.h"
#include "ui/main/LaunchSettings.h"
#include "ui/main/MainWindow.h"
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

SetupModel& model() {
    return forms().mainWindow->model;
}

ServerRotation& rotation() {
    return model().serverRotation;
}

} // namespace

NewServerGroup::NewServerGroup(QWidget* parent) : QGroupBox("Set Up New Server", parent) {
    setObjectName("newServerGroup");
    createMapControls();
    createOptionControls();
    serverScriptButton = namedButton("Script...", "serverScriptButton", this);
    startServerButton = namedButton("Start Server...", "startServerButton", this, true);

    auto* right = new QVBoxLayout;
    right->addWidget(serverOptionsGroup);
    right->addStretch();
    auto* startRow = new QHBoxLayout;
    startRow->addStretch();
    startRow->addWidget(serverScriptButton);
    startRow->addWidget(startServerButton);
    right->addLayout(startRow);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(serverMapsGroup, 1);
    layout->addLayout(right, 1);
    setRotationControlsEnabled(false);
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
    connectGuarded(addRemoveServerMapButton, &QPushButton::clicked, this,
                   [this] { addOrRemoveServerEntries(); });
    connectGuarded(serverRotationList, &QListWidget::itemSelectionChanged, this,
                   [this] { showFocusedServerEntry(); });
    connectGuarded(serverGameTypeCombo, &QComboBox::activated, this,
                   [this] { applyServerGameType(); });
    connectGuarded(serverFragLimitSpin, &QSpinBox::valueChanged, this,
                   [this] { applyServerFragLimit(); });
    connectGuarded(serverTimeLimitSpin, &QSpinBox::valueChanged, this,
                   [this] { applyServerTimeLimit(); });
    connectGuarded(startServerButton, &QPushButton::clicked, this, [this] { startNewServer(); });
    connectGuarded(serverScriptButton, &QPushButton::clicked, this, [this] { showServerScript(); });
}

void NewServerGroup::showMaps() {
    const QSignalBlocker quiet(serverMapCombo);
    serverMapCombo->clear();
    for (const auto& map : model().catalogue.mapFiles)
        serverMapCombo->addItem(local(mapBaseName(map->fileName)));
    serverMapCombo->setCurrentIndex(serverMapCombo->count() > 0 ? 0 : -1);
}

void NewServerGroup::useNavigationFrom(std::vector<std::string> gameArchives) {
    navigation_ = NavigationIndex(std::move(gameArchives));
    markServerMapsWithoutNavigation();
}

void NewServerGroup::markServerMapsWithoutNavigation() {
    const MapFiles& catalogue = model().catalogue.mapFiles;
    for (int row = 0; row < serverRotationList->count() && row < int(rotation().size()); ++row) {
        const auto index = static_cast<std::size_t>(rotation()[std::size_t(row)]->mapFileIndex);
        markNavigation(*serverRotationList->item(row),
                       index < catalogue.size() ? navigation_.navigation(*catalogue[index])
                                                : Navigation::Unknown);
    }
}

void NewServerGroup::showChoices(const GameTypeChoices& choices) {
    shownChoices_ = choices;
    const QSignalBlocker quiet(serverGameTypeCombo);
    serverGameTypeCombo->clear();
    for (const std::string& text : choices.texts())
        serverGameTypeCombo->addItem(local(text));
    serverGameTypeCombo->setCurrentIndex(choices.selected);
    serverFragLimitLabel->setText(local(choices.limitCaption()));
}

void NewServerGroup::setRotationControlsEnabled(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             serverGameTypeCombo, serverFragLimitLabel, serverFragLimitSpin, serverTimeLimitLabel,
             serverTimeLimitSpin})
        control->setEnabled(enabled);
}

void NewServerGroup::replaceLines(const std::vector<int>& positions) {
    for (int position : positions)
        serverRotationList->item(position)->setText(
            local(rotationEntryText(*rotation()[static_cast<std::size_t>(position)])));
}

void NewServerGroup::showChosenServerMap() {
    const MapFiles& catalogue = model().catalogue.mapFiles;
    const int chosen = serverMapCombo->currentIndex();
    if (chosen < 0 || chosen >= static_cast<int>(catalogue.size()))
        return;
    {
        const QSignalBlocker quiet(serverRotationList);
        serverRotationList->clearSelection();
    }
    showChoices(gameTypeChoicesForMap(*catalogue[static_cast<std::size_t>(chosen)]));
}

void NewServerGroup::addOrRemoveServerEntries() {
    if (selectedRows(*serverRotationList).empty())
        addChosenServerMap();
    else
        removeSelectedServerEntries();
}

void NewServerGroup::addChosenServerMap() {
    const int chosen = serverMapCombo->currentIndex();
    if (chosen < 0)
        return;
    const ServerRotationEntry& entry =
        addServerRotationEntry(rotation(), model().catalogue.mapFiles, chosen);
    serverRotationList->addItem(local(rotationEntryText(entry)));
    markServerMapsWithoutNavigation();
    setRotationControlsEnabled(true);
}

void NewServerGroup::removeSelectedServerEntries() {
    const std::vector<int> rows = selectedRows(*serverRotationList);
    removeEntries(rotation(), rows);
    {
        const QSignalBlocker quiet(serverRotationList);
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            delete serverRotationList->takeItem(*row);
    }
    showChosenServerMap();
    if (rotation().empty())
        setRotationControlsEnabled(false);
}

void NewServerGroup::showFocusedServerEntry() {
    const int focused = serverRotationList->currentRow();
    if (selectedRows(*serverRotationList).empty() || focused < 0 ||
        focused >= static_cast<int>(rotation().size()))
        return;
    const ServerRotationEntry& entry = *rotation()[static_cast<std::size_t>(focused)];
    {
        // Showing an entry must not store its limits into the other selected entries.
        const QSignalBlocker quietFrag(serverFragLimitSpin);
        const QSignalBlocker quietTime(serverTimeLimitSpin);
        serverFragLimitSpin->setValue(entry.fragLimit);
        serverTimeLimitSpin->setValue(entry.timeLimit);
    }
    showChoices(gameTypeChoicesForEntry(entry.gameType));
}

void NewServerGroup::applyServerGameType() {
    const int gameType = shownChoices_.gameTypeAt(serverGameTypeCombo->currentIndex());
    replaceLines(setGameType(rotation(), selectedRows(*serverRotationList), gameType));
    serverFragLimitLabel->setText(local(limitLabel(gameType)));
}

void NewServerGroup::applyServerFragLimit() {
    replaceLines(
        setFragLimit(rotation(), selectedRows(*serverRotationList), serverFragLimitSpin->value()));
}

void NewServerGroup::applyServerTimeLimit() {
    replaceLines(
        setTimeLimit(rotation(), selectedRows(*serverRotationList), serverTimeLimitSpin->value()));
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
    requireGameStarted(startServer(currentGameSettings(), serverOptions(), rotation()));
}

void NewServerGroup::showServerScript() {
    commitTypedNumbers();
    showLaunchPreview(previewLaunch(currentGameSettings(), LaunchPath::Server,
                                    serverScriptLines(serverOptions(), rotation())));
}

} // namespace velkarn
