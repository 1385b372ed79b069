#pragma once

#include "core/demos/DemoEntry.h"

#include <cstdint>
#include <string>
#include <vector>

// Finding demos by what the user types, and the texts their facts are shown as.
namespace velkarn {

// The demo `name` names, of `demos` listed newest first: its name below demos/
// ("NAME.dm_71") or that name without the extension, alone or after "MOD/" (a mod's folder,
// or "-" for the base game's). The newest of several. Throws UserMessage when there is none.
const DemoEntry& findDemo(const std::vector<DemoEntry>& demos, const std::string& name);

// Whether every word of `search` is in the demo's name, map, mod, host name or a player's name,
// color codes and case ignored. An empty search matches every demo.
bool demoMatchesSearch(const DemoEntry& demo, const std::string& search);

// "M:SS", "H:MM:SS" past an hour; empty when unknown.
std::string demoLengthText(std::int64_t lengthMs);

// The demo's modification time as "YYYY-MM-DD hh:mm:ss", local time.
std::string demoDateText(const DemoEntry& demo);

} // namespace velkarn
