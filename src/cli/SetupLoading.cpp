#include "cli/SetupLoading.h"

#include "core/platform/Errors.h"
#include "core/session/FirstStart.h"

namespace velkarn {

bool loadSetupForLaunch(Session& session, const std::string& setupName, std::ostream& err) {
    StartupFiles startup = session.readListFiles();
    for (const auto& problem : startup.errors)
        err << problem << "\n";
    if (!startup.modListReadable)
        return false;
    makeFirstStartChoice(session, startup, err);
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

void makeFirstStartChoice(Session& session, StartupFiles& startup, std::ostream& err) {
    if (!startup.pathFileMissing)
        return;
    const auto found = chooseFirstStartInstallation(session.game);
    if (!found)
        return;
    session.game.writePaths();
    startup.pathFileMissing = false;
    startup.pathFileRead = true;
    err << "The game is " << found->label << " (kept in " << session.game.pathFile() << ").\n";
}

void requirePathFile(const Session& session, const StartupFiles& startup) {
    if (!startup.pathFileRead)
        throw UserMessage("Please set Quake III Arena executable path..." +
                          std::string(" (no path.txt in ") + session.appDir() + ")");
}

} // namespace velkarn
