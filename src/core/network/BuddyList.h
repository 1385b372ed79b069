#pragma once

#include "core/network/ServerStatus.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace velkarn {

// The players the user looks out for. Names match as foldedName folds them: color codes, blanks
// around and the case of ASCII letters do not count.
class BuddyList {
public:
    BuddyList() = default;
    explicit BuddyList(std::vector<std::string> names);

    // As the user wrote them, in order.
    const std::vector<std::string>& names() const { return names_; }
    bool empty() const { return names_.empty(); }

    bool isBuddy(const std::string& codedName) const;
    // The buddies among `players`, each as the server names it without color codes, in the
    // players' order.
    std::vector<std::string> buddiesAmong(const std::vector<PlayerLine>& players) const;

private:
    std::vector<std::string> names_;
    std::unordered_set<std::string> folded_;
};

} // namespace velkarn
