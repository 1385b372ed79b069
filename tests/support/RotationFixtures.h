#pragma once

#include "core/setup/SetupRecords.h"

#include <memory>
#include <string>
#include <vector>

// Small builders for rotations, shared by the setup and launch tests.
namespace velkarn::test {

inline RotationEntry rotationEntry(const std::string& name, int gameType, int limit, int timeLimit,
                                   const std::vector<RosterBot>& bots = {}) {
    RotationEntry entry;
    entry.name = name;
    entry.gameType = static_cast<std::uint8_t>(gameType);
    entry.fragLimit = limit;
    entry.timeLimit = timeLimit;
    for (const RosterBot& b : bots)
        entry.bots[entry.botCount++] = b;
    return entry;
}

inline ServerRotationEntry serverEntry(const std::string& name, int gameType, int limit,
                                       int timeLimit) {
    ServerRotationEntry entry;
    entry.name = name;
    entry.gameType = static_cast<std::uint8_t>(gameType);
    entry.fragLimit = limit;
    entry.timeLimit = timeLimit;
    return entry;
}

template <typename Entry> RecordList<Entry> listOf(const std::vector<Entry>& entries) {
    RecordList<Entry> list;
    for (const Entry& entry : entries)
        list.push_back(std::make_unique<Entry>(entry));
    return list;
}

} // namespace velkarn::test
