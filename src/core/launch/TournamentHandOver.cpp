#include "core/launch/TournamentHandOver.h"

#include <string_view>

namespace velkarn {

namespace {

// The value of `key` in the info string that follows "InitGame: " ("\key\value\...").
std::string_view infoValueIn(std::string_view line, std::string_view key) {
    const std::string pattern = "\\" + std::string(key) + "\\";
    const std::size_t at = line.find(pattern);
    if (at == std::string_view::npos)
        return {};
    const std::string_view rest = line.substr(at + pattern.size());
    return rest.substr(0, rest.find('\\'));
}

} // namespace

std::optional<std::string> TournamentHandOver::commandAfter(const std::string& line) {
    if (line.starts_with("InitGame: ")) {
        if (ended_) {
            ended_ = false;
            return "vstr nextmap";
        }
        tournament_ = infoValueIn(line, "g_gametype") == "1";
    } else if (line.starts_with("Exit: ")) {
        ended_ = tournament_;
    }
    return std::nullopt;
}

} // namespace velkarn
