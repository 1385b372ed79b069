#include "core/results/GameLogFields.h"

#include "core/platform/PrintableText.h"
#include "core/results/GameLog.h"

#include <cctype>

namespace velkarn::gamelog {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

} // namespace

void skipSpaces(std::string_view& text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
}

std::optional<int> leadingNumber(std::string_view& text) {
    skipSpaces(text);
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    int value = 0;
    std::size_t digits = 0;
    while (!text.empty() && isDigit(text.front()) && digits < 9) {
        value = value * 10 + (text.front() - '0');
        text.remove_prefix(1);
        ++digits;
    }
    if (digits == 0 || (!text.empty() && isDigit(text.front())))
        return std::nullopt;
    return negative ? -value : value;
}

bool takePrefix(std::string_view& text, std::string_view prefix) {
    skipSpaces(text);
    if (text.substr(0, prefix.size()) != prefix)
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

std::string cleanText(std::string_view text, std::size_t limit) {
    return printableText(text.substr(0, limit));
}

std::optional<LogLine> splitLine(std::string_view text) {
    skipSpaces(text);
    int minutes = 0;
    std::size_t digits = 0;
    while (!text.empty() && isDigit(text.front()) && digits < 7) {
        minutes = minutes * 10 + (text.front() - '0');
        text.remove_prefix(1);
        ++digits;
    }
    if (digits == 0 || text.size() < 4 || text[0] != ':' || !isDigit(text[1]) ||
        !isDigit(text[2]) || text[3] != ' ')
        return std::nullopt;
    LogLine line;
    line.seconds = minutes * 60 + (text[1] - '0') * 10 + (text[2] - '0');
    text.remove_prefix(4);
    std::size_t nameEnd = 0;
    while (nameEnd < text.size() && isLetter(text[nameEnd]))
        ++nameEnd;
    if (nameEnd == 0 || nameEnd >= text.size() || text[nameEnd] != ':')
        return std::nullopt;
    line.event = text.substr(0, nameEnd);
    line.rest = text.substr(nameEnd + 1);
    skipSpaces(line.rest);
    return line;
}

bool isTimestamp(std::string_view text) {
    static constexpr std::string_view Shape = "0000-00-00 00:00:00";
    if (text.size() != Shape.size())
        return false;
    for (std::size_t i = 0; i < Shape.size(); ++i)
        if (Shape[i] == '0' ? !isDigit(text[i]) : text[i] != Shape[i])
            return false;
    return true;
}

std::optional<int> clientNumber(std::string_view& text) {
    const auto number = leadingNumber(text);
    if (!number || *number < 0 || *number >= MaxLogClients)
        return std::nullopt;
    return number;
}

} // namespace velkarn::gamelog
