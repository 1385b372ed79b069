#pragma once

#include "core/content/SearchObserver.h"

#include <string>
#include <vector>

namespace velkarn::test {

// Counts the search's progress steps and keeps its messages.
struct RecordingObserver : SearchObserver {
    int steps = 0;
    std::vector<std::string> messages;
    void step() override { ++steps; }
    void message(const std::string& text) override { messages.push_back(text); }
};

} // namespace velkarn::test
