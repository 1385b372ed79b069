#pragma once

#include "core/session/GameOptions.h"

#include <optional>

namespace velkarn {

// The first start's choice, for a program that found no path.txt: the installation with game
// data that installationForFirstStart picks becomes the game (path.txt is not written here);
// nothing when there is none. The windows and the commands choose alike.
std::optional<Installation> chooseFirstStartInstallation(GameOptions& game);

} // namespace velkarn
