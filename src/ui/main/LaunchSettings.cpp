#include "ui/main/LaunchSettings.h"

#include "ui/main/Forms.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

GameSettings currentGameSettings() {
    const TfmGameOptions& options = *forms().fmGameOptions;
    return {bytes(options.edExePath->text()),
            bytes(options.edCommandLine->text()),
            {options.selectedModIndex(), options.selectedModParameters()}};
}

PlayerSettings currentPlayerSettings() {
    const TfmPlayerOptions& player = *forms().fmPlayerOptions;
    return {player.playerName(), player.modelName(), player.skinName(), player.team(),
            player.simPing()};
}

} // namespace velkarn
