#include "ui/rotation/MapsGroup.h"

#include "core/setup/TextHelpers.h"
#include "ui/models/RotationAccess.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LevelshotPreview.h"
#include "ui/widgets/LocalText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <memory>

namespace velkarn {

MapsGroup::MapsGroup(SetupModel& model, QWidget* parent)
    : QGroupBox("Maps", parent), model_(model) {
    setObjectName("mapsGroup");
    createControls();
    layOut();
    editor_ = new RotationEditor(
        std::make_unique<RotationAccessOf<RotationEntry>>(model.rotation), model.catalogue.mapFiles,
        RotationControls{mapCombo_, rotationList_, gameTypeCombo_, fragLimitLabel_, fragLimitSpin_,
                         timeLimitLabel_, timeLimitSpin_},
        this);
    connect(editor_, &RotationEditor::mapShown, this, [this](int map) { showMap(map); });
    connectGuarded(findMapsButton_, &QPushButton::clicked, this,
                   [this] { emit findMapsRequested(); });
    connectGuarded(addRemoveMapsButton_, &QPushButton::clicked, this,
                   [this] { editor_->addOrRemove(); });
    editor_->showChosenMap();
}

void MapsGroup::createControls() {
    mapCombo_ = spoken(named(new QComboBox(this), "mapCombo"), "Map",
                       "The map Add/Remove puts into the rotation");
    findMapsButton_ = namedButton("Fi&nd...", "findMapsButton", this);
    addRemoveMapsButton_ = namedButton("&Add/Remove", "addRemoveMapsButton", this);
    gameTypeCombo_ = spoken(named(new QComboBox(this), "gameTypeCombo"), "Game type");
    fragLimitSpin_ = named(new NumberSpin(0, 255, 5, 0, this), "fragLimitSpin");
    fragLimitLabel_ = namedLabel("Frag &Limit", "fragLimitLabel", this, fragLimitSpin_);
    timeLimitSpin_ = named(new NumberSpin(0, 255, 5, 20, this), "timeLimitSpin");
    timeLimitLabel_ = namedLabel("Ti&me Limit", "timeLimitLabel", this, timeLimitSpin_);
    preview_ = new LevelshotPreview(this);
    mapInfoLabel_ = named(new QLabel(this), "mapInfoLabel");
    mapInfoLabel_->setWordWrap(true);
    mapInfoLabel_->setTextFormat(Qt::PlainText);
    rotationList_ = spoken(named(new QListView(this), "rotationList"), "Rotation",
                           "The maps played in turn; select entries to change them together");
}

void MapsGroup::layOut() {
    auto* choose = new QHBoxLayout;
    choose->addWidget(mapCombo_, 1);
    choose->addWidget(findMapsButton_);
    auto* limits = new QGridLayout;
    limits->addWidget(fragLimitLabel_, 0, 0);
    limits->addWidget(fragLimitSpin_, 0, 1);
    limits->addWidget(timeLimitLabel_, 1, 0);
    limits->addWidget(timeLimitSpin_, 1, 1);
    auto* entry = new QVBoxLayout;
    entry->addWidget(addRemoveMapsButton_);
    entry->addWidget(gameTypeCombo_);
    entry->addLayout(limits);
    entry->addStretch();
    // The levelshot takes what room the window gives.
    auto* top = new QHBoxLayout;
    top->addWidget(preview_, 1);
    top->addLayout(entry);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choose);
    layout->addLayout(top, 3);
    layout->addWidget(mapInfoLabel_);
    layout->addWidget(rotationList_, 2);
}

void MapsGroup::showMap(int catalogueIndex) {
    const MapFiles& catalogue = model_.catalogue.mapFiles;
    if (catalogueIndex < 0 || catalogueIndex >= static_cast<int>(catalogue.size())) {
        mapInfoLabel_->clear();
        preview_->clear();
        return;
    }
    const MapFile& map = *catalogue[static_cast<std::size_t>(catalogueIndex)];
    mapInfoLabel_->setText(local(map.fileName + ": " + map.longName));
    preview_->preview(map, mapBaseName(map.fileName));
}

} // namespace velkarn
