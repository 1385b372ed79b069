#pragma once

#include "core/launch/GameScript.h"
#include "core/setup/SetupModel.h"

#include <QObject>
#include <string>

namespace velkarn {

// The player: colored name, model, skin, team and simulated ping. The player options window
// edits it; setups store all but the team.
class PlayerOptions : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxSimPing = 500;

    // `optionsFile` remembers the choices no setup keeps (recording); empty: nothing is kept.
    explicit PlayerOptions(std::string optionsFile = {});

    const PlayerSettings& settings() const { return settings_; }
    void setName(const std::string& codedName);
    void setModelAndSkin(const std::string& model, const std::string& skin);
    // 0 "Choose at launch", 1 "Blue", 2 "Red".
    void setTeam(int team);
    // Brought into 0..MaxSimPing, as the ping field does with what is typed.
    void setSimPing(int ping);
    // Whether local matches are recorded; remembered in the options file.
    void setRecordGames(bool on);
    // After the catalogue changed: the model and skin a setup named, else the first ones (see
    // chooseModelAndSkin).
    void chooseModel(const Catalogue& catalogue, const std::string& setupModel,
                     const std::string& setupSkin);

signals:
    void changed();

private:
    void update(PlayerSettings settings);

    std::string optionsFile_;
    PlayerSettings settings_;
};

} // namespace velkarn
