#include "ui/main/ComplexPage.h"

#include "core/launch/GameScript.h"
#include "core/setup/RosterOps.h"
#include "core/setup/RotationOps.h"
#include "ui/rotation/BotsGroup.h"
#include "ui/rotation/MapsGroup.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/EnterPresses.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

ComplexPage::ComplexPage(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    // Made in the order they are laid out, which Tab follows: the maps, the bots, then Play.
    mapsGroup_ = new MapsGroup(session.setup, this);
    botsGroup_ = new BotsGroup(session.setup, this);
    scriptButton_ = namedButton("&Script...", "scriptButton", this);
    playButton_ = namedButton("&Play...", "playButton", this, true);
    pressOnEnter(this, playButton_);
    backButton_ = namedButton("Bac&k", "backButton", this);
    rotationNoteLabel_ = named(new QLabel(this), "rotationNoteLabel");
    rotationNoteLabel_->setWordWrap(true);
    rotationNoteLabel_->hide();

    auto* groups = new QHBoxLayout;
    groups->addWidget(mapsGroup_, 3);
    groups->addWidget(botsGroup_, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(scriptButton_);
    bottom->addWidget(playButton_);
    bottom->addWidget(backButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups, 1);
    layout->addWidget(rotationNoteLabel_);
    layout->addLayout(bottom);
    setFocusProxy(mapsGroup_);
    connectGroups();
}

void ComplexPage::connectGroups() {
    RotationEditor& editor = mapsGroup_->editor();
    connect(&editor, &RotationEditor::entryShown, this, [this](int row) { showEntry(row); });
    connect(&editor, &RotationEditor::entryAdded, this, [this](int row) { showEntry(row); });
    connect(&editor, &RotationEditor::mapShown, this, [this] { offerRandomBotCount(); });
    connect(&editor, &RotationEditor::entriesRemoved, this, [this] {
        if (!workedEntry())
            botsGroup_->showEntry(nullptr, false);
    });
    connect(&editor, &RotationEditor::gameTypeApplied, this, [this] {
        if (workedEntry() && !mapsGroup_->editor().selectedEntries().empty()) {
            botsGroup_->showEntry(workedEntry_, mapsGroup_->editor().shownChoices().teamGame());
            offerRandomBotCount();
        }
    });
    connect(botsGroup_, &BotsGroup::randomBotsRequested, this,
            [this] { runGuarded([this] { addRandomBotsToSelected(); }); });
    connect(mapsGroup_, &MapsGroup::findMapsRequested, this, &ComplexPage::findMapsRequested);
    connect(&session_, &Session::catalogueChanged, this, [this] {
        mapsGroup_->editor().catalogueChanged();
        botsGroup_->botNamesChanged();
        showRotationNote();
    });
    connect(&session_, &Session::rotationReplaced, this, [this] {
        workedEntry_ = nullptr;
        botsGroup_->showEntry(nullptr, false);
        mapsGroup_->editor().rotationReplaced();
        showRotationNote();
    });
    // Any change of the rotation may start or end a Tournament's hold on it.
    const RotationModel* model = &editor.model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { showRotationNote(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { showRotationNote(); });
    connect(model, &QAbstractItemModel::rowsMoved, this, [this] { showRotationNote(); });
    connect(model, &QAbstractItemModel::dataChanged, this, [this] { showRotationNote(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { showRotationNote(); });
    connect(model, &QAbstractItemModel::layoutChanged, this, [this] { showRotationNote(); });
    connect(playButton_, &QPushButton::clicked, this, &ComplexPage::playRequested);
    connect(scriptButton_, &QPushButton::clicked, this, &ComplexPage::scriptRequested);
    connect(backButton_, &QPushButton::clicked, this, &ComplexPage::backRequested);
}

void ComplexPage::showRotationNote() {
    const std::string note = tournamentStopNote(session_.setup.rotation);
    rotationNoteLabel_->setText(local(note));
    rotationNoteLabel_->setVisible(!note.empty());
}

void ComplexPage::useNavigationFrom(std::vector<std::string> gameArchives) {
    mapsGroup_->editor().model().useNavigation(NavigationIndex(std::move(gameArchives)));
}

RotationEntry* ComplexPage::workedEntry() const {
    for (const auto& entry : session_.setup.rotation)
        if (entry.get() == workedEntry_)
            return workedEntry_;
    return nullptr;
}

void ComplexPage::showEntry(int row) {
    Rotation& rotation = session_.setup.rotation;
    if (row < 0 || row >= static_cast<int>(rotation.size()))
        return;
    workedEntry_ = rotation[static_cast<std::size_t>(row)].get();
    botsGroup_->showEntry(workedEntry_, isTeamGame(workedEntry_->gameType));
    offerRandomBotCount();
}

// The count suits the map on show: its arena's bots, or five a team in team games.
void ComplexPage::offerRandomBotCount() {
    RotationEditor& editor = mapsGroup_->editor();
    const MapFiles& catalogue = session_.setup.catalogue.mapFiles;
    if (const auto row = editor.focusedEntry()) {
        const MapFile* map = editor.model().mapOf(*row);
        const int gameType = editor.shownChoices().selectedGameType();
        botsGroup_->offerRandomBotCount(map ? randomBotCountFor(*map, gameType) : 4);
    } else if (const auto chosen = editor.chosenMap()) {
        const MapFile& map = *catalogue[static_cast<std::size_t>(*chosen)];
        botsGroup_->offerRandomBotCount(randomBotCountFor(map, defaultGameType(map)));
    }
}

void ComplexPage::addRandomBotsToSelected() {
    SetupModel& setup = session_.setup;
    // With no entry selected the bots go where Add/Remove puts them: to the entry on show.
    std::vector<RotationEntry*> entries;
    for (const int row : mapsGroup_->editor().selectedEntries())
        entries.push_back(setup.rotation[static_cast<std::size_t>(row)].get());
    if (entries.empty() && workedEntry())
        entries.push_back(workedEntry());
    // The count asked for; showing the entries would offer another.
    const int requested = botsGroup_->randomBotCount();
    for (RotationEntry* shown : entries) {
        RotationEntry& entry = *shown;
        const TeamChoice team =
            teamChoiceFor(entry.gameType, teamChoiceFromItem(setup.randomTeamItem));
        addRandomBots(entry, requested, setup.catalogue.botNames, setup.randomSkillItem, team,
                      session_.random);
    }
    botsGroup_->rosterChanged();
}

} // namespace velkarn
