#pragma once

#include "core/platform/Random.h"
#include "core/setup/SetupRecords.h"

#include <string>
#include <vector>

// The data side of editing a rotation entry's bot roster: bots added by hand, removed, or added
// at random. Slot positions are 0-based (line k of the roster list is slot k).
namespace velkarn {

// A hand-built roster stops at 17 bots, a random fill at 16.
constexpr int MaxBotsByHand = 17;
constexpr int MaxRandomRoster = 16;

// Team of random bots: Disabled outside team games (the bots get "None"), Random balances the
// teams, Blue and Red are fixed.
enum class TeamChoice { Disabled, Random, Blue, Red };

// The choice for an entry: Disabled unless the game type is a team game, else `chosen`.
TeamChoice teamChoiceFor(int gameType, TeamChoice chosen);
// The random team list's items: 0 "Random", 1 "Blue", 2 "Red" (anything else counts as Random).
TeamChoice teamChoiceFromItem(int item);

// Appends a bot (team empty when the game has no teams). False, and nothing changed, when the
// roster already holds 17 bots.
bool addBotByHand(RotationEntry& entry, const std::string& name, int skill,
                  const std::string& team);

// Removes the bots at the given slot positions (any order; repeats and positions past the roster
// are ignored), moving later bots up. Returns how many were removed.
int removeBots(RotationEntry& entry, const std::vector<int>& slots);

// Adds `requested` random bots, fewer when the roster would pass 16. Names are drawn uniformly
// from `botNames`, drawing again for an empty name (repeats allowed); nothing is added when no
// name is usable. Skill: 1..5 as given, anything else drawn from 1..5. Team: "None" when
// Disabled; for Random "Blue" while there are fewer blue than red bots, else "Red", counting the
// bots added. Returns the number added.
int addRandomBots(RotationEntry& entry, int requested, const std::vector<std::string>& botNames,
                  int skillChoice, TeamChoice team, Random& random);

} // namespace velkarn
