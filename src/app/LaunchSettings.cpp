#include "app/LaunchSettings.h"

#include "app/Forms.h"
#include "options/GameOptionsWindow.h"
#include "options/PlayerOptionsWindow.h"

namespace velkarn {

namespace {
std::string bytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}
} // namespace

GameSettings currentGameSettings() {
    const TfmGameOptions& options = *forms().fmGameOptions;
    GameSettings settings;
    settings.gameFolder = bytes(options.edExePath->text());
    settings.extraCommandLine = bytes(options.edCommandLine->text());
    settings.mod.index = options.cbMod->currentIndex();
    if (const QListWidgetItem* item = options.lbModParameters->item(settings.mod.index);
        item && settings.mod.index > 0)
        settings.mod.parameters = bytes(item->text());
    return settings;
}

PlayerSettings currentPlayerSettings() {
    const TfmPlayerOptions& player = *forms().fmPlayerOptions;
    PlayerSettings settings;
    settings.name = bytes(player.edTruePlayerName->text());
    settings.model = bytes(player.cbPlayerModel->currentText());
    settings.skin = bytes(player.cbPlayerSkin->currentText());
    settings.team = std::max(0, player.cbPlayerTeam->currentIndex());
    settings.simPing = player.spSimPing->value();
    return settings;
}

} // namespace velkarn
