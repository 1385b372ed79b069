#include "core/network/BuddyList.h"

#include "core/setup/PlayerName.h"

namespace velkarn {

BuddyList::BuddyList(std::vector<std::string> names) : names_(std::move(names)) {
    for (const std::string& name : names_)
        folded_.insert(foldedName(name));
    folded_.erase(std::string()); // a blank name is nobody's
}

bool BuddyList::isBuddy(const std::string& codedName) const {
    return !folded_.empty() && folded_.contains(foldedName(codedName));
}

std::vector<std::string> BuddyList::buddiesAmong(const std::vector<PlayerLine>& players) const {
    std::vector<std::string> found;
    for (const PlayerLine& player : players)
        if (isBuddy(player.name))
            found.push_back(plainName(player.name));
    return found;
}

} // namespace velkarn
