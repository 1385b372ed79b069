#include "cli/ServersArguments.h"

#include "cli/OptionValues.h"

namespace velkarn {

namespace {

// The engine's browser shows pings up to 999; a wider limit is no limit.
constexpr int MaxPingOption = 9999;
constexpr int MaxGameType = 99;

void takeNumber(const std::vector<std::string>& arguments, std::size_t& i, int& field, int low,
                int high, std::string& problem) {
    if (const auto value = optionNumber(arguments, i, low, high, problem))
        field = *value;
}

void takeText(const std::vector<std::string>& arguments, std::size_t& i, std::string& field,
              const std::string& what, std::string& problem) {
    const std::string* text = optionValue(arguments, i, what, problem);
    if (text && text->empty())
        problem = arguments[i - 1] + " needs " + what;
    else if (text)
        field = *text;
}

} // namespace

bool takeServersOption(const std::vector<std::string>& arguments, std::size_t& i,
                       ServersArguments& servers, std::string& problem) {
    const std::string& option = arguments[i];
    ServerFilter& filter = servers.filter;
    if (option == "--has-humans")
        filter.hasHumans = true;
    else if (option == "--not-empty")
        filter.hideEmpty = true;
    else if (option == "--not-full")
        filter.hideFull = true;
    else if (option == "--buddies")
        servers.buddiesOnly = true;
    else if (option == "--gametype")
        takeNumber(arguments, i, filter.gameType, 0, MaxGameType, problem);
    else if (option == "--max-ping")
        takeNumber(arguments, i, filter.maxPing, 1, MaxPingOption, problem);
    else if (option == "--game")
        takeText(arguments, i, filter.game, "a game or mod name", problem);
    else if (option == "--country") {
        takeText(arguments, i, filter.country, "a country code", problem);
        if (problem.empty() && filter.country.size() != 2)
            problem = "--country needs a country's two-letter code, such as FR";
    } else if (option == "--search")
        takeText(arguments, i, filter.search, "a text to search for", problem);
    else
        return false;
    return true;
}

} // namespace velkarn
