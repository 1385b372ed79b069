#include "ui/rotation/MapsGroup.h"

#include "core/setup/TextHelpers.h"
#include "ui/rotation/BotsGroup.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LevelshotPreview.h"
#include "ui/widgets/LocalText.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QSignalBlocker>
#include <QToolTip>

namespace velkarn {

MapsGroup::MapsGroup(SetupModel& model, Random& random, BotsGroup& bots, QWidget* parent)
    : QGroupBox("Maps", parent), model_(model), random_(random), bots_(bots),
      rotationAccess_(model.rotation) {
    setObjectName("mapsGroup");
    mapCombo = named(new QComboBox(this), "mapCombo");
    mapCombo->setMaxVisibleItems(20);
    findMapsButton = named(new QPushButton("Find...", this), "findMapsButton");
    addRemoveMapsButton = named(new QPushButton("Add/Remove", this), "addRemoveMapsButton");
    gameTypeCombo = named(new QComboBox(this), "gameTypeCombo");
    fragLimitLabel = named(new QLabel("Frag Limit", this), "fragLimitLabel");
    fragLimitSpin = named(new NumberSpin(0, 255, 5, 0, this), "fragLimitSpin");
    fragLimitLabel->setBuddy(fragLimitSpin);
    timeLimitLabel = named(new QLabel("Time Limit", this), "timeLimitLabel");
    timeLimitSpin = named(new NumberSpin(0, 255, 5, 20, this), "timeLimitSpin");
    timeLimitLabel->setBuddy(timeLimitSpin);
    preview = new LevelshotPreview(this);
    previewLevelshot = [this](const MapFile& map, const std::string& mapName) {
        preview->preview(map, mapName);
    };
    mapInfoLabel = named(new QLabel(this), "mapInfoLabel");
    mapInfoLabel->setWordWrap(true);
    rotationList = named(new QListWidget(this), "rotationList");
    rotationList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    rotationList->setFont(fixedPitchFont());
    rotationList->setMouseTracking(true);
    rotationList->viewport()->installEventFilter(this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(mapCombo, 0, 0, 1, 2);
    grid->addWidget(findMapsButton, 0, 2);
    grid->addWidget(preview, 1, 0, 4, 1);
    grid->addWidget(addRemoveMapsButton, 1, 2);
    grid->addWidget(gameTypeCombo, 2, 1, 1, 2);
    auto* limits = new QGridLayout;
    limits->addWidget(fragLimitLabel, 0, 0);
    limits->addWidget(fragLimitSpin, 0, 1);
    limits->addWidget(timeLimitLabel, 1, 0);
    limits->addWidget(timeLimitSpin, 1, 1);
    grid->addLayout(limits, 3, 1, 2, 2);
    grid->addWidget(mapInfoLabel, 5, 0, 1, 3);
    grid->addWidget(rotationList, 6, 0, 1, 3);
    grid->setRowStretch(6, 1);

    editor_ = std::make_unique<RotationEditor>(
        rotationAccess_, model.catalogue.mapFiles,
        RotationControls{mapCombo, rotationList, gameTypeCombo, fragLimitLabel, fragLimitSpin,
                         timeLimitLabel, timeLimitSpin});

    connectGuarded(mapCombo, &QComboBox::activated, this, [this] { showChosenMap(); });
    connectGuarded(findMapsButton, &QPushButton::clicked, this, [this] {
        if (findMaps)
            findMaps();
    });
    connectGuarded(addRemoveMapsButton, &QPushButton::clicked, this,
                   [this] { addOrRemoveEntries(); });
    connectGuarded(rotationList, &QListWidget::itemClicked, this,
                   [this] { showCurrentEntry(true); });
    connectGuarded(rotationList, &QListWidget::currentRowChanged, this, [this] {
        // Keyboard moves show the entry like a click does.
        if (rotationList->hasFocus())
            showCurrentEntry(true);
    });
    connectGuarded(gameTypeCombo, &QComboBox::activated, this, [this] { applyGameType(); });
    connectGuarded(fragLimitSpin, &QSpinBox::valueChanged, this,
                   [this] { editor_->applyFragLimit(); });
    connectGuarded(timeLimitSpin, &QSpinBox::valueChanged, this,
                   [this] { editor_->applyTimeLimit(); });
    enableEntryControls(false);
}

const MapFile* MapsGroup::catalogueEntry(int index) const {
    const auto& catalogue = model_.catalogue.mapFiles;
    return index >= 0 && index < static_cast<int>(catalogue.size())
               ? catalogue[static_cast<std::size_t>(index)].get()
               : nullptr;
}

RotationEntry* MapsGroup::currentEntry() const {
    for (const auto& entry : model_.rotation)
        if (entry.get() == currentEntry_)
            return currentEntry_;
    return nullptr;
}

void MapsGroup::makeCurrent(int position) {
    currentEntry_ = model_.rotation.at(static_cast<std::size_t>(position)).get();
}

void MapsGroup::focusEntry(int position) {
    QSignalBlocker quiet(rotationList);
    rotationList->setCurrentRow(position, QItemSelectionModel::NoUpdate);
    showCurrentEntry(false);
}

std::vector<int> MapsGroup::selectedEntries() const {
    return editor_->selectedEntries();
}

void MapsGroup::markMapsWithoutNavigation() {
    editor_->markMapsWithoutNavigation();
}

void MapsGroup::useNavigationFrom(std::vector<std::string> gameArchives) {
    editor_->useNavigationFrom(std::move(gameArchives));
}

void MapsGroup::showMaps() {
    editor_->showMaps();
}

void MapsGroup::showRotation() {
    editor_->showRotation();
    bots_.rosterList->clear();
}

void MapsGroup::enableEntryControls(bool on) {
    editor_->enableEntryControls(on);
}

void MapsGroup::addOrRemoveEntries() {
    if (!rotationList->selectedItems().isEmpty())
        removeSelectedEntries();
    else
        addChosenMap();
}

void MapsGroup::addChosenMap() {
    const auto position = editor_->addChosenMap();
    if (!position)
        return; // no map chosen: nothing to add
    RotationEntry& entry = *model_.rotation[static_cast<std::size_t>(*position)];
    currentEntry_ = &entry;
    bots_.enableBotControls(true);
    bots_.randomBotCountSpin->setValue(
        randomBotCountFor(*catalogueEntry(entry.mapFileIndex), entry.gameType));
    // The roster shown is always the current entry's: the new entry's, empty, with the team
    // controls of its game type.
    bots_.setTeamGame(isTeamGame(entry.gameType));
    bots_.showRoster(entry);
}

void MapsGroup::removeSelectedEntries() {
    editor_->removeSelected();
    bots_.rosterList->clear();
    showChosenMap();
    if (model_.rotation.empty())
        bots_.enableBotControls(false);
}

void MapsGroup::describe(const MapFile& map) {
    mapInfoLabel->setText(local(map.fileName + ": " + map.longName));
}

void MapsGroup::showChosenMap() {
    if (!editor_->showChosenMap())
        return;
    const MapFile& map = *catalogueEntry(*editor_->chosenMap());
    describe(map);
    bots_.randomBotCountSpin->setValue(randomBotCountFor(map, defaultGameType(map)));
    if (previewLevelshot)
        previewLevelshot(map, bytes(mapCombo->currentText()));
}

void MapsGroup::showCurrentEntry(bool withPreview) {
    const auto row = editor_->showFocusedEntry();
    if (!row)
        return;
    currentEntry_ = model_.rotation[static_cast<std::size_t>(*row)].get();
    const MapFile* map = catalogueEntry(currentEntry_->mapFileIndex);
    if (map) {
        describe(*map);
        if (withPreview && previewLevelshot)
            previewLevelshot(*map, currentEntry_->name);
    }
    bots_.randomBotCountSpin->setValue(map ? randomBotCountFor(*map, currentEntry_->gameType) : 4);
    bots_.setTeamGame(editor_->shownChoices().teamGame());
    bots_.showRoster(*currentEntry_);
}

void MapsGroup::applyGameType() {
    editor_->applyGameType();
    if (model_.rotation.empty() || selectedEntries().empty())
        return;
    const GameTypeChoices& choices = editor_->shownChoices();
    bots_.setTeamGame(choices.teamGame());
    const MapFile* map = catalogueEntry(currentEntry_ ? currentEntry_->mapFileIndex : -1);
    if (choices.teamGame() && map)
        bots_.randomBotCountSpin->setValue(randomBotCountFor(*map, choices.selectedGameType()));
}

QString MapsGroup::hintForRow(int row) const {
    if (row < 0 || row >= static_cast<int>(model_.rotation.size()))
        return {};
    const MapFile* map =
        catalogueEntry(model_.rotation[static_cast<std::size_t>(row)]->mapFileIndex);
    const QString warning = rotationList->item(row) ? rotationList->item(row)->toolTip() : "";
    const QString title = map ? local(map->longName) : QString();
    return title.isEmpty() || warning.isEmpty() ? title + warning : title + "\n" + warning;
}

bool MapsGroup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rotationList->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = hintForRow(rotationList->indexAt(help->pos()).row());
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, rotationList);
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace velkarn
