#pragma once

#include "core/launch/GameLaunch.h"
#include "core/launch/GameScript.h"

namespace velkarn {

// What a launch reads from the option windows at the moment of use: the game folder, extra
// command line and selected mod, and the player's name, model, skin, team and simulated ping.
GameSettings currentGameSettings();
PlayerSettings currentPlayerSettings();

} // namespace velkarn
