#include "ui/rotation/BotsGroup.h"

#include "core/setup/TextHelpers.h"
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
    : QGroupBox("Bots", parent), model_(model), roster_(new RosterModel(this)),
      botNames_(new TextListModel([&model] { return model.catalogue.botNames; }, {}, this)) {
    setObjectName("botsGroup");
    createControls();
    layOut();
    connectGuarded(addRemoveBotsButton_, &QPushButton::clicked, this,
                   [this] { addOrRemoveBots(); });
    connectGuarded(addRandomBotsButton_, &QPushButton::clicked, this,
                   [this] { emit randomBotsRequested(); });
    // Choosing a bot to add ends a selection that would have made Add/Remove remove.
    connect(botCombo_, &QComboBox::activated, rosterList_, &QListView::clearSelection);
    connect(randomSkillCombo_, &QComboBox::currentIndexChanged, this,
            [this](int item) { model_.randomSkillItem = std::max(0, item); });
    connect(randomTeamCombo_, &QComboBox::currentIndexChanged, this,
            [this](int item) { model_.randomTeamItem = std::max(0, item); });
    showEntry(nullptr, false);
}

void BotsGroup::createControls() {
    botCombo_ = named(new QComboBox(this), "botCombo");
    botCombo_->setModel(botNames_);
    botCombo_->setMaxVisibleItems(20);
    spoken(botCombo_, "Bot", "The bot Add/Remove puts into the chosen entries");
    skillCombo_ = named(new QComboBox(this), "skillCombo");
    skillCombo_->addItems(localList(skillTexts()));
    spoken(skillCombo_, "Bot skill");
    teamCombo_ = named(new QComboBox(this), "teamCombo");
    teamCombo_->addItems(localList(teamTexts()));
    teamCombo_->setPlaceholderText("None");
    spoken(teamCombo_, "Bot team");
    addRemoveBotsButton_ = namedButton("Add/&Remove", "addRemoveBotsButton", this);
    rosterList_ = named(new QListView(this), "rosterList");
    rosterList_->setModel(roster_);
    rosterList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    spoken(rosterList_, "Bots of the entry",
           "The bots of the shown rotation entry; select bots to remove them");
    addRandomBotsButton_ = namedButton("A&dd", "addRandomBotsButton", this);
    randomBotCountSpin_ = named(new NumberSpin(1, 15, 1, 4, this), "randomBotCountSpin");
    randomBotCountSpin_->setArrowsOnly();
    randomBotsLabel_ = namedLabel("random bo&ts", "randomBotsLabel", this, randomBotCountSpin_);
    randomSkillCombo_ = named(new QComboBox(this), "randomSkillCombo");
    randomSkillCombo_->addItem("Random");
    randomSkillCombo_->addItems(localList(skillTexts()));
    randomSkillLabel_ = namedLabel("sk&ill", "randomSkillLabel", this, randomSkillCombo_);
    randomTeamCombo_ = named(new QComboBox(this), "randomTeamCombo");
    randomTeamCombo_->addItems({"Random", "Blue", "Red"});
    randomTeamLabel_ = namedLabel("t&eam", "randomTeamLabel", this, randomTeamCombo_);
}

void BotsGroup::layOut() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(botCombo_, 0, 0, 1, 2);
    grid->addWidget(skillCombo_, 1, 0);
    grid->addWidget(teamCombo_, 1, 1);
    grid->addWidget(addRemoveBotsButton_, 2, 1);
    grid->addWidget(rosterList_, 3, 0, 1, 2);
    auto* random = new QHBoxLayout;
    random->addWidget(addRandomBotsButton_);
    random->addWidget(randomBotCountSpin_);
    random->addWidget(randomBotsLabel_);
    random->addStretch();
    grid->addLayout(random, 4, 0, 1, 2);
    auto* randomKind = new QHBoxLayout;
    randomKind->addWidget(randomSkillLabel_);
    randomKind->addWidget(randomSkillCombo_, 1);
    randomKind->addWidget(randomTeamLabel_);
    randomKind->addWidget(randomTeamCombo_, 1);
    grid->addLayout(randomKind, 5, 0, 1, 2);
    grid->setRowStretch(3, 1);
}

void BotsGroup::showEntry(RotationEntry* entry, bool teamGame) {
    teamGame_ = teamGame;
    roster_->showEntry(entry, teamGame);
    teamCombo_->setEnabled(entry && teamGame);
    // Outside team games the list shows the text "None"; at start its first team, disabled.
    teamCombo_->setCurrentIndex(teamGame || !entry ? 0 : -1);
    randomTeamCombo_->setEnabled(entry && teamGame);
    randomTeamLabel_->setEnabled(entry && teamGame);
    enableControls();
}

void BotsGroup::enableControls() {
    const bool on = roster_->entry() != nullptr;
    for (QWidget* control : std::initializer_list<QWidget*>{
             botCombo_, skillCombo_, addRemoveBotsButton_, rosterList_, addRandomBotsButton_,
             randomBotCountSpin_, randomSkillLabel_, randomSkillCombo_, randomBotsLabel_})
        control->setEnabled(on);
}

void BotsGroup::offerRandomBotCount(int count) {
    randomBotCountSpin_->setValue(count);
}

int BotsGroup::randomBotCount() const {
    return randomBotCountSpin_->value();
}

void BotsGroup::botNamesChanged() {
    const QString chosen = botCombo_->currentText();
    botNames_->refresh();
    const int again = botCombo_->findText(chosen);
    botCombo_->setCurrentIndex(again >= 0 ? again : 0);
}

void BotsGroup::addOrRemoveBots() {
    RotationEntry* entry = roster_->entry();
    if (!entry)
        return;
    const std::vector<int> selected = selectedRows(*rosterList_);
    if (!selected.empty()) {
        removeBots(*entry, selected);
        roster_->rosterChanged();
        return;
    }
    if (botCombo_->currentIndex() < 0)
        return;
    const std::string team = teamGame_ ? bytes(teamCombo_->currentText()) : "";
    if (addBotByHand(*entry, bytes(botCombo_->currentText()), skillCombo_->currentIndex() + 1,
                     team))
        roster_->rosterChanged();
}

} // namespace velkarn
