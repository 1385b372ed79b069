#pragma once

#include "core/setup/RotationOps.h"
#include "core/setup/TextHelpers.h"

#include <string>
#include <vector>

namespace velkarn {

// A rotation as its editor sees it: entries with a game type, limits and a catalogued map. The
// offline rotation and the server rotation differ only in what else their entries carry.
class RotationAccess {
public:
    virtual ~RotationAccess() = default;
    virtual int size() const = 0;
    virtual int gameType(int position) const = 0;
    virtual int fragLimit(int position) const = 0;
    virtual int timeLimit(int position) const = 0;
    virtual int mapFileIndex(int position) const = 0;
    virtual std::string entryText(int position) const = 0;
    // Appends the entry for catalogue position `mapFileIndex`; returns its position.
    virtual int add(const MapFiles& catalogue, int mapFileIndex) = 0;
    virtual void remove(const std::vector<int>& positions) = 0;
    // The edits return the positions whose text changed.
    virtual std::vector<int> setGameType(const std::vector<int>& positions, int gameType) = 0;
    virtual std::vector<int> setFragLimit(const std::vector<int>& positions, int fragLimit) = 0;
    virtual std::vector<int> setTimeLimit(const std::vector<int>& positions, int timeLimit) = 0;
};

template <typename Entry> class RotationAccessOf : public RotationAccess {
public:
    explicit RotationAccessOf(RecordList<Entry>& rotation) : rotation_(rotation) {}

    int size() const override { return static_cast<int>(rotation_.size()); }
    int gameType(int position) const override { return at(position).gameType; }
    int fragLimit(int position) const override { return at(position).fragLimit; }
    int timeLimit(int position) const override { return at(position).timeLimit; }
    int mapFileIndex(int position) const override { return at(position).mapFileIndex; }
    std::string entryText(int position) const override { return rotationEntryText(at(position)); }
    int add(const MapFiles& catalogue, int mapFileIndex) override {
        if constexpr (std::is_same_v<Entry, RotationEntry>)
            addRotationEntry(rotation_, catalogue, mapFileIndex);
        else
            addServerRotationEntry(rotation_, catalogue, mapFileIndex);
        return size() - 1;
    }
    void remove(const std::vector<int>& positions) override { removeEntries(rotation_, positions); }
    std::vector<int> setGameType(const std::vector<int>& positions, int gameType) override {
        return velkarn::setGameType(rotation_, positions, gameType);
    }
    std::vector<int> setFragLimit(const std::vector<int>& positions, int fragLimit) override {
        return velkarn::setFragLimit(rotation_, positions, fragLimit);
    }
    std::vector<int> setTimeLimit(const std::vector<int>& positions, int timeLimit) override {
        return velkarn::setTimeLimit(rotation_, positions, timeLimit);
    }

private:
    const Entry& at(int position) const { return *rotation_[static_cast<std::size_t>(position)]; }

    RecordList<Entry>& rotation_;
};

} // namespace velkarn
