#include "ui/rotation/BotsGroup.h"

#include "core/setup/RosterOps.h"
#include "core/setup/TextHelpers.h"
#include "ui/rotation/MapsGroup.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace velkarn {

namespace {

QStringList localList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const auto& text : texts)
        list << local(text);
    return list;
}

} // namespace

BotsGroup::BotsGroup(SetupModel& model, QWidget* parent)
    : QGroupBox("Bots", parent), model_(model) {
    setObjectName("botsGroup");
    botCombo = named(new QComboBox(this), "botCombo");
    botCombo->setMaxVisibleItems(20);
    skillCombo = named(new QComboBox(this), "skillCombo");
    skillCombo->addItems(localList(skillTexts()));
    teamCombo = named(new QComboBox(this), "teamCombo");
    teamCombo->addItems(localList(teamTexts()));
    teamCombo->setPlaceholderText("None");
    addRemoveBotsButton = named(new QPushButton("Add/Remove", this), "addRemoveBotsButton");
    rosterList = named(new QListWidget(this), "rosterList");
    rosterList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    rosterList->setFont(fixedPitchFont());
    addRandomBotsButton = named(new QPushButton("Add", this), "addRandomBotsButton");
    randomBotCountSpin = named(new NumberSpin(1, 15, 1, 4, this), "randomBotCountSpin");
    randomBotCountSpin->setArrowsOnly();
    randomBotsLabel = namedLabel("random bots", "randomBotsLabel", this, randomBotCountSpin);
    randomSkillLabel = named(new QLabel("skill", this), "randomSkillLabel");
    randomSkillCombo = named(new QComboBox(this), "randomSkillCombo");
    randomSkillCombo->addItem("Random");
    randomSkillCombo->addItems(localList(skillTexts()));
    randomTeamLabel = named(new QLabel("team", this), "randomTeamLabel");
    randomTeamCombo = named(new QComboBox(this), "randomTeamCombo");
    randomTeamCombo->addItems({"Random", "Blue", "Red"});

    auto* grid = new QGridLayout(this);
    grid->addWidget(botCombo, 0, 0, 1, 2);
    grid->addWidget(skillCombo, 1, 0);
    grid->addWidget(teamCombo, 1, 1);
    grid->addWidget(addRemoveBotsButton, 2, 1);
    grid->addWidget(rosterList, 3, 0, 1, 2);
    auto* random = new QHBoxLayout;
    random->addWidget(addRandomBotsButton);
    random->addWidget(randomBotCountSpin);
    random->addWidget(randomBotsLabel);
    grid->addLayout(random, 4, 0, 1, 2);
    auto* randomKind = new QHBoxLayout;
    randomKind->addWidget(randomSkillLabel);
    randomKind->addWidget(randomSkillCombo, 1);
    randomKind->addWidget(randomTeamLabel);
    randomKind->addWidget(randomTeamCombo, 1);
    grid->addLayout(randomKind, 5, 0, 1, 2);

    connectGuarded(addRemoveBotsButton, &QPushButton::clicked, this, [this] { addOrRemoveBots(); });
    connectGuarded(addRandomBotsButton, &QPushButton::clicked, this,
                   [this] { addRandomBotsToSelected(); });
    connectGuarded(botCombo, &QComboBox::activated, this, [this] { clearRosterSelection(); });
    connect(randomSkillCombo, &QComboBox::currentIndexChanged, this,
            [this](int item) { model_.randomSkillItem = std::max(0, item); });
    connect(randomTeamCombo, &QComboBox::currentIndexChanged, this,
            [this](int item) { model_.randomTeamItem = std::max(0, item); });
}

void BotsGroup::enableBotControls(bool on) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             botCombo, skillCombo, teamCombo, addRemoveBotsButton, rosterList, addRandomBotsButton,
             randomBotCountSpin, randomSkillLabel, randomSkillCombo, randomTeamLabel,
             randomTeamCombo, randomBotsLabel})
        control->setEnabled(on);
}

void BotsGroup::setTeamGame(bool teamGame) {
    teamCombo->setEnabled(teamGame);
    teamCombo->setCurrentIndex(teamGame ? 0 : -1); // "Blue", or the text "None"
    randomTeamCombo->setEnabled(teamGame);
    randomTeamLabel->setEnabled(teamGame);
}

void BotsGroup::showRoster(const RotationEntry& entry) {
    rosterList->clear();
    for (int slot = 0; slot < std::min<int>(entry.botCount, MaxRosterSlots); ++slot)
        rosterList->addItem(local(
            rosterEntryText(entry.bots[static_cast<std::size_t>(slot)], teamCombo->isEnabled())));
}

void BotsGroup::showBotNames() {
    const QString chosen = botCombo->currentText();
    botCombo->clear();
    botCombo->addItems(localList(model_.catalogue.botNames));
    const int again = botCombo->findText(chosen);
    botCombo->setCurrentIndex(again >= 0 ? again : 0);
}

void BotsGroup::addOrRemoveBots() {
    if (!rosterList->selectedItems().isEmpty())
        removeSelectedBots();
    else
        addChosenBot();
}

void BotsGroup::addChosenBot() {
    // The roster list always shows the current entry's roster, so its length is botCount.
    RotationEntry* entry = maps->currentEntry();
    if (!entry || botCombo->currentIndex() < 0)
        return;
    const std::string team = teamCombo->isEnabled() ? bytes(teamCombo->currentText()) : "";
    if (!addBotByHand(*entry, bytes(botCombo->currentText()), skillCombo->currentIndex() + 1, team))
        return;
    rosterList->addItem(
        local(rosterEntryText(entry->bots[entry->botCount - 1], teamCombo->isEnabled())));
}

void BotsGroup::removeSelectedBots() {
    RotationEntry* entry = maps->currentEntry();
    if (!entry)
        return;
    removeBots(*entry, selectedRows(*rosterList));
    // The list shows the entry the bots were removed from, which stays the current one.
    showRoster(*entry);
}

void BotsGroup::addRandomBotsToSelected() {
    const std::vector<int> selected = maps->selectedEntries();
    // The count the user asked for; showing each entry in turn would reset the field.
    const int requested = randomBotCountSpin->value();
    for (const int position : selected) {
        RotationEntry& entry = *model_.rotation[static_cast<std::size_t>(position)];
        maps->makeCurrent(position);
        if (selected.size() > 1)
            maps->focusEntry(position);
        const TeamChoice team =
            teamChoiceFor(entry.gameType, teamChoiceFromItem(model_.randomTeamItem));
        addRandomBots(entry, requested, model_.catalogue.botNames, model_.randomSkillItem, team,
                      maps->random());
    }
    maps->showCurrentEntry(false);
}

void BotsGroup::clearRosterSelection() {
    rosterList->clearSelection();
}

} // namespace velkarn
