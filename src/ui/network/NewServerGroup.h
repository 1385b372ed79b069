#pragma once

#include "core/launch/GameScript.h"
#include "core/setup/RotationOps.h"
#include "ui/widgets/SpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace velkarn {

// "Set Up New Server": the server's own map rotation (the model's ServerMapList, mirrored item
// for item by lbServerMaps) and its options, and starting it. Neither is stored in a file; both
// last for the run.
class NewServerGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit NewServerGroup(QWidget* parent = nullptr);

    QGroupBox* gbServerMaps;
    QComboBox* cbServerMap; // item i is catalogue map i
    QPushButton* butAddRemoveServerMap;
    QListWidget* lbServerMaps;
    QComboBox* cbServerGameType;
    QLabel* lbServerFragLimit;
    TSpinEdit* spServerFragLimit;
    QLabel* lbServerTimeLimit;
    TSpinEdit* spServerTimeLimit;

    QGroupBox* gbServerOptions;
    QLabel* lbMaxClients;
    TSpinEdit* spMaxClients;
    QLabel* lbHostName;
    QLineEdit* edHostName;
    QLabel* lbMOTD;
    QLineEdit* edMOTD;
    QLabel* lbPassword;
    QLineEdit* edPassword;
    QCheckBox* cbPure;
    QLabel* lbMaxRate;
    TSpinEdit* spMaxRate;
    QLabel* lbWeaponRespawn;
    TSpinEdit* spWeaponRespawn;
    QLabel* lbWeaponRespawnSeconds;
    QCheckBox* cbVoting;
    QCheckBox* cbSynchronous;
    QPushButton* butStartServer;

    // Refills cbServerMap from the catalogue and chooses its first map (after the start-up
    // reading and after each search).
    void showMaps();

    // The user chose a map: every entry is deselected, so the next Add/Remove adds, and the game
    // type list is made for that map. Nothing while no map is chosen.
    void cbServerMapChange();
    // Removes the selected entries, or adds the chosen map when none is selected.
    void butAddRemoveServerMapClick();
    // Appends an entry for the chosen map with its default game type; nothing without a map.
    void butAddServerMapClick();
    void butRemoveServerMapClick();
    // Shows the focused entry's game type and limits without storing into any entry.
    void lbServerMapsClick();
    // Store the control's value into every selected entry; the selection stays.
    void cbServerGameTypeChange();
    void spServerFragLimitChange();
    void spServerTimeLimitChange();
    // Writes the server script from the options and the rotation, then starts the game.
    void butStartServerClick();

    // The options as the controls hold them.
    ServerOptions serverOptions() const;

private:
    GameTypeChoices shownChoices_; // what cbServerGameType offers, item for item

    void createMapControls();
    void createOptionControls();
    void connectHandlers();
    void showChoices(const GameTypeChoices& choices);
    void setRotationControlsEnabled(bool enabled);
    void replaceLines(const std::vector<int>& positions);
};

} // namespace velkarn
