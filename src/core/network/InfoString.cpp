#include "core/network/InfoString.h"

#include "core/platform/PrintableText.h"

#include <algorithm>
#include <cstddef>

namespace velkarn {

namespace {

// The engine's own limits: a server's settings fit in BIG_INFO_STRING (8192 bytes), and each
// key or value in MAX_INFO_KEY / MAX_INFO_VALUE (1024). Longer text comes from no real server.
constexpr std::size_t MaxInfoBytes = 8192;
constexpr std::size_t MaxInfoField = 1024;
// "\a\b" is the smallest pair, so 8192 bytes could hold 2048 of them; real servers send a few
// dozen. Capping the count keeps the lookups and the settings table small.
constexpr std::size_t MaxInfoPairs = 512;

std::string field(std::string_view text) {
    return printableText(text.substr(0, MaxInfoField));
}

bool sameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

InfoPairs parseInfoString(std::string_view text) {
    text = text.substr(0, MaxInfoBytes);
    InfoPairs pairs;
    std::size_t pos = 0;
    if (!text.empty() && text.front() == '\\')
        pos = 1;
    while (pos < text.size() && pairs.size() < MaxInfoPairs) {
        const std::size_t keyEnd = std::min(text.find('\\', pos), text.size());
        std::string key = field(text.substr(pos, keyEnd - pos));
        std::string value;
        pos = keyEnd + 1;
        if (keyEnd < text.size()) {
            const std::size_t valueEnd = std::min(text.find('\\', pos), text.size());
            value = field(text.substr(pos, valueEnd - pos));
            pos = valueEnd + 1;
        }
        if (!key.empty())
            pairs.emplace_back(std::move(key), std::move(value));
    }
    return pairs;
}

std::string infoValue(const InfoPairs& pairs, std::string_view key) {
    for (const auto& [name, value] : pairs)
        if (sameKey(name, key))
            return value;
    return {};
}

} // namespace velkarn
