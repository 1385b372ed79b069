#include "ui/main/LaunchSettings.h"

#include "ui/main/Forms.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

GameSettings currentGameSettings() {
    const GameOptionsWindow& options = *forms().gameOptionsWindow;
    return {bytes(options.gameFolderEdit->text()),
            bytes(options.commandLineEdit->text()),
            {options.selectedModIndex(), options.selectedModParameters()}};
}

PlayerSettings currentPlayerSettings() {
    const PlayerOptionsWindow& player = *forms().playerOptionsWindow;
    return {player.playerName(), player.modelName(), player.skinName(), player.team(),
            player.simPing()};
}

} // namespace velkarn
