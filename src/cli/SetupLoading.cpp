#include "cli/SetupLoading.h"

#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"

namespace velkarn {

bool loadSetupForLaunch(Session& session, const std::string& setupName, std::ostream& err) {
    const StartupFiles startup = session.readListFiles();
    for (const auto& problem : startup.errors)
        err << problem << "\n";
    if (!startup.modListReadable)
        return false;
    requirePathFile(session, startup);
    SetupReadResult read;
    const std::string fileName = setupFileNameFromChosenPath(setupName) + ".vkn";
    session.loadSetup(fileName, read);
    for (const auto& entry : session.setup.rotation)
        if (!hasCataloguedMap(*entry))
            err << session.setupFolder() << fileName << ": the catalogue holds no map "
                << printableText(entry->name) << ", so that entry is not played.\n";
    return true;
}

void requirePathFile(const Session& session, const StartupFiles& startup) {
    if (!startup.pathFileRead)
        throw UserMessage("Please set Quake III Arena executable path..." +
                          std::string(" (no path.txt in ") + session.appDir() + ")");
}

} // namespace velkarn
