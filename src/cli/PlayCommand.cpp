#include "cli/PlayCommand.h"

#include "cli/SetupLoading.h"
#include "core/launch/GameLaunch.h"
#include "core/session/Session.h"

#include <ostream>

namespace velkarn {

namespace {

// False when nothing was played because a list file it needs could not be read (already said).
bool playSetup(const std::string& appDir, const std::string& setupName, PlayMode mode,
               std::ostream& out, std::ostream& err, const SystemLayout& layout) {
    Session session(appDir, 0, layout);
    if (!loadSetupForLaunch(session, setupName, err))
        return false;
    session.chooseSetupModel();

    const GameSettings game = session.game.launchSettings();
    const PlayerSettings& player = session.player.settings();
    const Rotation& rotation = session.setup.rotation;
    const DefinedBots& bots = session.setup.catalogue.botNames;
    const std::string parameters =
        gameParameters(LaunchPath::LocalPlay, game.extraCommandLine, game.mod);
    if (const std::string note = tournamentStopNote(rotation); !note.empty())
        err << note << "\n";
    switch (mode) {
    case PlayMode::Print:
        for (const std::string& line : localScriptLines(player, rotation, bots))
            out << line << "\n";
        out << parameters << "\n";
        break;
    case PlayMode::NoStart:
        writeLocalScript(game.installation, player, rotation, bots);
        out << parameters << "\n";
        break;
    case PlayMode::Start:
        requireGameStarted(playLocal(game, player, rotation, bots));
        break;
    }
    return true;
}

} // namespace

int runPlayCommand(const std::string& appDir, const std::string& setupName, PlayMode mode,
                   std::ostream& out, std::ostream& err, const SystemLayout& layout) {
    try {
        return playSetup(appDir, setupName, mode, out, err, layout) ? 0 : 1;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn
