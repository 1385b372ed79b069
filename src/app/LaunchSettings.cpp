#include "app/LaunchSettings.h"

#include "app/Forms.h"
#include "options/GameOptionsWindow.h"
#include "options/PlayerOptionsWindow.h"
#include "platform/LocalText.h"

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
