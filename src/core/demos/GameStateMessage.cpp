#include "core/demos/GameStateMessage.h"

#include "core/demos/MessageReader.h"

#include <array>
#include <charconv>
#include <string_view>

namespace velkarn {

namespace {

// Message operations of the server.
enum Operation {
    Nop = 1,
    GameStateOp = 2,
    ConfigString = 3,
    Baseline = 4,
    ServerCommand = 5,
    Snapshot = 7,
    EndOfMessage = 8
};

constexpr int MaxConfigStrings = 1024;
constexpr int EntityNumberBits = 10;
constexpr std::size_t BigStringLimit = 8192;
constexpr std::size_t CommandLimit = 1024;

// The bits of each field of an entity as the network carries it; 0 marks a float.
constexpr std::array<int, 51> entityFieldBits = {
    32, 0,  0,  0, 0,  0, 0, 0, 0, 10, 0, 8, 8,  8,  8,  10, 8, 19, 10, 8,  8, 0, 32, 8,  0, 0,
    0,  24, 16, 8, 10, 8, 8, 0, 0, 0,  8, 0, 32, 32, 32, 0,  0, 0,  0,  32, 0, 0, 0,  32, 16};

bool wanted(int index) {
    return index == ServerInfoString || index == SystemInfoString ||
           (index >= FirstPlayerString && index < FirstPlayerString + MaxPlayers);
}

// A baseline is an entity's delta from nothing; only its length matters here.
bool skipEntityDelta(MessageReader& reader) {
    if (reader.readBits(1) || !reader.readBits(1))
        return !reader.spent(); // removed, or unchanged
    const int changed = reader.readByte();
    if (changed > static_cast<int>(entityFieldBits.size()))
        return false;
    for (int i = 0; i < changed && !reader.spent(); ++i) {
        if (!reader.readBits(1))
            continue;
        const int bits = entityFieldBits[static_cast<std::size_t>(i)];
        if (bits == 0) {
            if (reader.readBits(1))
                reader.readBits(reader.readBits(1) ? 32 : 13);
        } else if (reader.readBits(1)) {
            reader.readBits(bits);
        }
    }
    return !reader.spent();
}

// "cs <index> \"<text>\"": a configuration string changed after the game state.
void applyCommand(std::string_view command, GameState& state) {
    if (!command.starts_with("cs "))
        return;
    command.remove_prefix(3);
    int index = -1;
    const auto [end, error] =
        std::from_chars(command.data(), command.data() + command.size(), index);
    if (error != std::errc() || !wanted(index))
        return;
    std::string_view text = command.substr(static_cast<std::size_t>(end - command.data()));
    if (text.starts_with(' '))
        text.remove_prefix(1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    state.strings[index] = std::string(text);
}

} // namespace

std::optional<GameState> parseGameState(std::span<const std::uint8_t> message) {
    MessageReader reader(message);
    reader.readLong(); // the last command the client acknowledged
    int operation = reader.readByte();
    while (operation == Nop)
        operation = reader.readByte();
    if (operation != GameStateOp || reader.spent())
        return std::nullopt;
    reader.readLong(); // the server's command sequence
    GameState state;
    for (;;) {
        const int op = reader.readByte();
        if (reader.spent())
            return std::nullopt;
        if (op == EndOfMessage)
            break;
        if (op == ConfigString) {
            const int index = reader.readShort();
            if (index < 0 || index >= MaxConfigStrings)
                return std::nullopt;
            std::string text = reader.readString(BigStringLimit);
            if (wanted(index))
                state.strings[index] = std::move(text);
        } else if (op == Baseline) {
            reader.readBits(EntityNumberBits);
            if (!skipEntityDelta(reader))
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    state.clientNum = reader.readLong();
    if (reader.spent() || state.clientNum < 0 || state.clientNum >= MaxPlayers)
        return std::nullopt;
    return state;
}

std::optional<std::int32_t> parseSnapshotTime(std::span<const std::uint8_t> message,
                                              GameState* state) {
    MessageReader reader(message);
    reader.readLong();
    while (!reader.spent()) {
        const int op = reader.readByte();
        if (reader.spent())
            break;
        if (op == Nop)
            continue;
        if (op == ServerCommand) {
            reader.readLong();
            const std::string command = reader.readString(CommandLimit);
            if (state && !reader.spent())
                applyCommand(command, *state);
        } else if (op == Snapshot) {
            const std::int32_t time = reader.readLong();
            if (!reader.spent())
                return time;
        } else {
            break;
        }
    }
    return std::nullopt;
}

} // namespace velkarn
