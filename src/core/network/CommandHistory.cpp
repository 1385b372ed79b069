#include "core/network/CommandHistory.h"

namespace velkarn {

void CommandHistory::add(const std::string& command) {
    if (!command.empty() && (commands_.empty() || commands_.back() != command)) {
        commands_.push_back(command);
        if (commands_.size() > MaxCommands)
            commands_.pop_front();
    }
    position_ = commands_.size();
    typed_.clear();
}

std::string CommandHistory::previous(const std::string& typed) {
    if (commands_.empty())
        return typed;
    if (position_ == commands_.size())
        typed_ = typed;
    if (position_ > 0)
        --position_;
    return commands_[position_];
}

std::string CommandHistory::next(const std::string& typed) {
    if (position_ >= commands_.size())
        return typed;
    ++position_;
    return position_ == commands_.size() ? typed_ : commands_[position_];
}

} // namespace velkarn
