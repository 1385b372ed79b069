#include "cli/PlayCommand.h"

#include "core/launch/GameLaunch.h"
#include "core/platform/Errors.h"
#include "core/session/Session.h"

#include <ostream>

namespace velkarn {

namespace {

// False when nothing was played because a list file it needs could not be read (already said).
bool playSetup(const std::string& appDir, const std::string& setupName, bool noStart,
               std::ostream& out, std::ostream& err) {
    Session session(appDir, 0);
    const StartupFiles startup = session.readListFiles();
    for (const auto& problem : startup.errors)
        err << problem << "\n";
    // The setup names its mod; a mod list that could not be read would start the wrong one.
    if (!startup.modListReadable)
        return false;
    if (!startup.pathFileRead)
        throw UserMessage("Please set Quake III Arena executable path..." +
                          std::string(" (no path.txt in ") + appDir + ")");
    SetupReadResult read;
    session.loadSetup(setupFileNameFromChosenPath(setupName) + ".vkn", read);
    session.chooseSetupModel();

    const GameSettings game = session.game.launchSettings();
    const PlayerSettings& player = session.player.settings();
    if (noStart) {
        writeLocalScript(game.installation, player, session.setup.rotation);
        out << gameParameters(LaunchPath::LocalPlay, game.extraCommandLine, game.mod) << "\n";
    } else {
        requireGameStarted(playLocal(game, player, session.setup.rotation));
    }
    return true;
}

} // namespace

int runPlayCommand(const std::string& appDir, const std::string& setupName, bool noStart,
                   std::ostream& out, std::ostream& err) {
    try {
        return playSetup(appDir, setupName, noStart, out, err) ? 0 : 1;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn
