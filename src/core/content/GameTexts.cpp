#include "core/content/GameTexts.h"

#include "core/platform/PrintableText.h"
#include "core/setup/ScriptValues.h"
#include "core/setup/TextHelpers.h"

namespace velkarn {

namespace {

bool startsKeyWord(char c) {
    const auto code = static_cast<unsigned char>(c);
    return (code >= '0' && code <= '9') || (code >= 65 && code <= 122);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The value of a "name" line as the game reads it: the quoted text, or the word after the key.
std::string_view botNameValue(std::string_view line) {
    std::size_t at = 4;
    while (at < line.size() && isBlank(line[at]))
        ++at;
    if (at < line.size() && line[at] == '"') {
        const auto close = line.find('"', at + 1);
        return line.substr(at + 1, close == std::string_view::npos ? close : close - at - 1);
    }
    std::size_t end = at;
    while (end < line.size() && !isBlank(line[end]))
        ++end;
    return line.substr(at, end - at);
}

// 1-based position of the first double quote at position 2 or later; length + 1 when none.
long long firstQuotePosition(const std::string& line) {
    const auto quote = line.find('"', 1);
    return quote == std::string::npos ? static_cast<long long>(line.size()) + 1
                                      : static_cast<long long>(quote) + 1;
}

// The value after the first quote; the line's last character (the closing quote) is dropped.
std::string cutQuotedValue(const std::string& line) {
    return columnText(line, firstQuotePosition(line) + 1, static_cast<long long>(line.size()) - 1);
}

// The value after the first quote with the closing quote kept, to end the walks below.
std::string openQuotedValue(const std::string& line) {
    return columnText(line, firstQuotePosition(line) + 1, static_cast<long long>(line.size()));
}

// Blanks and quotes up to and including the first quote: the bot names plus one.
int countBots(const std::string& value) {
    int count = 0;
    for (const char c : value) {
        if (c == ' ' || c == '"')
            ++count;
        if (c == '"')
            break;
    }
    return count;
}

void setGameTypes(MapFile& map, const std::string& value) {
    map.supportsDeathmatch = map.supportsTournament = map.supportsTeamDeathmatch =
        map.supportsCaptureTheFlag = 0;
    const auto take = [&map](const std::string& word) {
        if (word == "ffa")
            map.supportsDeathmatch = 1;
        else if (word == "tourney")
            map.supportsTournament = 1;
        else if (word == "team")
            map.supportsTeamDeathmatch = 1;
        else if (word == "ctf")
            map.supportsCaptureTheFlag = 1;
    };
    std::string word;
    for (const char c : value) {
        if (c == '"')
            break;
        if (c == ' ') {
            take(word);
            word.clear();
        } else {
            word += c;
        }
    }
    take(word);
}

// Reads one block whose "{" stood just before line i; returns the line to go on at.
std::size_t readArenaBlock(const Lines& lines, std::size_t i, CatalogueIndex& index) {
    if (keyWord(lineAt(lines, i), 3) != "map")
        return i; // this line may itself be the next "{"
    const std::string mapName = cutQuotedValue(lineAt(lines, i));
    if (!isSafeScriptValue(mapName, ScriptValueKind::Word)) {
        index.leaveOutName();
        return i + 1;
    }
    MapFile* map = index.findMapNoCase(mapName + ".bsp");
    if (!map)
        map = &index.appendMap(toLower(mapName) + ".bsp");
    ++i;
    if (keyWord(lineAt(lines, i), 4) == "bots") {
        map->arenaBotCount = countBots(openQuotedValue(lineAt(lines, i)));
        ++i;
    }
    if (keyWord(lineAt(lines, i), 8) == "longname") {
        map->longName = printableText(cutQuotedValue(lineAt(lines, i)));
        ++i;
    }
    if (keyWord(lineAt(lines, i), 7) == "special")
        ++i;
    if (keyWord(lineAt(lines, i), 9) == "fraglimit")
        ++i;
    if (keyWord(lineAt(lines, i), 4) == "type") {
        setGameTypes(*map, openQuotedValue(lineAt(lines, i)));
        ++i;
    }
    if (lineAt(lines, i) == "}")
        i += 2;
    return i;
}

} // namespace

std::string keyWord(const std::string& line, std::size_t n) {
    for (std::size_t at = 0; at < line.size(); ++at)
        if (startsKeyWord(line[at]))
            return line.substr(at, n);
    return {};
}

void parseBotText(const Lines& lines, CatalogueIndex& index) {
    std::vector<std::string> names;
    for (const auto& line : lines) {
        // The key is "name" alone: "names" or "name2" name no bot.
        if (line.size() < 5 || toLower(line.substr(0, 4)) != "name" ||
            (!isBlank(line[4]) && line[4] != '"'))
            continue;
        const std::string_view name = botNameValue(line);
        if (name.empty())
            continue;
        if (isSafeBotName(name))
            names.emplace_back(name);
        else
            index.leaveOutName();
    }
    index.addBots(names);
}

void parseArenaText(const Lines& lines, CatalogueIndex& index) {
    std::size_t i = 0;
    while (i + 1 < lines.size()) {
        if (!lines[i].empty() && lines[i][0] == '{')
            i = readArenaBlock(lines, i + 1, index);
        else
            ++i;
    }
}

} // namespace velkarn
