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
    setObjectName("gbMaps");
    cbMap = named(new QComboBox(this), "cbMap");
    cbMap->setMaxVisibleItems(20);
    butFindMaps = named(new QPushButton("Find...", this), "butFindMaps");
    butAddRemoveMaps = named(new QPushButton("Add/Remove", this), "butAddRemoveMaps");
    cbGameType = named(new QComboBox(this), "cbGameType");
    lbFragLimit = named(new QLabel("Frag Limit", this), "lbFragLimit");
    spFragLimit = named(new TSpinEdit(0, 255, 5, 0, this), "spFragLimit");
    lbFragLimit->setBuddy(spFragLimit);
    lbTimeLimit = named(new QLabel("Time Limit", this), "lbTimeLimit");
    spTimeLimit = named(new TSpinEdit(0, 255, 5, 20, this), "spTimeLimit");
    lbTimeLimit->setBuddy(spTimeLimit);
    preview = new LevelshotPreview(this);
    previewLevelshot = [this](const AMapFile& map, const std::string& mapName) {
        preview->preview(map, mapName);
    };
    lbMapInfo = named(new QLabel(this), "lbMapInfo");
    lbMapInfo->setWordWrap(true);
    lbMaps = named(new QListWidget(this), "lbMaps");
    lbMaps->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbMaps->setFont(fixedPitchFont());
    lbMaps->setMouseTracking(true);
    lbMaps->viewport()->installEventFilter(this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(cbMap, 0, 0, 1, 2);
    grid->addWidget(butFindMaps, 0, 2);
    grid->addWidget(preview, 1, 0, 4, 1);
    grid->addWidget(butAddRemoveMaps, 1, 2);
    grid->addWidget(cbGameType, 2, 1, 1, 2);
    auto* limits = new QGridLayout;
    limits->addWidget(lbFragLimit, 0, 0);
    limits->addWidget(spFragLimit, 0, 1);
    limits->addWidget(lbTimeLimit, 1, 0);
    limits->addWidget(spTimeLimit, 1, 1);
    grid->addLayout(limits, 3, 1, 2, 2);
    grid->addWidget(lbMapInfo, 5, 0, 1, 3);
    grid->addWidget(lbMaps, 6, 0, 1, 3);
    grid->setRowStretch(6, 1);

    connectGuarded(cbMap, &QComboBox::activated, this, [this] { cbMapChange(); });
    connectGuarded(butFindMaps, &QPushButton::clicked, this, [this] {
        if (findMaps)
            findMaps();
    });
    connectGuarded(butAddRemoveMaps, &QPushButton::clicked, this,
                   [this] { butAddRemoveMapsClick(); });
    connectGuarded(lbMaps, &QListWidget::itemClicked, this, [this] { lbMapsClick(true); });
    connectGuarded(lbMaps, &QListWidget::currentRowChanged, this, [this] {
        // Keyboard moves show the entry like a click does.
        if (lbMaps->hasFocus())
            lbMapsClick(true);
    });
    connectGuarded(cbGameType, &QComboBox::activated, this, [this] { cbGameTypeChange(); });
    connectGuarded(spFragLimit, &QSpinBox::valueChanged, this, [this] { spFragLimitChange(); });
    connectGuarded(spTimeLimit, &QSpinBox::valueChanged, this, [this] { spTimeLimitChange(); });
    enableEntryControls(false);
}

const AMapFile* MapsGroup::catalogueEntry(int index) const {
    const auto& catalogue = model_.catalogue.MapFileList;
    return index >= 0 && index < static_cast<int>(catalogue.size()) ? catalogue[index].get()
                                                                    : nullptr;
}

AMap* MapsGroup::currentEntry() const {
    for (const auto& entry : model_.MapList)
        if (entry.get() == CurMap)
            return CurMap;
    return nullptr;
}

void MapsGroup::makeCurrent(int position) {
    CurMap = model_.MapList.at(position).get();
}

void MapsGroup::focusEntry(int position) {
    QSignalBlocker quiet(lbMaps);
    lbMaps->setCurrentRow(position, QItemSelectionModel::NoUpdate);
    lbMapsClick(false);
}

std::vector<int> MapsGroup::selectedEntries() const {
    return selectedRows(*lbMaps);
}

void MapsGroup::showMaps() {
    cbMap->clear();
    for (const auto& map : model_.catalogue.MapFileList)
        cbMap->addItem(local(MapBaseName(map->FileName)));
    cbMap->setCurrentIndex(cbMap->count() > 0 ? 0 : -1);
}

void MapsGroup::showRotation() {
    lbMaps->clear();
    for (const auto& entry : model_.MapList)
        lbMaps->addItem(local(MapEntryText(*entry)));
    bots_.lbBots->clear();
    enableEntryControls(!model_.MapList.empty());
}

void MapsGroup::enableEntryControls(bool on) {
    for (QWidget* control : std::initializer_list<QWidget*>{cbGameType, lbFragLimit, spFragLimit,
                                                            lbTimeLimit, spTimeLimit})
        control->setEnabled(on);
}

void MapsGroup::butAddRemoveMapsClick() {
    if (!lbMaps->selectedItems().isEmpty())
        butRemoveMapClick();
    else
        butAddMapClick();
}

void MapsGroup::butAddMapClick() {
    const AMapFile* map = catalogueEntry(cbMap->currentIndex());
    if (!map)
        return; // no map chosen: nothing to add
    AMap& entry =
        AddRotationEntry(model_.MapList, model_.catalogue.MapFileList, cbMap->currentIndex());
    CurMap = &entry;
    bots_.EnableBotControls(true);
    bots_.spNumRan->setValue(map->ArenaBotCount != 0 ? map->ArenaBotCount : 4);
    // The roster shown is always the current entry's: the new entry's, empty, with the team
    // controls of its game type.
    bots_.setTeamGame(isTeamGame(entry.GameType));
    bots_.showRoster(entry);
    lbMaps->addItem(local(MapEntryText(entry)));
    enableEntryControls(true);
    bots_.spNumRan->setEnabled(true);
}

void MapsGroup::butRemoveMapClick() {
    RemoveEntries(model_.MapList, selectedEntries());
    for (int row = lbMaps->count() - 1; row >= 0; --row)
        if (lbMaps->item(row)->isSelected())
            delete lbMaps->takeItem(row);
    bots_.lbBots->clear();
    cbMapChange();
    if (model_.MapList.empty()) {
        enableEntryControls(false);
        bots_.EnableBotControls(false);
    }
}

void MapsGroup::describe(const AMapFile& map) {
    lbMapInfo->setText(local(map.FileName + ": " + map.LongName));
}

void MapsGroup::showGameTypes(const GameTypeChoices& choices) {
    shownChoices_ = choices;
    QSignalBlocker quiet(cbGameType);
    cbGameType->clear();
    for (const auto& text : choices.texts())
        cbGameType->addItem(local(text));
    cbGameType->setCurrentIndex(choices.selected);
    lbFragLimit->setText(local(choices.limitCaption()));
}

void MapsGroup::cbMapChange() {
    lbMaps->clearSelection();
    const AMapFile* map = catalogueEntry(cbMap->currentIndex());
    if (!map)
        return;
    describe(*map);
    bots_.spNumRan->setValue(RandomBotCountFor(*map));
    if (previewLevelshot)
        previewLevelshot(*map, bytes(cbMap->currentText()));
    showGameTypes(ChoicesForMap(*map));
}

void MapsGroup::lbMapsClick(bool withPreview) {
    const int row = lbMaps->currentRow();
    if (row < 0 || row >= static_cast<int>(model_.MapList.size()) ||
        lbMaps->selectedItems().isEmpty())
        return;
    CurMap = model_.MapList[row].get();
    const AMapFile* map = catalogueEntry(CurMap->MapFileIndex);
    if (map) {
        describe(*map);
        if (withPreview && previewLevelshot)
            previewLevelshot(*map, CurMap->Name);
    }
    {
        // Showing an entry stores nothing: the limit fields change without their handlers.
        QSignalBlocker quietFrag(spFragLimit);
        QSignalBlocker quietTime(spTimeLimit);
        spFragLimit->setValue(CurMap->FragLimit);
        spTimeLimit->setValue(CurMap->TimeLimit);
    }
    const GameTypeChoices choices = ChoicesForEntry(CurMap->GameType);
    showGameTypes(choices);
    bots_.spNumRan->setValue(map ? RandomBotCountFor(*map, CurMap->GameType) : 4);
    bots_.setTeamGame(choices.teamGame());
    bots_.showRoster(*CurMap);
}

void MapsGroup::replaceLines(const std::vector<int>& positions) {
    for (const int position : positions)
        lbMaps->item(position)->setText(local(MapEntryText(*model_.MapList[position])));
}

void MapsGroup::cbGameTypeChange() {
    const GameTypeChoices choices = [&] {
        GameTypeChoices picked = shownChoices_;
        picked.selected = std::max(0, cbGameType->currentIndex());
        return picked;
    }();
    const std::vector<int> selected = selectedEntries();
    if (!model_.MapList.empty() && !selected.empty()) {
        replaceLines(SetGameType(model_.MapList, selected, choices.selectedGameType()));
        bots_.setTeamGame(choices.teamGame());
        if (choices.teamGame())
            bots_.spNumRan->setValue(5);
    }
    shownChoices_ = choices;
    lbFragLimit->setText(local(choices.limitCaption()));
}

void MapsGroup::spFragLimitChange() {
    replaceLines(SetFragLimit(model_.MapList, selectedEntries(), spFragLimit->value()));
}

void MapsGroup::spTimeLimitChange() {
    replaceLines(SetTimeLimit(model_.MapList, selectedEntries(), spTimeLimit->value()));
}

QString MapsGroup::hintForRow(int row) const {
    if (row < 0 || row >= static_cast<int>(model_.MapList.size()))
        return {};
    const AMapFile* map = catalogueEntry(model_.MapList[row]->MapFileIndex);
    return map ? local(map->LongName) : QString();
}

bool MapsGroup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbMaps->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = hintForRow(lbMaps->indexAt(help->pos()).row());
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, lbMaps);
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace velkarn
