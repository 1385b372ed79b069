#pragma once

#include "core/setup/SetupModel.h"

#include <string>
#include <utility>

namespace velkarn {

// The player model and skin to select after the catalogue changed: the model named exactly
// `setupModel` in the list sorted ignoring case, else the first; then among that model's skins,
// in slot order, the one named exactly `setupSkin`, else the first; no skin when the model has
// none. With no model catalogued at all, the setup's model and skin as they are.
std::pair<std::string, std::string> chooseModelAndSkin(const Catalogue& catalogue,
                                                       const std::string& setupModel,
                                                       const std::string& setupSkin);

} // namespace velkarn
