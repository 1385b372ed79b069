#include "core/setup/RosterOps.h"

#include <algorithm>

namespace velkarn {

namespace {

constexpr int SkillCount = 5;

// The used slots; a damaged botCount never reaches past the roster.
int usedSlots(const RotationEntry& entry) {
    return std::min<int>(entry.botCount, static_cast<int>(entry.bots.size()));
}

void appendBot(RotationEntry& entry, RosterBot b) {
    entry.bots[static_cast<std::size_t>(usedSlots(entry))] = std::move(b);
    entry.botCount = static_cast<std::uint8_t>(usedSlots(entry) + 1);
}

int countTeam(const RotationEntry& entry, const std::string& team) {
    const auto first = entry.bots.begin();
    return static_cast<int>(std::count_if(first, first + usedSlots(entry),
                                          [&](const RosterBot& b) { return b.team == team; }));
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

TeamChoice teamChoiceFor(int gameType, TeamChoice chosen) {
    return isTeamGame(gameType) ? chosen : TeamChoice::Disabled;
}

TeamChoice teamChoiceFromItem(int item) {
    switch (item) {
    case 1:
        return TeamChoice::Blue;
    case 2:
        return TeamChoice::Red;
    default:
        return TeamChoice::Random;
    }
}

bool addBotByHand(RotationEntry& entry, const std::string& name, int skill,
                  const std::string& team) {
    if (entry.botCount >= MaxBotsByHand)
        return false;
    appendBot(entry, RosterBot{name, skill, team});
    return true;
}

int removeBots(RotationEntry& entry, const std::vector<int>& slots) {
    const int used = usedSlots(entry);
    std::vector<bool> doomed(static_cast<std::size_t>(used), false);
    for (int slot : slots)
        if (slot >= 0 && slot < used)
            doomed[static_cast<std::size_t>(slot)] = true;
    int kept = 0;
    for (int slot = 0; slot < used; ++slot)
        if (!doomed[static_cast<std::size_t>(slot)])
            entry.bots[static_cast<std::size_t>(kept++)] =
                std::move(entry.bots[static_cast<std::size_t>(slot)]);
    // Freed slots are cleared so that no removed bot lingers behind the roster.
    for (int slot = kept; slot < used; ++slot)
        entry.bots[static_cast<std::size_t>(slot)] = RosterBot{};
    entry.botCount = static_cast<std::uint8_t>(kept);
    return used - kept;
}

int addRandomBots(RotationEntry& entry, int requested, const std::vector<std::string>& botNames,
                  int skillChoice, TeamChoice team, Random& random) {
    const int count = std::min(requested, MaxRandomRoster - usedSlots(entry));
    const bool anyName =
        std::any_of(botNames.begin(), botNames.end(), [](const auto& n) { return !n.empty(); });
    if (count <= 0 || !anyName)
        return 0;
    int blue = countTeam(entry, "Blue");
    int red = countTeam(entry, "Red");
    for (int i = 0; i < count; ++i) {
        RosterBot b;
        b.name = drawName(botNames, random);
        b.skill = skillChoice >= 1 && skillChoice <= SkillCount ? skillChoice
                                                                : 1 + random.below(SkillCount);
        switch (team) {
        case TeamChoice::Disabled:
            b.team = "None";
            break;
        case TeamChoice::Random:
            // A tie goes to red, so the added bots balance the teams.
            if (blue < red) {
                b.team = "Blue";
                ++blue;
            } else {
                b.team = "Red";
                ++red;
            }
            break;
        case TeamChoice::Blue:
            b.team = "Blue";
            break;
        case TeamChoice::Red:
            b.team = "Red";
            break;
        }
        appendBot(entry, std::move(b));
    }
    return count;
}

} // namespace velkarn
