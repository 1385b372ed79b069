#include "cli/SetupLoading.h"

#include "core/platform/Errors.h"

namespace velkarn {

bool loadSetupForLaunch(Session& session, const std::string& setupName, std::ostream& err) {
    const StartupFiles startup = session.readListFiles();
    for (const auto& problem : startup.errors)
        err << problem << "\n";
    if (!startup.modListReadable)
        return false;
    if (!startup.pathFileRead)
        throw UserMessage("Please set Quake III Arena executable path..." +
                          std::string(" (no path.txt in ") + session.appDir() + ")");
    SetupReadResult read;
    session.loadSetup(setupFileNameFromChosenPath(setupName) + ".vkn", read);
    return true;
}

} // namespace velkarn
