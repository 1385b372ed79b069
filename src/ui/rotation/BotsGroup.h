#pragma once

#include "core/setup/SetupModel.h"
#include "ui/widgets/SpinEdit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velkarn {

class MapsGroup;

// The "Bots" group of the Complex page: the roster of the rotation entry being worked on
// (MapsGroup's CurMap), bots added by hand or at random.
class BotsGroup : public QGroupBox {
    Q_OBJECT
public:
    BotsGroup(SetupModel& model, QWidget* parent = nullptr);

    // The maps group whose current entry this roster belongs to; set once after creation.
    MapsGroup* maps = nullptr;

    QComboBox* cbBot;
    QComboBox* cbSkill;
    QComboBox* cbTeam;
    QPushButton* butAddRemoveBots;
    QListWidget* lbBots;
    QPushButton* butAddRan;
    TSpinEdit* spNumRan;
    QLabel* lbRanBots;
    QLabel* lbSkill;
    QComboBox* cbRanSkill;
    QLabel* lbTeam;
    QComboBox* cbRanTeam;

    // Enables or disables all twelve bot controls.
    void EnableBotControls(bool on);
    // Team games use the team lists; other games show "None" and disable them.
    void setTeamGame(bool teamGame);
    // Fills the roster list from an entry, with a team column while the team list is usable.
    void showRoster(const AMap& entry);
    // Refills the bot list from the catalogue's bot names.
    void showBotNames();

    void butAddRemoveBotsClick();
    void butAddBotClick();
    void butRemoveBotClick();
    void butAddRanClick();
    void cbBotChange();

private:
    SetupModel& model_;
};

} // namespace velkarn
