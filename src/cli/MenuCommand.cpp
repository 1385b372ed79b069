#include "cli/MenuCommand.h"

#include "core/launch/MenuEntry.h"

#include <exception>

namespace velkarn {

int runMenuCommand(const std::string& appDir, const std::string& setupName, bool remove,
                   const std::vector<std::string>& program, const SystemLayout& layout,
                   std::ostream& out, std::ostream& err) {
    const std::string applications = layout.xdgDataHome + "applications/";
    try {
        if (remove) {
            if (!removeMenuEntry(applications, setupName)) {
                err << "No menu entry " << menuEntryPath(applications, setupName) << "\n";
                return 1;
            }
            return 0;
        }
        out << addMenuEntry(applications, appDir + "configs/", setupName, program) << "\n";
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn
