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
    setObjectName("gbBots");
    cbBot = named(new QComboBox(this), "cbBot");
    cbBot->setMaxVisibleItems(20);
    cbSkill = named(new QComboBox(this), "cbSkill");
    cbSkill->addItems(localList(skillTexts()));
    cbTeam = named(new QComboBox(this), "cbTeam");
    cbTeam->addItems(localList(teamTexts()));
    cbTeam->setPlaceholderText("None");
    butAddRemoveBots = named(new QPushButton("Add/Remove", this), "butAddRemoveBots");
    lbBots = named(new QListWidget(this), "lbBots");
    lbBots->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbBots->setFont(fixedPitchFont());
    butAddRan = named(new QPushButton("Add", this), "butAddRan");
    spNumRan = named(new TSpinEdit(1, 15, 1, 4, this), "spNumRan");
    spNumRan->setArrowsOnly();
    lbRanBots = namedLabel("random bots", "lbRanBots", this, spNumRan);
    lbSkill = named(new QLabel("skill", this), "lbSkill");
    cbRanSkill = named(new QComboBox(this), "cbRanSkill");
    cbRanSkill->addItem("Random");
    cbRanSkill->addItems(localList(skillTexts()));
    lbTeam = named(new QLabel("team", this), "lbTeam");
    cbRanTeam = named(new QComboBox(this), "cbRanTeam");
    cbRanTeam->addItems({"Random", "Blue", "Red"});

    auto* grid = new QGridLayout(this);
    grid->addWidget(cbBot, 0, 0, 1, 2);
    grid->addWidget(cbSkill, 1, 0);
    grid->addWidget(cbTeam, 1, 1);
    grid->addWidget(butAddRemoveBots, 2, 1);
    grid->addWidget(lbBots, 3, 0, 1, 2);
    auto* random = new QHBoxLayout;
    random->addWidget(butAddRan);
    random->addWidget(spNumRan);
    random->addWidget(lbRanBots);
    grid->addLayout(random, 4, 0, 1, 2);
    auto* randomKind = new QHBoxLayout;
    randomKind->addWidget(lbSkill);
    randomKind->addWidget(cbRanSkill, 1);
    randomKind->addWidget(lbTeam);
    randomKind->addWidget(cbRanTeam, 1);
    grid->addLayout(randomKind, 5, 0, 1, 2);

    connectGuarded(butAddRemoveBots, &QPushButton::clicked, this,
                   [this] { butAddRemoveBotsClick(); });
    connectGuarded(butAddRan, &QPushButton::clicked, this, [this] { butAddRanClick(); });
    connectGuarded(cbBot, &QComboBox::activated, this, [this] { cbBotChange(); });
}

void BotsGroup::EnableBotControls(bool on) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             cbBot, cbSkill, cbTeam, butAddRemoveBots, lbBots, butAddRan, spNumRan, lbSkill,
             cbRanSkill, lbTeam, cbRanTeam, lbRanBots})
        control->setEnabled(on);
}

void BotsGroup::setTeamGame(bool teamGame) {
    cbTeam->setEnabled(teamGame);
    cbTeam->setCurrentIndex(teamGame ? 0 : -1); // "Blue", or the text "None"
    cbRanTeam->setEnabled(teamGame);
    lbTeam->setEnabled(teamGame);
}

void BotsGroup::showRoster(const AMap& entry) {
    lbBots->clear();
    for (int slot = 0; slot < std::min<int>(entry.BotCount, MaxRosterSlots); ++slot)
        lbBots->addItem(local(BotEntryText(entry.Bots[slot], cbTeam->isEnabled())));
}

void BotsGroup::showBotNames() {
    const QString chosen = cbBot->currentText();
    cbBot->clear();
    cbBot->addItems(localList(model_.catalogue.BotNames));
    const int again = cbBot->findText(chosen);
    cbBot->setCurrentIndex(again >= 0 ? again : 0);
}

void BotsGroup::butAddRemoveBotsClick() {
    if (!lbBots->selectedItems().isEmpty())
        butRemoveBotClick();
    else
        butAddBotClick();
}

void BotsGroup::butAddBotClick() {
    // The roster list always shows the current entry's roster, so its length is BotCount.
    AMap* entry = maps->currentEntry();
    if (!entry || cbBot->currentIndex() < 0)
        return;
    const std::string team = cbTeam->isEnabled() ? bytes(cbTeam->currentText()) : "";
    if (!AddBotByHand(*entry, bytes(cbBot->currentText()), cbSkill->currentIndex() + 1, team))
        return;
    lbBots->addItem(local(BotEntryText(entry->Bots[entry->BotCount - 1], cbTeam->isEnabled())));
}

void BotsGroup::butRemoveBotClick() {
    AMap* entry = maps->currentEntry();
    if (!entry)
        return;
    RemoveBots(*entry, selectedRows(*lbBots));
    // The list shows the entry the bots were removed from, which stays the current one.
    showRoster(*entry);
}

void BotsGroup::butAddRanClick() {
    const std::vector<int> selected = maps->selectedEntries();
    // The count the user asked for; showing each entry in turn would reset the field.
    const int requested = spNumRan->value();
    for (const int position : selected) {
        AMap& entry = *model_.MapList[position];
        maps->makeCurrent(position);
        if (selected.size() > 1)
            maps->focusEntry(position);
        const TeamChoice team =
            TeamChoiceFor(entry.GameType, TeamChoiceFromItem(cbRanTeam->currentIndex()));
        AddRandomBots(entry, requested, model_.catalogue.BotNames, cbRanSkill->currentIndex(), team,
                      maps->random());
    }
    maps->lbMapsClick(false);
}

void BotsGroup::cbBotChange() {
    lbBots->clearSelection();
}

} // namespace velkarn
