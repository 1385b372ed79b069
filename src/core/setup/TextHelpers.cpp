#include "core/setup/TextHelpers.h"

#include <algorithm>

namespace velkarn {

namespace {

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::string spaces(long long n) {
    return n > 0 ? std::string(static_cast<size_t>(n), ' ') : "";
}

std::string trim(const std::string& s) {
    size_t first = 0;
    size_t last = s.size();
    while (first < last && isBlankOrControl(s[first]))
        ++first;
    while (last > first && isBlankOrControl(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

std::string columnText(const std::string& s, long long from, long long to) {
    const long long length = static_cast<long long>(s.size());
    from = std::max(from, 1LL);
    to = std::min(to, length);
    if (s.empty() || from > to)
        return "";
    return trim(s.substr(static_cast<size_t>(from - 1), static_cast<size_t>(to - from + 1)));
}

std::string columnText(const std::string& s, long long from) {
    return columnText(s, from, static_cast<long long>(s.size()));
}

std::string mapBaseName(const std::string& fileName) {
    if (fileName.size() < 2)
        return fileName;
    const auto dot = fileName.rfind('.', fileName.size() - 2);
    if (dot == std::string::npos)
        return fileName;
    return trim(fileName.substr(0, dot));
}

std::string rotationEntryText(const std::string& name, int gameType, int fragLimit, int timeLimit) {
    const std::string& shortText = gameTypeShortText(gameType);
    const std::string limit = std::to_string(fragLimit);
    return name + spaces(16 - static_cast<long long>(name.size())) + shortText +
           spaces(5 - static_cast<long long>(shortText.size())) +
           (gameType == CaptureTheFlag ? "CL=" : "FL=") + limit +
           spaces(3 - static_cast<long long>(limit.size())) + "TL=" + std::to_string(timeLimit);
}

std::string rotationEntryText(const RotationEntry& entry) {
    return rotationEntryText(entry.name, entry.gameType, entry.fragLimit, entry.timeLimit);
}

std::string rotationEntryText(const ServerRotationEntry& entry) {
    return rotationEntryText(entry.name, entry.gameType, entry.fragLimit, entry.timeLimit);
}

std::string rosterEntryText(const RosterBot& b, bool withTeam) {
    const auto& skills = skillTexts();
    const std::string skill = b.skill >= 1 && b.skill <= static_cast<int>(skills.size())
                                  ? skills[static_cast<std::size_t>(b.skill - 1)]
                                  : "";
    std::string text =
        columnText(b.name, 1, 10) + spaces(10 - static_cast<long long>(b.name.size())) + skill;
    if (withTeam)
        text += spaces(15 - static_cast<long long>(skill.size())) + b.team;
    return text;
}

} // namespace velkarn
