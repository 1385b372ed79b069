#include "cli/PlayCommand.h"

#include "core/launch/GameLaunch.h"
#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"
#include "core/session/Session.h"

#include <ostream>

namespace velkarn {

namespace {

// False when nothing was played because a list file it needs could not be read (already said).
bool playSetup(const std::string& appDir, const std::string& setupName, PlayMode mode,
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
    const std::string fileName = setupFileNameFromChosenPath(setupName) + ".vkn";
    session.loadSetup(fileName, read);
    session.chooseSetupModel();
    for (const auto& entry : session.setup.rotation)
        if (!hasCataloguedMap(*entry))
            err << session.configsFolder() << fileName << ": the catalogue holds no map "
                << printableText(entry->name) << ", so that entry is not played.\n";

    const GameSettings game = session.game.launchSettings();
    const PlayerSettings& player = session.player.settings();
    const Rotation& rotation = session.setup.rotation;
    const std::string parameters =
        gameParameters(LaunchPath::LocalPlay, game.extraCommandLine, game.mod);
    switch (mode) {
    case PlayMode::Print:
        for (const std::string& line : localScriptLines(player, rotation))
            out << line << "\n";
        out << parameters << "\n";
        break;
    case PlayMode::NoStart:
        writeLocalScript(game.installation, player, rotation);
        out << parameters << "\n";
        break;
    case PlayMode::Start:
        requireGameStarted(playLocal(game, player, rotation));
        break;
    }
    return true;
}

} // namespace

int runPlayCommand(const std::string& appDir, const std::string& setupName, PlayMode mode,
                   std::ostream& out, std::ostream& err) {
    try {
        return playSetup(appDir, setupName, mode, out, err) ? 0 : 1;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn
