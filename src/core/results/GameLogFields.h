#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The pieces of one line of the game's log: its time stamp, its event and the numbers and texts
// after it, each read within fixed limits. The functions taking `text` by reference consume
// what they read from its start.
namespace velkarn::gamelog {

struct LogLine {
    int seconds = 0;
    std::string_view event; // "InitGame", "Kill", "red", "score"...
    std::string_view rest;  // after "event:" and the blanks that follow
};

// "  0:48 Exit: Fraglimit hit." and the like; anything else is no line of the log.
std::optional<LogLine> splitLine(std::string_view text);

void skipSpaces(std::string_view& text);
// An optional "-" and up to nine digits at the start of `text`, which then starts after them.
std::optional<int> leadingNumber(std::string_view& text);
// A client number 0..MaxLogClients-1.
std::optional<int> clientNumber(std::string_view& text);
bool takePrefix(std::string_view& text, std::string_view prefix);
// "YYYY-MM-DD HH:MM:SS", as g_timestamp writes it.
bool isTimestamp(std::string_view text);
// At most `limit` bytes of `text`, printable.
std::string cleanText(std::string_view text, std::size_t limit);

} // namespace velkarn::gamelog
