#include "core/setup/TextHelpers.h"

#include <algorithm>
#include <cctype>

namespace velkarn {

namespace {

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

unsigned char lowerByte(char c) {
    return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

std::string Spaces(long long n) {
    return n > 0 ? std::string(static_cast<size_t>(n), ' ') : "";
}

std::string Trim(const std::string& s) {
    size_t first = 0;
    size_t last = s.size();
    while (first < last && isBlankOrControl(s[first]))
        ++first;
    while (last > first && isBlankOrControl(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

std::string ColumnText(const std::string& s, long long from, long long to) {
    const long long length = static_cast<long long>(s.size());
    from = std::max(from, 1LL);
    to = std::min(to, length);
    if (s.empty() || from > to)
        return "";
    return Trim(s.substr(static_cast<size_t>(from - 1), static_cast<size_t>(to - from + 1)));
}

std::string ColumnText(const std::string& s, long long from) {
    return ColumnText(s, from, static_cast<long long>(s.size()));
}

std::string MapBaseName(const std::string& fileName) {
    if (fileName.size() < 2)
        return fileName;
    const auto dot = fileName.rfind('.', fileName.size() - 2);
    if (dot == std::string::npos)
        return fileName;
    return Trim(fileName.substr(0, dot));
}

std::string MapEntryText(const std::string& name, int gameType, int fragLimit, int timeLimit) {
    const std::string& shortText = gameTypeShortText(gameType);
    const std::string limit = std::to_string(fragLimit);
    return name + Spaces(16 - static_cast<long long>(name.size())) + shortText +
           Spaces(5 - static_cast<long long>(shortText.size())) +
           (gameType == CaptureTheFlag ? "CL=" : "FL=") + limit +
           Spaces(3 - static_cast<long long>(limit.size())) + "TL=" + std::to_string(timeLimit);
}

std::string MapEntryText(const AMap& entry) {
    return MapEntryText(entry.Name, entry.GameType, entry.FragLimit, entry.TimeLimit);
}

std::string MapEntryText(const AServerMap& entry) {
    return MapEntryText(entry.Name, entry.GameType, entry.FragLimit, entry.TimeLimit);
}

std::string BotEntryText(const bot& b, bool withTeam) {
    const auto& skills = skillTexts();
    const std::string skill =
        b.Skill >= 1 && b.Skill <= static_cast<int>(skills.size()) ? skills[b.Skill - 1] : "";
    std::string text =
        ColumnText(b.Name, 1, 10) + Spaces(10 - static_cast<long long>(b.Name.size())) + skill;
    if (withTeam)
        text += Spaces(15 - static_cast<long long>(skill.size())) + b.Team;
    return text;
}

bool equalsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerByte(x) == lowerByte(y);
           });
}

std::string toLower(const std::string& s) {
    std::string lower = s;
    for (char& c : lower)
        c = static_cast<char>(lowerByte(c));
    return lower;
}

bool lessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lowerByte(x) < lowerByte(y); });
}

} // namespace velkarn
