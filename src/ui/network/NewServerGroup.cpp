#include "ui/network/NewServerGroup.h"

#include "core/launch/GameLaunch.h"
#include "core/setup/TextHelpers.h"
#include "ui/main/Forms.h"
#include "ui/main/LaunchSettings.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velkarn {

namespace {

constexpr int MapDropDownLines = 20;

SetupModel& model() {
    return forms().fmMain->model;
}

ServerMapListType& rotation() {
    return model().ServerMapList;
}

} // namespace

NewServerGroup::NewServerGroup(QWidget* parent) : QGroupBox("Set Up New Server", parent) {
    setObjectName("gbNewServer");
    createMapControls();
    createOptionControls();
    butStartServer = namedButton("Start Server...", "butStartServer", this, true);

    auto* right = new QVBoxLayout;
    right->addWidget(gbServerOptions);
    right->addStretch();
    right->addWidget(butStartServer, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(gbServerMaps, 1);
    layout->addLayout(right, 1);
    setRotationControlsEnabled(false);
    connectHandlers();
}

void NewServerGroup::createMapControls() {
    gbServerMaps = named(new QGroupBox("Maps", this), "gbServerMaps");
    cbServerMap = named(new QComboBox(gbServerMaps), "cbServerMap");
    cbServerMap->setMaxVisibleItems(MapDropDownLines);
    butAddRemoveServerMap = namedButton("Add/Remove", "butAddRemoveServerMap", gbServerMaps, true);
    lbServerMaps = named(new QListWidget(gbServerMaps), "lbServerMaps");
    lbServerMaps->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbServerMaps->setFont(fixedPitchFont());
    cbServerGameType = named(new QComboBox(gbServerMaps), "cbServerGameType");
    spServerFragLimit = named(new TSpinEdit(0, 255, 5, 0, gbServerMaps), "spServerFragLimit");
    lbServerFragLimit =
        namedLabel("Frag Limit", "lbServerFragLimit", gbServerMaps, spServerFragLimit);
    spServerTimeLimit = named(new TSpinEdit(0, 255, 5, 20, gbServerMaps), "spServerTimeLimit");
    lbServerTimeLimit =
        namedLabel("Time Limit", "lbServerTimeLimit", gbServerMaps, spServerTimeLimit);

    auto* choose = new QHBoxLayout;
    choose->addWidget(cbServerMap, 1);
    choose->addWidget(butAddRemoveServerMap);
    auto* limits = new QHBoxLayout;
    limits->addWidget(lbServerFragLimit);
    limits->addWidget(spServerFragLimit);
    limits->addStretch();
    limits->addWidget(lbServerTimeLimit);
    limits->addWidget(spServerTimeLimit);
    auto* layout = new QVBoxLayout(gbServerMaps);
    layout->addLayout(choose);
    layout->addWidget(lbServerMaps, 1);
    layout->addWidget(cbServerGameType);
    layout->addLayout(limits);
}

void NewServerGroup::createOptionControls() {
    gbServerOptions = named(new QGroupBox("Server Options", this), "gbServerOptions");
    QWidget* box = gbServerOptions;
    spMaxClients = named(new TSpinEdit(4, 64, 1, 4, box), "spMaxClients");
    lbMaxClients = namedLabel("Max Clients", "lbMaxClients", box, spMaxClients);
    edHostName = named(new QLineEdit(box), "edHostName");
    lbHostName = namedLabel("Host Name", "lbHostName", box, edHostName);
    edMOTD = named(new QLineEdit(box), "edMOTD");
    lbMOTD = namedLabel("Message", "lbMOTD", box, edMOTD);
    edPassword = named(new QLineEdit(box), "edPassword");
    lbPassword = namedLabel("Password", "lbPassword", box, edPassword);
    cbPure = named(new QCheckBox("Pure Server", box), "cbPure");
    spMaxRate = named(new TSpinEdit(0, 25000, 1000, 10000, box), "spMaxRate");
    lbMaxRate = namedLabel("Max Rate", "lbMaxRate", box, spMaxRate);
    spWeaponRespawn = named(new TSpinEdit(0, 60, 5, 5, box), "spWeaponRespawn");
    lbWeaponRespawn = namedLabel("Weapon Respawn", "lbWeaponRespawn", box, spWeaponRespawn);
    lbWeaponRespawnSeconds = namedLabel("seconds", "lbWeaponRespawnSeconds", box);
    cbVoting = named(new QCheckBox("Allow Voting", box), "cbVoting");
    cbVoting->setChecked(true);
    cbSynchronous = named(new QCheckBox("Synchronous Clients", box), "cbSynchronous");

    auto* grid = new QGridLayout(box);
    const std::pair<QLabel*, QWidget*> rows[] = {
        {lbMaxClients, spMaxClients}, {lbHostName, edHostName}, {lbMOTD, edMOTD},
        {lbPassword, edPassword},     {lbMaxRate, spMaxRate},   {lbWeaponRespawn, spWeaponRespawn}};
    int row = 0;
    for (const auto& [caption, field] : rows) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    grid->addWidget(lbWeaponRespawnSeconds, row - 1, 2);
    for (QCheckBox* check : {cbPure, cbVoting, cbSynchronous})
        grid->addWidget(check, row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);
}

void NewServerGroup::connectHandlers() {
    connectGuarded(cbServerMap, &QComboBox::activated, this, [this] { cbServerMapChange(); });
    connectGuarded(butAddRemoveServerMap, &QPushButton::clicked, this,
                   [this] { butAddRemoveServerMapClick(); });
    connectGuarded(lbServerMaps, &QListWidget::itemSelectionChanged, this,
                   [this] { lbServerMapsClick(); });
    connectGuarded(cbServerGameType, &QComboBox::activated, this,
                   [this] { cbServerGameTypeChange(); });
    connectGuarded(spServerFragLimit, &QSpinBox::valueChanged, this,
                   [this] { spServerFragLimitChange(); });
    connectGuarded(spServerTimeLimit, &QSpinBox::valueChanged, this,
                   [this] { spServerTimeLimitChange(); });
    connectGuarded(butStartServer, &QPushButton::clicked, this, [this] { butStartServerClick(); });
}

void NewServerGroup::showMaps() {
    const QSignalBlocker quiet(cbServerMap);
    cbServerMap->clear();
    for (const auto& map : model().catalogue.MapFileList)
        cbServerMap->addItem(local(MapBaseName(map->FileName)));
    cbServerMap->setCurrentIndex(cbServerMap->count() > 0 ? 0 : -1);
}

void NewServerGroup::showChoices(const GameTypeChoices& choices) {
    shownChoices_ = choices;
    const QSignalBlocker quiet(cbServerGameType);
    cbServerGameType->clear();
    for (const std::string& text : choices.texts())
        cbServerGameType->addItem(local(text));
    cbServerGameType->setCurrentIndex(choices.selected);
    lbServerFragLimit->setText(local(choices.limitCaption()));
}

void NewServerGroup::setRotationControlsEnabled(bool enabled) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{cbServerGameType, lbServerFragLimit, spServerFragLimit,
                                         lbServerTimeLimit, spServerTimeLimit})
        control->setEnabled(enabled);
}

void NewServerGroup::replaceLines(const std::vector<int>& positions) {
    for (int position : positions)
        lbServerMaps->item(position)->setText(
            local(MapEntryText(*rotation()[static_cast<std::size_t>(position)])));
}

void NewServerGroup::cbServerMapChange() {
    const MapFileListType& catalogue = model().catalogue.MapFileList;
    const int chosen = cbServerMap->currentIndex();
    if (chosen < 0 || chosen >= static_cast<int>(catalogue.size()))
        return;
    {
        const QSignalBlocker quiet(lbServerMaps);
        lbServerMaps->clearSelection();
    }
    showChoices(ChoicesForMap(*catalogue[static_cast<std::size_t>(chosen)]));
}

void NewServerGroup::butAddRemoveServerMapClick() {
    if (selectedRows(*lbServerMaps).empty())
        butAddServerMapClick();
    else
        butRemoveServerMapClick();
}

void NewServerGroup::butAddServerMapClick() {
    const int chosen = cbServerMap->currentIndex();
    if (chosen < 0)
        return;
    const AServerMap& entry = AddServerEntry(rotation(), model().catalogue.MapFileList, chosen);
    lbServerMaps->addItem(local(MapEntryText(entry)));
    setRotationControlsEnabled(true);
}

void NewServerGroup::butRemoveServerMapClick() {
    const std::vector<int> rows = selectedRows(*lbServerMaps);
    RemoveEntries(rotation(), rows);
    {
        const QSignalBlocker quiet(lbServerMaps);
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            delete lbServerMaps->takeItem(*row);
    }
    cbServerMapChange();
    if (rotation().empty())
        setRotationControlsEnabled(false);
}

void NewServerGroup::lbServerMapsClick() {
    const int focused = lbServerMaps->currentRow();
    if (selectedRows(*lbServerMaps).empty() || focused < 0 ||
        focused >= static_cast<int>(rotation().size()))
        return;
    const AServerMap& entry = *rotation()[static_cast<std::size_t>(focused)];
    {
        // Showing an entry must not store its limits into the other selected entries.
        const QSignalBlocker quietFrag(spServerFragLimit);
        const QSignalBlocker quietTime(spServerTimeLimit);
        spServerFragLimit->setValue(entry.FragLimit);
        spServerTimeLimit->setValue(entry.TimeLimit);
    }
    showChoices(ChoicesForEntry(entry.GameType));
}

void NewServerGroup::cbServerGameTypeChange() {
    const int gameType = shownChoices_.gameTypeAt(cbServerGameType->currentIndex());
    replaceLines(SetGameType(rotation(), selectedRows(*lbServerMaps), gameType));
    lbServerFragLimit->setText(local(limitLabel(gameType)));
}

void NewServerGroup::spServerFragLimitChange() {
    replaceLines(SetFragLimit(rotation(), selectedRows(*lbServerMaps), spServerFragLimit->value()));
}

void NewServerGroup::spServerTimeLimitChange() {
    replaceLines(SetTimeLimit(rotation(), selectedRows(*lbServerMaps), spServerTimeLimit->value()));
}

ServerOptions NewServerGroup::serverOptions() const {
    ServerOptions options;
    options.maxClients = spMaxClients->value();
    options.hostName = bytes(edHostName->text());
    options.motd = bytes(edMOTD->text());
    options.password = bytes(edPassword->text());
    options.pure = cbPure->isChecked();
    options.maxRate = spMaxRate->value();
    options.weaponRespawn = spWeaponRespawn->value();
    options.allowVote = cbVoting->isChecked();
    options.synchronous = cbSynchronous->isChecked();
    return options;
}

void NewServerGroup::butStartServerClick() {
    commitTypedNumbers();
    RequireGameStarted(StartServer(currentGameSettings(), serverOptions(), rotation()));
}

} // namespace velkarn
