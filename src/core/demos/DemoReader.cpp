#include "core/demos/DemoReader.h"

#include "core/demos/GameStateMessage.h"
#include "core/network/InfoString.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/setup/DemoName.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velkarn {

namespace {

// Pictures are looked for in this many blocks after the game state; the first one comes with
// the first or second block in every demo the engine writes.
constexpr int SnapshotSearchBlocks = 8;
constexpr int SpectatorTeam = 3;

struct Block {
    std::int32_t sequence = 0;
    unsigned long long offset = 0; // of the block's header
    std::vector<std::uint8_t> message;
};

std::int32_t littleLong(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

class BlockReader {
public:
    BlockReader(const DemoBytes& bytes, const std::string& name) : bytes_(bytes), name_(name) {}

    // The block at `offset`; nothing at a clean end. Throws Error for a block that lies.
    std::optional<Block> at(unsigned long long offset) const {
        if (offset + 8 > bytes_.size)
            return std::nullopt;
        const std::string header = bytes_.read(offset, 8);
        if (header.size() < 8)
            return std::nullopt;
        const std::int32_t length = littleLong(header, 4);
        if (length == -1)
            return std::nullopt; // the end the engine writes on stopping
        if (length < 0 || static_cast<std::size_t>(length) > MaxDemoMessage)
            throw Error(name_ + ": the block at byte " + std::to_string(offset) +
                        " says it holds " + std::to_string(length) +
                        " bytes, more than a game message can");
        if (offset + 8 + static_cast<unsigned long long>(length) > bytes_.size)
            throw Error(name_ + ": the demo is cut short inside the block at byte " +
                        std::to_string(offset));
        const std::string data = bytes_.read(offset + 8, static_cast<std::size_t>(length));
        if (data.size() != static_cast<std::size_t>(length))
            throw Error(name_ + ": the demo is cut short inside the block at byte " +
                        std::to_string(offset));
        return Block{littleLong(header, 0), offset, {data.begin(), data.end()}};
    }

    // The last whole block, found from the end: the tail holds exactly one place whose length
    // word reaches the end of the blocks. Demos cut short are walked block by block instead.
    std::optional<std::int32_t> lastSnapshotTime(unsigned long long firstEnd,
                                                 std::int32_t firstSequence) const {
        unsigned long long end = bytes_.size;
        if (end >= firstEnd + 8 && bytes_.read(end - 8, 8) == std::string(8, '\xff'))
            end -= 8;
        const unsigned long long window = MaxDemoMessage + 8;
        const unsigned long long start = end > firstEnd + window ? end - window : firstEnd;
        const std::string tail = bytes_.read(start, static_cast<std::size_t>(end - start));
        for (std::size_t at = 0; at + 8 < tail.size(); ++at) {
            const std::int32_t length = littleLong(tail, at + 4);
            const std::int32_t sequence = littleLong(tail, at);
            if (length <= 0 || static_cast<std::size_t>(length) != tail.size() - at - 8 ||
                sequence < firstSequence)
                continue;
            const auto* data = reinterpret_cast<const std::uint8_t*>(tail.data() + at + 8);
            if (auto time = parseSnapshotTime({data, static_cast<std::size_t>(length)}, nullptr))
                return time;
        }
        return walkToLastTime(firstEnd);
    }

private:
    std::optional<std::int32_t> walkToLastTime(unsigned long long offset) const {
        std::optional<std::int32_t> last;
        try {
            while (auto block = at(offset)) {
                if (auto time = parseSnapshotTime(block->message, nullptr))
                    last = time;
                offset += 8 + block->message.size();
            }
        } catch (const Error&) {
            // A cut or lying block ends the walk; what came before it stands.
        }
        return last;
    }

    const DemoBytes& bytes_;
    const std::string& name_;
};

int number(const std::string& text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

DemoFacts factsOf(const GameState& state, const std::string& name) {
    auto string = [&](int index) {
        const auto it = state.strings.find(index);
        return it == state.strings.end() ? std::string() : it->second;
    };
    const InfoPairs server = parseInfoString(string(ServerInfoString));
    DemoFacts facts;
    facts.map = infoValue(server, "mapname");
    facts.gameType = number(infoValue(server, "g_gametype"));
    facts.hostName = infoValue(server, "sv_hostname");
    facts.protocol = number(infoValue(server, "protocol"));
    if (facts.protocol == 0)
        facts.protocol = demoNameProtocol(name).value_or(0);
    facts.mod = infoValue(parseInfoString(string(SystemInfoString)), "fs_game");
    for (int slot = 0; slot < MaxPlayers; ++slot) {
        const std::string player = string(FirstPlayerString + slot);
        if (player.empty())
            continue;
        const InfoPairs info = parseInfoString(player);
        if (slot == state.clientNum)
            facts.recorder = infoValue(info, "n");
        else if (number(infoValue(info, "t")) != SpectatorTeam)
            facts.others.push_back(infoValue(info, "n"));
    }
    return facts;
}

DemoRead damaged(const std::string& problem) {
    return {DemoReadStatus::Damaged, problem, {}};
}

} // namespace

DemoRead readDemo(const DemoBytes& bytes, const std::string& name) {
    try {
        const BlockReader blocks(bytes, name);
        const auto first = blocks.at(0);
        if (!first)
            return damaged(name + ": the demo holds no game state");
        auto state = parseGameState(first->message);
        if (!state)
            return damaged(name + ": the game state of the demo cannot be decoded");

        unsigned long long offset = 8 + first->message.size();
        const unsigned long long firstEnd = offset;
        std::optional<std::int32_t> firstTime;
        for (int i = 0; i < SnapshotSearchBlocks && !firstTime; ++i) {
            const auto block = blocks.at(offset);
            if (!block)
                break;
            firstTime = parseSnapshotTime(block->message, &*state);
            offset += 8 + block->message.size();
        }
        DemoFacts facts = factsOf(*state, name);
        if (firstTime) {
            const auto lastTime = blocks.lastSnapshotTime(firstEnd, first->sequence);
            if (lastTime && *lastTime >= *firstTime)
                facts.lengthMs = *lastTime - *firstTime;
        }
        return {DemoReadStatus::Ok, {}, std::move(facts)};
    } catch (const FileOpenError&) {
        throw; // the file, not the demo, is at fault
    } catch (const Error& e) {
        return damaged(e.what());
    }
}

DemoRead readDemoBytes(std::string_view bytes, const std::string& name) {
    const DemoBytes demo{bytes.size(), [bytes](unsigned long long offset, std::size_t count) {
                             return offset >= bytes.size()
                                        ? std::string()
                                        : std::string(bytes.substr(offset, count));
                         }};
    return readDemo(demo, name);
}

DemoRead readDemoFile(const std::string& path) {
    FileState state;
    if (!fileState(path, state))
        return {DemoReadStatus::NotFound, path + ": no such demo", {}};
    DemoBytes bytes{state.size, [&path](unsigned long long offset, std::size_t count) {
                        return readFileRange(path, offset, count);
                    }};
    try {
        return readDemo(bytes, path);
    } catch (const FileOpenError& e) {
        return {DemoReadStatus::CantRead, e.what(), {}};
    }
}

} // namespace velkarn
