#include "core/session/FirstStart.h"

namespace velkarn {

std::optional<Installation> chooseFirstStartInstallation(GameOptions& game) {
    auto found = installationForFirstStart(game.installations());
    if (found)
        game.chooseInstallation(*found);
    return found;
}

} // namespace velkarn
