#pragma once

#include "core/setup/RosterOps.h"
#include "core/setup/SetupModel.h"
#include "ui/models/RosterModel.h"
#include "ui/models/TextListModel.h"
#include "ui/widgets/NumberSpin.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace velkarn {

// The "Bots" group of the Complex page: the roster of the entry being worked on, bots added by
// hand or at random.
class BotsGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit BotsGroup(SetupModel& model, QWidget* parent = nullptr);

    // Shows `entry`'s roster (nothing for nullptr); bots added by hand go to it. In a team game
    // the team lists are usable and the roster shows teams; otherwise they show "None".
    void showEntry(RotationEntry* entry, bool teamGame);
    RotationEntry* entry() const { return roster_->entry(); }
    // The roster was changed elsewhere (random bots): it is shown again.
    void rosterChanged() { roster_->rosterChanged(); }
    // The random-bot count offered for the map or entry shown.
    void offerRandomBotCount(int count);
    // The random bots asked for: count, skill item (0 random, 1..5), team item (0 random,
    // 1 blue, 2 red).
    int randomBotCount() const;
    // The catalogue's bot names changed.
    void botNamesChanged();

signals:
    // "Add" random bots: they go to every selected rotation entry.
    void randomBotsRequested();

private:
    void createControls();
    void layOut();
    void addOrRemoveBots();
    void enableControls();

    SetupModel& model_;
    RosterModel* roster_;
    TextListModel* botNames_;
    QComboBox* botCombo_;
    QComboBox* skillCombo_;
    QComboBox* teamCombo_;
    QPushButton* addRemoveBotsButton_;
    QListView* rosterList_;
    QPushButton* addRandomBotsButton_;
    NumberSpin* randomBotCountSpin_;
    QLabel* randomBotsLabel_;
    QLabel* randomSkillLabel_;
    QComboBox* randomSkillCombo_;
    QLabel* randomTeamLabel_;
    QComboBox* randomTeamCombo_;
    bool teamGame_ = false;
};

} // namespace velkarn
