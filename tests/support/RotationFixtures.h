#pragma once

#include "core/setup/SetupRecords.h"

#include <memory>
#include <string>
#include <vector>

// Small builders for rotations, shared by the setup and launch tests.
namespace velkarn::test {

inline AMap rotationEntry(const std::string& name, int gameType, int limit, int timeLimit,
                          const std::vector<bot>& bots = {}) {
    AMap entry;
    entry.Name = name;
    entry.GameType = static_cast<std::uint8_t>(gameType);
    entry.FragLimit = limit;
    entry.TimeLimit = timeLimit;
    for (const bot& b : bots)
        entry.Bots[entry.BotCount++] = b;
    return entry;
}

inline AServerMap serverEntry(const std::string& name, int gameType, int limit, int timeLimit) {
    AServerMap entry;
    entry.Name = name;
    entry.GameType = static_cast<std::uint8_t>(gameType);
    entry.FragLimit = limit;
    entry.TimeLimit = timeLimit;
    return entry;
}

template <typename Entry> RecordList<Entry> listOf(const std::vector<Entry>& entries) {
    RecordList<Entry> list;
    for (const Entry& entry : entries)
        list.push_back(std::make_unique<Entry>(entry));
    return list;
}

} // namespace velkarn::test
