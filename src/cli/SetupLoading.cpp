#include "cli/SetupLoading.h"

#include "core/platform/Errors.h"

namespace velkarn {

bool loadSetupForLaunch(Session& session, const std::string& setupName, std::ostream& err) {
    const StartupFiles startup = session.readListFiles();
    for (const auto& problem : startup.errors)
        err << problem << "\n";
    if (!startup.modListReadable)
        return false;
    requirePathFile(session, startup);
    // Before anything is said of what the game folder holds.
    const std::string folderProblem = gameFolderProblem(session.game.installation());
    if (!folderProblem.empty())
        throw UserMessage(folderProblem);
    SetupReadResult read;
    const std::string fileName = setupFileNameFromChosenPath(setupName) + ".vkn";
    session.loadSetup(fileName, read);
    if (const std::string said = readMessages(read); !said.empty())
        err << said << "\n";
    return read.problems.empty();
}

void requirePathFile(const Session& session, const StartupFiles& startup) {
    if (!startup.pathFileRead)
        throw UserMessage("Please set Quake III Arena executable path..." +
                          std::string(" (no path.txt in ") + session.appDir() + ")");
}

} // namespace velkarn
