#pragma once

#include "core/session/Session.h"

#include <ostream>
#include <string>

namespace velkarn {

// What play and serve read before they start anything: the list files as the program reads them
// at start-up (their problems said on `err`), the game folder, then the setup
// configs/<setupName>.vkn, of which only the last part of a path counts; its refused values and
// what the game leaves out of it (entries whose maps the catalogue lacks, bots the game does
// not define) are said on `err` with their lines. False when a list file it needs could not be
// read (the setup names its mod, and a mod list that could not be read would start the wrong
// one), or the setup holds a value the script cannot carry: said already. Without path.txt the
// first start's choice is made (makeFirstStartChoice). Throws UserMessage when there is still no
// path.txt, when the game folder is missing or no folder, and as Session::loadSetup does.
bool loadSetupForLaunch(Session& session, const std::string& setupName, std::ostream& err);

// Without path.txt, the first start's choice as the windows make it: the installation with game
// data found here becomes the game and is written to path.txt, said on `err`; `startup` then
// counts path.txt as read. Nothing happens when path.txt was there or nothing has game data.
void makeFirstStartChoice(Session& session, StartupFiles& startup, std::ostream& err);

// Throws UserMessage when the list files read had no path.txt: nothing names the game.
void requirePathFile(const Session& session, const StartupFiles& startup);

} // namespace velkarn
