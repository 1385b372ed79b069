#include "cli/PlayCommand.h"

#include "core/content/ModelChoice.h"
#include "core/content/PlayerModels.h"
#include "core/launch/GameLaunch.h"
#include "core/launch/GameScript.h"
#include "core/platform/Errors.h"
#include "core/session/StartupFiles.h"
#include "core/setup/ModList.h"
#include "core/setup/SetupFile.h"

#include <algorithm>
#include <ostream>

namespace velkarn {

namespace {

void playSetup(const std::string& appDir, const std::string& setupName, PlayMode mode,
               std::ostream& out, std::ostream& err) {
    SetupModel model;
    const StartupFiles startup = readListFiles(appDir, model);
    for (const auto& problem : startup.errors)
        err << problem << "\n";
    if (!startup.paths)
        throw UserMessage("Please set Quake III Arena executable path..." +
                          std::string(" (no path.txt in ") + appDir + ")");
    loadModelsFile(appDir + "models.txt", model.catalogue);
    const std::vector<Mod> mods = readModsFile(appDir + "mods.txt");

    SetupReadResult setup;
    loadSetupFile(configsFolder(appDir) + setupFileNameFromChosenPath(setupName) + ".vkn",
                  model.catalogue.mapFiles, setup);

    const auto [modelName, skinName] =
        chooseModelAndSkin(model.catalogue, setup.player.model, setup.player.skin);
    // The ping field holds 0..500; a file's value is brought into that range as the field does.
    const PlayerSettings player{setup.player.name, modelName, skinName, 0,
                                std::clamp(setup.player.simPing, 0, 500)};
    const int modIndex = modIndexForName(mods, setup.player.mod);
    const GameSettings game{startup.paths->gameFolder,
                            startup.paths->commandLine,
                            {modIndex, modStartParameters(mods, modIndex)}};

    const std::string parameters =
        gameParameters(LaunchPath::LocalPlay, game.extraCommandLine, game.mod);
    switch (mode) {
    case PlayMode::Print:
        for (const std::string& line : localScriptLines(player, setup.maps))
            out << line << "\n";
        out << parameters << "\n";
        break;
    case PlayMode::NoStart:
        writeLocalScript(game.gameFolder, player, setup.maps);
        out << parameters << "\n";
        break;
    case PlayMode::Start:
        requireGameStarted(playLocal(game, player, setup.maps));
        break;
    }
}

} // namespace

int runPlayCommand(const std::string& appDir, const std::string& setupName, PlayMode mode,
                   std::ostream& out, std::ostream& err) {
    try {
        playSetup(appDir, setupName, mode, out, err);
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn
