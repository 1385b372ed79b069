#include "core/content/GameTexts.h"

#include "core/platform/PrintableText.h"
#include "core/setup/ScriptValues.h"
#include "core/setup/TextHelpers.h"

#include <array>
#include <cstdint>

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

// Deathmatch, tournament, team deathmatch and capture the flag, as a "type" value names them.
std::array<std::uint8_t, 4> gameTypes(const std::string& value) {
    std::array<std::uint8_t, 4> types{};
    const auto take = [&types](const std::string& word) {
        if (word == "ffa")
            types[0] = 1;
        else if (word == "tourney")
            types[1] = 1;
        else if (word == "team")
            types[2] = 1;
        else if (word == "ctf")
            types[3] = 1;
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
    return types;
}

// Reads one block whose "{" stood just before line i; returns the line to go on at.
std::size_t readArenaBlock(const Lines& lines, std::size_t i, ArchiveFinds& finds) {
    if (keyWord(lineAt(lines, i), 3) != "map")
        return i; // this line may itself be the next "{"
    ArenaFind arena;
    arena.mapName = cutQuotedValue(lineAt(lines, i));
    if (!isSafeScriptValue(arena.mapName, ScriptValueKind::Word)) {
        ++finds.leftOutNames;
        return i + 1;
    }
    ++i;
    if (keyWord(lineAt(lines, i), 4) == "bots") {
        arena.botCount = countBots(openQuotedValue(lineAt(lines, i)));
        ++i;
    }
    if (keyWord(lineAt(lines, i), 8) == "longname") {
        arena.longName = printableText(cutQuotedValue(lineAt(lines, i)));
        ++i;
    }
    if (keyWord(lineAt(lines, i), 7) == "special")
        ++i;
    if (keyWord(lineAt(lines, i), 9) == "fraglimit")
        ++i;
    if (keyWord(lineAt(lines, i), 4) == "type") {
        arena.gameTypes = gameTypes(openQuotedValue(lineAt(lines, i)));
        ++i;
    }
    if (lineAt(lines, i) == "}")
        i += 2;
    finds.finds.emplace_back(std::move(arena));
    return i;
}

} // namespace

std::string keyWord(const std::string& line, std::size_t n) {
    for (std::size_t at = 0; at < line.size(); ++at)
        if (startsKeyWord(line[at]))
            return line.substr(at, n);
    return {};
}

void readBotText(const Lines& lines, ArchiveFinds& finds) {
    BotTextFind bots;
    for (const auto& line : lines) {
        // The key is "name" alone: "names" or "name2" name no bot.
        if (line.size() < 5 || toLower(line.substr(0, 4)) != "name" ||
            (!isBlank(line[4]) && line[4] != '"'))
            continue;
        const std::string_view name = botNameValue(line);
        if (name.empty())
            continue;
        if (isSafeBotName(name))
            bots.names.emplace_back(name);
        else
            ++finds.leftOutNames;
    }
    finds.finds.emplace_back(std::move(bots));
}

void readArenaText(const Lines& lines, ArchiveFinds& finds) {
    std::size_t i = 0;
    while (i + 1 < lines.size()) {
        if (!lines[i].empty() && lines[i][0] == '{')
            i = readArenaBlock(lines, i + 1, finds);
        else
            ++i;
    }
}

void parseBotText(const Lines& lines, CatalogueIndex& index) {
    ArchiveFinds finds;
    readBotText(lines, finds);
    mergeFinds(finds, {}, index);
}

void parseArenaText(const Lines& lines, CatalogueIndex& index) {
    ArchiveFinds finds;
    readArenaText(lines, finds);
    mergeFinds(finds, {}, index);
}

} // namespace velkarn
