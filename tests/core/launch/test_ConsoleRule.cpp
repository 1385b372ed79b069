#include "core/launch/GameScript.h"
#include "core/network/RconText.h"
#include "core/platform/Errors.h"
#include "core/setup/ScriptValues.h"
#include "support/RotationFixtures.h"

#include <functional>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

using Kind = ScriptValueKind;

// What the engine reads otherwise, each refused wherever it stands in a value, and the kinds
// of value that refuse it.
struct Trap {
    const char* piece;
    bool text, word, consoleWord; // refused in a Text (and a Secret), a Word, a ConsoleWord
};
const std::vector<Trap> Traps = {
    {"\n", true, true, true},   {"\r", true, true, true},       {"\t", true, true, true},
    {"\x01", true, true, true}, {"\x1f", true, true, true},     {"\x7f", true, true, true},
    {";", true, true, true},    {"\"", true, true, true},       {"//", true, true, true},
    {"/*", true, true, true},   {"*/", true, true, true},       {"\\", true, true, false},
    {"\x80", true, true, true}, {"\xc3\xa9", true, true, true}, {"\xff", true, true, true},
    {"  ", true, true, true},   {" ", false, true, true},
};

// "ab" with `piece` at its start, in its middle and at its end.
std::vector<std::string> placed(const std::string& piece) {
    return {piece + "ab", "a" + piece + "b", "ab" + piece};
}

bool refusedBy(const Trap& trap, Kind kind) {
    switch (kind) {
    case Kind::Text:
    case Kind::Secret:
        return trap.text;
    case Kind::Word:
        return trap.word;
    case Kind::ConsoleWord:
        return trap.consoleWord;
    }
    return true;
}

// Every value the matrix tries: each trap in each place, and the harmless neighbours of traps.
std::vector<std::string> probes() {
    std::vector<std::string> values = {"ab",  "a/b",     "a*b", "a/ *b", "^1a^7b", "a=b",
                                       "a+b", "a-b_c.d", "-ab", "%ab",   "~ab",    "a'b",
                                       "",    "0",       "all", "12ab",  "Ab Cd"};
    for (const Trap& trap : Traps)
        for (const std::string& value : placed(trap.piece))
            values.push_back(value);
    values.push_back(std::string(MaxScriptValueBytes, 'a'));
    values.push_back(std::string(MaxScriptValueBytes + 1, 'a'));
    return values;
}

bool accepted(const std::function<void()>& write) {
    try {
        write();
        return true;
    } catch (const UserMessage&) {
        return false;
    }
}

} // namespace

TEST(ConsoleRule, EveryTrapIsRefusedWhereverItStandsInEveryKindThatCannotCarryIt) {
    for (const Kind kind : {Kind::Text, Kind::Secret, Kind::Word, Kind::ConsoleWord})
        for (const Trap& trap : Traps)
            for (const std::string& value : placed(trap.piece)) {
                // A single blank in the middle of a text is one the game keeps.
                const bool refused =
                    refusedBy(trap, kind) || (std::string(trap.piece) == " " && value != "a b" &&
                                              kind != Kind::Word && kind != Kind::ConsoleWord);
                EXPECT_EQ(isSafeScriptValue(value, kind), !refused)
                    << static_cast<int>(kind) << " \"" << value << "\"";
                EXPECT_EQ(scriptValueProblem(value, kind).empty(), !refused);
            }
    for (const Kind kind : {Kind::Text, Kind::Word}) {
        EXPECT_TRUE(isSafeScriptValue(std::string(MaxScriptValueBytes, 'a'), kind));
        EXPECT_FALSE(isSafeScriptValue(std::string(MaxScriptValueBytes + 1, 'a'), kind));
    }
    EXPECT_TRUE(isSafeScriptValue("^1A^7ce /x* a/b = 100%"));
    EXPECT_TRUE(onlyBlanksRefused("Ace "));
    EXPECT_FALSE(onlyBlanksRefused("Ace;"));
    EXPECT_FALSE(onlyBlanksRefused("Ace"));
}

// Digits alone are a client slot to kick; "all" and "allbots" are everyone.
TEST(ConsoleRule, BotNamesTheKickCommandReadsOtherwiseAreRefused) {
    for (const char* name : {"", "0", "9", "12", "007", "all", "ALL", "allbots", "AllBots"})
        EXPECT_FALSE(isSafeBotName(name)) << name;
    for (const char* name : {"Sarge", "1a", "a1", "-1", "all1", "xall", "allbot", "Cyber-Garg"})
        EXPECT_TRUE(isSafeBotName(name)) << name;
    for (const std::string& value : probes()) {
        if (!isSafeScriptValue(value, Kind::Word)) {
            EXPECT_FALSE(isSafeBotName(value)) << value;
        }
    }
    // A model is followed by "/" in the script: one ending in "*" or "/" would make a comment.
    EXPECT_FALSE(isSafeModelName("sarge*"));
    EXPECT_FALSE(isSafeModelName("sarge/"));
    EXPECT_TRUE(isSafeModelName("sarge"));
    EXPECT_EQ(botNameProblem("42"),
              "be digits alone, which the game's kick command reads as a client slot");
}

// Each field of each script is checked as the kind of value the engine makes of it.
TEST(ConsoleRule, EveryFieldOfEveryScriptIsCheckedAsItsKind) {
    const auto one = listOf<RotationEntry>({rotationEntry("map", Deathmatch, 0, 0)});
    const auto served = listOf<ServerRotationEntry>({serverEntry("map", Deathmatch, 0, 0)});
    const auto player = [&](auto set) {
        return [&one, set](const std::string& value) {
            PlayerSettings settings{"Ace", "model", "skin", 0, 0};
            set(settings, value);
            return accepted([&] { localScriptLines(settings, one, {}); });
        };
    };
    const auto server = [&](auto set) {
        return [&served, set](const std::string& value) {
            ServerOptions options;
            set(options, value);
            return accepted([&] { serverScriptLines(options, served); });
        };
    };
    const auto join = [](auto set) {
        return [set](const std::string& value) {
            SavedServer saved{"Home", "127.0.0.1", ""};
            set(saved, value);
            return accepted([&] { joinScriptLines(PlayerSettings{}, saved); });
        };
    };
    const std::vector<std::tuple<const char*, Kind, std::function<bool(const std::string&)>>>
        fields = {
            {"player name", Kind::Text, player([](auto& p, auto& v) { p.name = v; })},
            {"player model", Kind::Word, player([](auto& p, auto& v) { p.model = v; })},
            {"player skin", Kind::Word, player([](auto& p, auto& v) { p.skin = v; })},
            {"host name", Kind::Text, server([](auto& o, auto& v) { o.hostName = v; })},
            {"message", Kind::Text, server([](auto& o, auto& v) { o.motd = v; })},
            {"server password", Kind::Secret, server([](auto& o, auto& v) { o.password = v; })},
            {"join password", Kind::Secret, join([](auto& s, auto& v) { s.password = v; })},
            {"server address", Kind::Word, join([](auto& s, auto& v) { s.address = v; })},
            {"map name", Kind::Word,
             [](const std::string& value) {
                 const auto rotation = listOf<RotationEntry>(
                     {rotationEntry(value, Deathmatch, 0, 0), rotationEntry("b", 1, 0, 0)});
                 return accepted([&] { localScriptLines(PlayerSettings{}, rotation, {}); });
             }},
            {"remote console password", Kind::ConsoleWord,
             [](const std::string& value) {
                 return value.empty() || accepted([&] { requireRconPassword(value); });
             }},
        };
    for (const auto& [field, kind, accepts] : fields)
        for (const std::string& value : probes()) {
            // Fields with a rule of their own besides the console's.
            const std::string name = field;
            if ((name == "remote console password" && value.find('%') != value.npos) ||
                (name.starts_with("player ") && name != "player name" &&
                 value.size() == MaxScriptValueBytes)) // "model/skin" is bounded as a whole
                continue;
            EXPECT_EQ(accepts(value), isSafeScriptValue(value, kind))
                << field << " \"" << value << "\"";
        }

    // A bot is written only when the game defines it and kick reads its name as one name.
    for (const std::string& value : probes()) {
        const auto rotation = listOf<RotationEntry>(
            {rotationEntry("map", Deathmatch, 0, 0, {RosterBot{value, 1, ""}})});
        const Lines lines = localScriptLines(PlayerSettings{}, rotation, {value});
        EXPECT_EQ(lines.back() == "addbot " + value + " 1", isSafeBotName(value)) << value;
    }
}

// A script adds and kicks only bots the game defines, spelt as the game defines them: any other
// name is left out, above all one kick would read as every player, every bot or a slot.
TEST(ConsoleRule, OnlyBotsTheGameDefinesAreAddedAndKicked) {
    const DefinedBots defined = {"Sarge", "Grism", "all", "1"};
    const std::vector<RosterBot> first = {{"sarge", 3, "red"},   {"all", 1, ""},
                                          {"1", 1, ""},          {"Gri;sm", 2, ""},
                                          {"Unknown", 4, "Red"}, {"GRISM", 5, "Spectator"}};
    const auto rotation =
        listOf<RotationEntry>({rotationEntry("a", TeamDeathmatch, 0, 0, first),
                               rotationEntry("b", Deathmatch, 0, 0, {{"ALLBOTS", 1, ""}})});
    const Lines lines = localScriptLines(PlayerSettings{}, rotation, defined);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[5], "set m0 \"set g_gametype 3;set fraglimit 0;set timelimit 0;map a;"
                        "addbot Sarge 3 Red;addbot Grism 5;set nextmap vstr m1\"");
    EXPECT_EQ(lines[6], "set m1 \"set g_gametype 0;set fraglimit 0;set timelimit 0;map b;"
                        "kick Sarge;kick Grism;set nextmap vstr m0\"");
}

TEST(ConsoleRule, RefusalQuotesTheValueOnce) {
    EXPECT_EQ(scriptValueRefusal("^1Vel^4kar^7Fan\"", "player name"),
              "The player name '^1Vel^4kar^7Fan\"' must not contain a double quote!");
    EXPECT_EQ(scriptValueRefusal("a;b", "host name"),
              "The host name \"a;b\" must not contain a semicolon!");
    EXPECT_EQ(scriptValueRefusal("it's \"x\"", "message"),
              "The message \u201cit's \"x\"\u201d must not contain a double quote!");
}
