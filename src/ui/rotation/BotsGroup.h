#pragma once

#include "core/setup/SetupModel.h"
#include "ui/widgets/NumberSpin.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velkarn {

class MapsGroup;

// The "Bots" group of the Complex page: the roster of the rotation entry being worked on
// (MapsGroup's currentEntry_), bots added by hand or at random.
class BotsGroup : public QGroupBox {
    Q_OBJECT
public:
    BotsGroup(SetupModel& model, QWidget* parent = nullptr);

    // The maps group whose current entry this roster belongs to; set once after creation.
    MapsGroup* maps = nullptr;

    QComboBox* botCombo;
    QComboBox* skillCombo;
    QComboBox* teamCombo;
    QPushButton* addRemoveBotsButton;
    QListWidget* rosterList;
    QPushButton* addRandomBotsButton;
    NumberSpin* randomBotCountSpin;
    QLabel* randomBotsLabel;
    QLabel* randomSkillLabel;
    QComboBox* randomSkillCombo;
    QLabel* randomTeamLabel;
    QComboBox* randomTeamCombo;

    // Enables or disables all twelve bot controls.
    void enableBotControls(bool on);
    // Team games use the team lists; other games show "None" and disable them.
    void setTeamGame(bool teamGame);
    // Fills the roster list from an entry, with a team column while the team list is usable.
    void showRoster(const RotationEntry& entry);
    // Refills the bot list from the catalogue's bot names.
    void showBotNames();

    void addOrRemoveBots();
    void addChosenBot();
    void removeSelectedBots();
    void addRandomBotsToSelected();
    void clearRosterSelection();

private:
    SetupModel& model_;
};

} // namespace velkarn
