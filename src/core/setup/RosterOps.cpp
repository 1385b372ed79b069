#include "core/setup/RosterOps.h"

#include <algorithm>

namespace velkarn {

namespace {

constexpr int SkillCount = 5;

// The used slots; a damaged BotCount never reaches past the roster.
int usedSlots(const AMap& entry) {
    return std::min<int>(entry.BotCount, static_cast<int>(entry.Bots.size()));
}

void appendBot(AMap& entry, bot b) {
    entry.Bots[static_cast<std::size_t>(usedSlots(entry))] = std::move(b);
    entry.BotCount = static_cast<std::uint8_t>(usedSlots(entry) + 1);
}

int countTeam(const AMap& entry, const std::string& team) {
    const auto first = entry.Bots.begin();
    return static_cast<int>(std::count_if(first, first + usedSlots(entry),
                                          [&](const bot& b) { return b.Team == team; }));
}

const std::string& drawName(const std::vector<std::string>& botNames, Random& random) {
    for (;;) {
        const std::string& name =
            botNames[static_cast<std::size_t>(random.below(static_cast<int>(botNames.size())))];
        if (!name.empty())
            return name;
    }
}

} // namespace

TeamChoice TeamChoiceFor(int gameType, TeamChoice chosen) {
    return isTeamGame(gameType) ? chosen : TeamChoice::Disabled;
}

TeamChoice TeamChoiceFromItem(int item) {
    switch (item) {
    case 1:
        return TeamChoice::Blue;
    case 2:
        return TeamChoice::Red;
    default:
        return TeamChoice::Random;
    }
}

bool AddBotByHand(AMap& entry, const std::string& name, int skill, const std::string& team) {
    if (entry.BotCount >= MaxBotsByHand)
        return false;
    appendBot(entry, bot{name, skill, team});
    return true;
}

int RemoveBots(AMap& entry, const std::vector<int>& slots) {
    const int used = usedSlots(entry);
    std::vector<bool> doomed(static_cast<std::size_t>(used), false);
    for (int slot : slots)
        if (slot >= 0 && slot < used)
            doomed[static_cast<std::size_t>(slot)] = true;
    int kept = 0;
    for (int slot = 0; slot < used; ++slot)
        if (!doomed[static_cast<std::size_t>(slot)])
            entry.Bots[static_cast<std::size_t>(kept++)] =
                std::move(entry.Bots[static_cast<std::size_t>(slot)]);
    // Freed slots are cleared so that no removed bot lingers behind the roster.
    for (int slot = kept; slot < used; ++slot)
        entry.Bots[static_cast<std::size_t>(slot)] = bot{};
    entry.BotCount = static_cast<std::uint8_t>(kept);
    return used - kept;
}

int AddRandomBots(AMap& entry, int requested, const std::vector<std::string>& botNames,
                  int skillChoice, TeamChoice team, Random& random) {
    const int count = std::min(requested, MaxRandomRoster - usedSlots(entry));
    const bool anyName =
        std::any_of(botNames.begin(), botNames.end(), [](const auto& n) { return !n.empty(); });
    if (count <= 0 || !anyName)
        return 0;
    int blue = countTeam(entry, "Blue");
    int red = countTeam(entry, "Red");
    for (int i = 0; i < count; ++i) {
        bot b;
        b.Name = drawName(botNames, random);
        b.Skill = skillChoice >= 1 && skillChoice <= SkillCount ? skillChoice
                                                                : 1 + random.below(SkillCount);
        switch (team) {
        case TeamChoice::Disabled:
            b.Team = "None";
            break;
        case TeamChoice::Random:
            // A tie goes to red, so the added bots balance the teams.
            if (blue < red) {
                b.Team = "Blue";
                ++blue;
            } else {
                b.Team = "Red";
                ++red;
            }
            break;
        case TeamChoice::Blue:
            b.Team = "Blue";
            break;
        case TeamChoice::Red:
            b.Team = "Red";
            break;
        }
        appendBot(entry, std::move(b));
    }
    return count;
}

} // namespace velkarn
