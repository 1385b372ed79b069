#include "core/setup/SetupRecords.h"

namespace velkarn {

namespace {

const std::string& pick(const std::array<std::string, 4>& texts, int gameType) {
    static const std::string none;
    return gameType >= 1 && gameType <= 4 ? texts[static_cast<std::size_t>(gameType - 1)] : none;
}

} // namespace

const std::string& gameTypeText(int gameType) {
    static const std::array<std::string, 4> texts = {"Deathmatch", "Tournament", "Team Deathmatch",
                                                     "Capture The Flag"};
    return pick(texts, gameType);
}

const std::string& gameTypeShortText(int gameType) {
    static const std::array<std::string, 4> texts = {"DM", "TNY", "TDM", "CTF"};
    return pick(texts, gameType);
}

const std::string& limitLabel(int gameType) {
    static const std::string capture = "Capture Limit";
    static const std::string frag = "Frag Limit";
    return gameType == CaptureTheFlag ? capture : frag;
}

bool isTeamGame(int gameType) {
    return gameType == TeamDeathmatch || gameType == CaptureTheFlag;
}

const std::vector<std::string>& skillTexts() {
    static const std::vector<std::string> texts = {"I Can Win", "Bring It On", "Hurt Me Plenty",
                                                   "Hardcore", "Nightmare"};
    return texts;
}

const std::vector<std::string>& teamTexts() {
    static const std::vector<std::string> texts = {"Blue", "Red"};
    return texts;
}

} // namespace velkarn
