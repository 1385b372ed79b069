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
    : QGroupBox("Maps", parent), model_(model), random_(random), bots_(bots) {
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
    connectGuarded(fragLimitSpin, &QSpinBox::valueChanged, this, [this] { applyFragLimit(); });
    connectGuarded(timeLimitSpin, &QSpinBox::valueChanged, this, [this] { applyTimeLimit(); });
    enableEntryControls(false);
}

const MapFile* MapsGroup::catalogueEntry(int index) const {
    const auto& catalogue = model_.catalogue.mapFiles;
    return index >= 0 && index < static_cast<int>(catalogue.size()) ? catalogue[index].get()
                                                                    : nullptr;
}

RotationEntry* MapsGroup::currentEntry() const {
    for (const auto& entry : model_.rotation)
        if (entry.get() == currentEntry_)
            return currentEntry_;
    return nullptr;
}

void MapsGroup::makeCurrent(int position) {
    currentEntry_ = model_.rotation.at(position).get();
}

void MapsGroup::focusEntry(int position) {
    QSignalBlocker quiet(rotationList);
    rotationList->setCurrentRow(position, QItemSelectionModel::NoUpdate);
    showCurrentEntry(false);
}

std::vector<int> MapsGroup::selectedEntries() const {
    return selectedRows(*rotationList);
}

void MapsGroup::showMaps() {
    mapCombo->clear();
    for (const auto& map : model_.catalogue.mapFiles)
        mapCombo->addItem(local(mapBaseName(map->fileName)));
    mapCombo->setCurrentIndex(mapCombo->count() > 0 ? 0 : -1);
}

void MapsGroup::useNavigationFrom(std::vector<std::string> gameArchives) {
    navigation_ = NavigationIndex(std::move(gameArchives));
    markMapsWithoutNavigation();
}

void MapsGroup::markMapsWithoutNavigation() {
    for (int row = 0; row < rotationList->count() && row < int(model_.rotation.size()); ++row) {
        const MapFile* map = catalogueEntry(model_.rotation[row]->mapFileIndex);
        markNavigation(*rotationList->item(row),
                       map ? navigation_.navigation(*map) : Navigation::Unknown);
    }
}

void MapsGroup::showRotation() {
    rotationList->clear();
    for (const auto& entry : model_.rotation)
        rotationList->addItem(local(rotationEntryText(*entry)));
    markMapsWithoutNavigation();
    bots_.rosterList->clear();
    enableEntryControls(!model_.rotation.empty());
}

void MapsGroup::enableEntryControls(bool on) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             gameTypeCombo, fragLimitLabel, fragLimitSpin, timeLimitLabel, timeLimitSpin})
        control->setEnabled(on);
}

void MapsGroup::addOrRemoveEntries() {
    if (!rotationList->selectedItems().isEmpty())
        removeSelectedEntries();
    else
        addChosenMap();
}

void MapsGroup::addChosenMap() {
    const MapFile* map = catalogueEntry(mapCombo->currentIndex());
    if (!map)
        return; // no map chosen: nothing to add
    RotationEntry& entry =
        addRotationEntry(model_.rotation, model_.catalogue.mapFiles, mapCombo->currentIndex());
    currentEntry_ = &entry;
    bots_.enableBotControls(true);
    bots_.randomBotCountSpin->setValue(map->arenaBotCount != 0 ? map->arenaBotCount : 4);
    // The roster shown is always the current entry's: the new entry's, empty, with the team
    // controls of its game type.
    bots_.setTeamGame(isTeamGame(entry.gameType));
    bots_.showRoster(entry);
    rotationList->addItem(local(rotationEntryText(entry)));
    markNavigation(*rotationList->item(rotationList->count() - 1), navigation_.navigation(*map));
    enableEntryControls(true);
    bots_.randomBotCountSpin->setEnabled(true);
}

void MapsGroup::removeSelectedEntries() {
    removeEntries(model_.rotation, selectedEntries());
    for (int row = rotationList->count() - 1; row >= 0; --row)
        if (rotationList->item(row)->isSelected())
            delete rotationList->takeItem(row);
    bots_.rosterList->clear();
    showChosenMap();
    if (model_.rotation.empty()) {
        enableEntryControls(false);
        bots_.enableBotControls(false);
    }
}

void MapsGroup::describe(const MapFile& map) {
    mapInfoLabel->setText(local(map.fileName + ": " + map.longName));
}

void MapsGroup::showGameTypes(const GameTypeChoices& choices) {
    shownChoices_ = choices;
    QSignalBlocker quiet(gameTypeCombo);
    gameTypeCombo->clear();
    for (const auto& text : choices.texts())
        gameTypeCombo->addItem(local(text));
    gameTypeCombo->setCurrentIndex(choices.selected);
    fragLimitLabel->setText(local(choices.limitCaption()));
}

void MapsGroup::showChosenMap() {
    rotationList->clearSelection();
    const MapFile* map = catalogueEntry(mapCombo->currentIndex());
    if (!map)
        return;
    describe(*map);
    bots_.randomBotCountSpin->setValue(randomBotCountFor(*map));
    if (previewLevelshot)
        previewLevelshot(*map, bytes(mapCombo->currentText()));
    showGameTypes(gameTypeChoicesForMap(*map));
}

void MapsGroup::showCurrentEntry(bool withPreview) {
    const int row = rotationList->currentRow();
    if (row < 0 || row >= static_cast<int>(model_.rotation.size()) ||
        rotationList->selectedItems().isEmpty())
        return;
    currentEntry_ = model_.rotation[row].get();
    const MapFile* map = catalogueEntry(currentEntry_->mapFileIndex);
    if (map) {
        describe(*map);
        if (withPreview && previewLevelshot)
            previewLevelshot(*map, currentEntry_->name);
    }
    {
        // Showing an entry stores nothing: the limit fields change without their handlers.
        QSignalBlocker quietFrag(fragLimitSpin);
        QSignalBlocker quietTime(timeLimitSpin);
        fragLimitSpin->setValue(currentEntry_->fragLimit);
        timeLimitSpin->setValue(currentEntry_->timeLimit);
    }
    const GameTypeChoices choices = gameTypeChoicesForEntry(currentEntry_->gameType);
    showGameTypes(choices);
    bots_.randomBotCountSpin->setValue(map ? randomBotCountFor(*map, currentEntry_->gameType) : 4);
    bots_.setTeamGame(choices.teamGame());
    bots_.showRoster(*currentEntry_);
}

void MapsGroup::replaceLines(const std::vector<int>& positions) {
    for (const int position : positions)
        rotationList->item(position)->setText(local(rotationEntryText(*model_.rotation[position])));
}

void MapsGroup::applyGameType() {
    const GameTypeChoices choices = [&] {
        GameTypeChoices picked = shownChoices_;
        picked.selected = std::max(0, gameTypeCombo->currentIndex());
        return picked;
    }();
    const std::vector<int> selected = selectedEntries();
    if (!model_.rotation.empty() && !selected.empty()) {
        replaceLines(setGameType(model_.rotation, selected, choices.selectedGameType()));
        bots_.setTeamGame(choices.teamGame());
        if (choices.teamGame())
            bots_.randomBotCountSpin->setValue(5);
    }
    shownChoices_ = choices;
    fragLimitLabel->setText(local(choices.limitCaption()));
}

void MapsGroup::applyFragLimit() {
    replaceLines(setFragLimit(model_.rotation, selectedEntries(), fragLimitSpin->value()));
}

void MapsGroup::applyTimeLimit() {
    replaceLines(setTimeLimit(model_.rotation, selectedEntries(), timeLimitSpin->value()));
}

QString MapsGroup::hintForRow(int row) const {
    if (row < 0 || row >= static_cast<int>(model_.rotation.size()))
        return {};
    const MapFile* map = catalogueEntry(model_.rotation[row]->mapFileIndex);
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
