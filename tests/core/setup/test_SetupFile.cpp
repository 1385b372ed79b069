#include "core/platform/Errors.h"
#include "core/setup/SetupFile.h"
#include "support/TempFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace velkarn;
using velkarn::test::TempFolder;

namespace {

MapFiles catalogueOf(std::initializer_list<const char*> fileNames) {
    MapFiles catalogue;
    for (const char* name : fileNames) {
        catalogue.push_back(std::make_unique<MapFile>());
        catalogue.back()->fileName = name;
    }
    return catalogue;
}

std::unique_ptr<RotationEntry> entry(const std::string& name, int gameType, int frag, int time,
                                     std::vector<RosterBot> bots = {}) {
    auto map = std::make_unique<RotationEntry>();
    map->name = name;
    map->gameType = static_cast<std::uint8_t>(gameType);
    map->fragLimit = frag;
    map->timeLimit = time;
    map->botCount = static_cast<std::uint8_t>(bots.size());
    std::copy(bots.begin(), bots.end(), map->bots.begin());
    return map;
}

const PlayerLines player{"^1Big^4Gun", "sarge", "blue", 40, "Arena Two"};

std::string text(const Lines& lines) {
    return joinLines(lines);
}

} // namespace

TEST(SetupFile, WrittenSetupReadsBackEqual) {
    TempFolder dir;
    const auto catalogue = catalogueOf({"q3dm1.bsp", "q3tourney2.bsp", "q3ctf1.bsp"});
    Rotation maps;
    maps.push_back(entry("q3ctf1", 4, 8, 15, {{"Brute", 3, "Blue"}, {"Lucy", 5, "Red"}}));
    maps.push_back(entry("q3dm1", 1, 20, 10, {{"Sarge", 1, ""}, {"Ranger", 2, "None"}}));
    maps.push_back(entry("q3tourney2", 2, 0, 20));
    const std::vector<std::string> info = {"A long night", "", "with friends"};
    saveSetupFile(dir.file("a.vkn"), &info, maps, player);

    SetupReadResult read;
    loadSetupFile(dir.file("a.vkn"), catalogue, read);
    EXPECT_EQ(read.info, info);
    ASSERT_EQ(read.maps.size(), 3u);
    for (std::size_t i = 0; i < maps.size(); ++i) {
        const RotationEntry& want = *maps[i];
        const RotationEntry& got = *read.maps[i];
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.gameType, want.gameType);
        EXPECT_EQ(got.fragLimit, want.fragLimit);
        EXPECT_EQ(got.timeLimit, want.timeLimit);
        ASSERT_EQ(got.botCount, want.botCount);
        for (std::size_t b = 0; b < got.botCount; ++b) {
            EXPECT_EQ(got.bots[b].name, want.bots[b].name);
            EXPECT_EQ(got.bots[b].skill, want.bots[b].skill);
            EXPECT_EQ(got.bots[b].team, want.bots[b].team);
        }
    }
    EXPECT_EQ(read.maps[0]->mapFileIndex, 2); // the last catalogue entry is found too
    EXPECT_EQ(read.maps[1]->mapFileIndex, 0);
    ASSERT_TRUE(read.playerLinesRead);
    EXPECT_EQ(read.player.name, player.name);
    EXPECT_EQ(read.player.model, "sarge");
    EXPECT_EQ(read.player.skin, "blue");
    EXPECT_EQ(read.player.simPing, 40);
    EXPECT_EQ(read.player.mod, "Arena Two");
}

TEST(SetupFile, LinesAsWritten) {
    Rotation maps;
    maps.push_back(entry("q3dm1", 1, 0, 20, {{"Sarge", 2, ""}}));
    const std::vector<std::string> unchanged = {"[None]"};
    EXPECT_EQ(text(setupFileLines(&unchanged, maps, player)),
              ";[None]\r\n1\r\nq3dm1\r\n 1\r\n 0\r\n 20\r\n 1\r\n  Sarge\r\n   2\r\n   \r\n"
              "^1Big^4Gun\r\nsarge\r\nblue\r\n40\r\nArena Two\r\n");
    // No info, no maps: the count line 0 directly followed by the player lines.
    EXPECT_EQ(text(setupFileLines(nullptr, {}, PlayerLines{})), "0\r\n\r\n\r\n\r\n0\r\n\r\n");
    const std::vector<std::string> emptied;
    EXPECT_EQ(setupFileLines(&emptied, {}, PlayerLines{}).front(), "0");
}

TEST(SetupFile, InfoLinesAreTrimmedAndEndAtTheFirstOtherLine) {
    TempFolder dir;
    dir.write("a.vkn", "; first \r\n  ;indented\n;\r0\r\n;name\r\n\r\n\r\n0\r\n[None]\r\n");
    SetupReadResult read;
    loadSetupFile(dir.file("a.vkn"), {}, read);
    EXPECT_EQ(read.info, (std::vector<std::string>{"first", ";indented", ""}));
    EXPECT_TRUE(read.maps.empty());
    EXPECT_EQ(read.player.name, ";name"); // after the count a ";" is plain text
}

// A map the catalogue lacks (its archive gone, or maps.txt unreadable) keeps its entry, so that
// saving the setup again loses nothing; it is only not played.
TEST(SetupFile, UncataloguedMapIsKeptAndSavedAgain) {
    TempFolder dir;
    const auto catalogue = catalogueOf({"q3dm1.bsp", "q3dm2.bsp"});
    Rotation maps;
    maps.push_back(entry("q3dm1", 1, 5, 10));
    maps.push_back(entry("gone", 3, 7, 8, {{"Brute", 3, "Blue"}, {"Lucy", 2, "Red"}}));
    maps.push_back(entry("q3dm2", 2, 9, 11, {{"Sarge", 4, ""}}));
    maps.push_back(entry("Q3DM1", 1, 1, 1)); // names match with their case
    saveSetupFile(dir.file("a.vkn"), nullptr, maps, player);
    const std::string saved = dir.read("a.vkn");

    SetupReadResult read;
    loadSetupFile(dir.file("a.vkn"), catalogue, read);
    ASSERT_EQ(read.maps.size(), 4u);
    EXPECT_EQ(read.maps[1]->name, "gone");
    EXPECT_EQ(read.maps[1]->mapFileIndex, -1);
    EXPECT_EQ(read.maps[1]->bots[1].name, "Lucy");
    EXPECT_EQ(read.maps[2]->mapFileIndex, 1);
    EXPECT_EQ(read.maps[3]->mapFileIndex, -1);
    EXPECT_EQ(read.player.name, player.name);
    // Said with their lines; of an entry not played its bots need no word.
    const std::string file = dir.file("a.vkn");
    EXPECT_EQ(leftOutNotes(read, read.maps, {"Brute", "Lucy"}),
              (std::vector<std::string>{
                  file + ", line 7: the catalogue holds no map gone, so that entry is not played.",
                  file + ", line 23: the game defines no bot Sarge, so it is left out of the game.",
                  file + ", line 26: the catalogue holds no map Q3DM1, so that entry is not "
                         "played."}));
    saveSetupFile(dir.file("a.vkn"), nullptr, read.maps, read.player);
    EXPECT_EQ(dir.read("a.vkn"), saved);
}

// Player values the script could not carry are said as the file is read, and kept as they are.
TEST(SetupFile, RefusedPlayerValuesAreSaidWithTheirLinesAndKept) {
    TempFolder dir;
    Rotation maps;
    maps.push_back(entry("q3dm1", 1, 0, 20));
    const PlayerLines odd{"Zo\xc3\xab", "sar ge", "a\\b", 0, "[None]"};
    saveSetupFile(dir.file("a.vkn"), nullptr, maps, odd);
    const std::string saved = dir.read("a.vkn");
    SetupReadResult read;
    loadSetupFile(dir.file("a.vkn"), catalogueOf({"q3dm1.bsp"}), read);
    const std::string at = dir.file("a.vkn") + ", line ";
    EXPECT_EQ(readMessages(read),
              at +
                  "7: The player name \"Zo\xc3\xab\" must not contain a character outside plain "
                  "ASCII, which the game's console splits words at!\n" +
                  at +
                  "8: The player model \"sar ge\" must not contain a blank or a character "
                  "outside plain ASCII!\n" +
                  at +
                  "9: The player skin \"a\\b\" must not contain a backslash, which the "
                  "game's info strings refuse!");
    saveSetupFile(dir.file("a.vkn"), nullptr, read.maps, read.player);
    EXPECT_EQ(dir.read("a.vkn"), saved);
}

TEST(SetupFile, NumbersKeepTheirLowBitsAndRostersStopAtThirtyTwo) {
    TempFolder dir;
    const auto catalogue = catalogueOf({"q3dm1.bsp"});
    std::string file = "1\r\nq3dm1\r\n 257\r\n 0\r\n 20\r\n 40\r\n";
    for (int b = 1; b <= 40; ++b)
        file += "  Bot" + std::to_string(b) + "\r\n   " + (b > 32 ? "x" : "1") + "\r\n   Red\r\n";
    file += "me\r\n\r\n\r\n0\r\n\r\n";
    dir.write("a.vkn", file);
    SetupReadResult read;
    loadSetupFile(dir.file("a.vkn"), catalogue, read);
    ASSERT_EQ(read.maps.size(), 1u);
    EXPECT_EQ(read.maps[0]->gameType, 1);
    EXPECT_EQ(read.maps[0]->botCount, 32);
    EXPECT_EQ(read.maps[0]->bots[31].name, "Bot32");
    EXPECT_EQ(read.player.name, "me"); // the bots past the roster were passed over unread

    dir.write("b.vkn", "1\r\nq3dm1\r\n 1\r\n 0\r\n 20\r\n 258\r\n  A\r\n   1\r\n   \r\n"
                       "  B\r\n   2\r\n   \r\nme\r\n\r\n\r\n0\r\n\r\n");
    SetupReadResult low;
    loadSetupFile(dir.file("b.vkn"), catalogue, low);
    EXPECT_EQ(low.maps[0]->botCount, 2); // 258 keeps its low 8 bits
}

TEST(SetupFile, ConversionErrorKeepsOnlyTheEntriesReadCompletely) {
    TempFolder dir;
    const auto catalogue = catalogueOf({"q3dm1.bsp", "q3dm2.bsp"});
    dir.write("a.vkn", ";info\r\n2\r\nq3dm1\r\n 1\r\n 0\r\n 20\r\n 0\r\n"
                       "q3dm2\r\n 1\r\n 0\r\n 20\r\n 1\r\n  Brute\r\n   hard\r\n   \r\n");
    SetupReadResult read;
    try {
        loadSetupFile(dir.file("a.vkn"), catalogue, read);
        FAIL();
    } catch (const ConvertError& e) {
        EXPECT_EQ(e.what(), dir.file("a.vkn") + ", line 14: 'hard' is not a valid integer value");
    }
    EXPECT_EQ(read.info, std::vector<std::string>{"info"});
    ASSERT_EQ(read.maps.size(), 1u);
    EXPECT_EQ(read.maps[0]->name, "q3dm1");
    EXPECT_FALSE(read.playerLinesRead);
}

TEST(SetupFile, BrokenFilesRaiseTheirErrors) {
    TempFolder dir;
    SetupReadResult read;
    EXPECT_THROW(loadSetupFile(dir.file("none.vkn"), {}, read), FileOpenError);
    dir.write("empty.vkn", "");
    EXPECT_THROW(loadSetupFile(dir.file("empty.vkn"), {}, read), ConvertError);
    dir.write("ping.vkn", "0\r\nme\r\nsarge\r\nblue\r\nfast\r\nmod\r\n");
    EXPECT_THROW(loadSetupFile(dir.file("ping.vkn"), {}, read), ConvertError);
    EXPECT_FALSE(read.playerLinesRead);
    // A count far beyond the file's lines ends in the conversion error, not a long spin.
    dir.write("huge.vkn", "2147483647\r\nq3dm9\r\n");
    EXPECT_THROW(loadSetupFile(dir.file("huge.vkn"), catalogueOf({"q3dm1.bsp"}), read),
                 ConvertError);
}

// Makes writes beyond `bytes` fail (as a full disk would), also for root, while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(SetupFile, FailedSaveLeavesTheOldFile) {
    TempFolder dir;
    saveSetupFile(dir.file("a.vkn"), nullptr, {}, player);
    const std::string old = dir.read("a.vkn");
    const std::vector<std::string> longInfo(2000, std::string(60, 'x'));
    {
        FileSizeLimit limit(4096);
        EXPECT_THROW(saveSetupFile(dir.file("a.vkn"), &longInfo, {}, player), FileCreateError);
    }
    EXPECT_EQ(dir.read("a.vkn"), old);
    try {
        saveSetupFile(dir.file("missing/a.vkn"), nullptr, {}, player);
        FAIL();
    } catch (const FileCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + dir.file("missing/a.vkn"));
    }
}

TEST(SetupFile, PreDefinedSetupNamesAndChosenPaths) {
    TempFolder dir;
    for (const char* name : {"b.vkn", "default.vkn", "DEFAULT.VKN", "A.Vkn", "notes.txt", "x.vk"})
        dir.write(std::string("configs/") + name, "0\r\n");
    dir.makeFolder("configs/folder.vkn");
    EXPECT_EQ(predefinedSetupNames(dir.file("configs")),
              (std::vector<std::string>{"A", "b", "DEFAULT"}));
    EXPECT_TRUE(predefinedSetupNames(dir.file("nowhere/")).empty());
    EXPECT_EQ(setupFileNameFromChosenPath("/home/me/elsewhere/duel.vkn"), "duel.vkn");
    EXPECT_EQ(setupFileNameFromChosenPath("duel.vkn"), "duel.vkn");
}

TEST(SetupFile, PlayerNameWithLeadingBlankSurvivesAnUncataloguedLastEntry) {
    TempFolder dir;
    Rotation maps;
    maps.push_back(entry("gone", 1, 0, 20, {{"Brute", 3, ""}}));
    PlayerLines indented = player;
    indented.name = "  Big Gun";
    saveSetupFile(dir.file("a.vkn"), nullptr, maps, indented);
    SetupReadResult read;
    loadSetupFile(dir.file("a.vkn"), catalogueOf({"q3dm1.bsp"}), read);
    ASSERT_EQ(read.maps.size(), 1u);
    EXPECT_EQ(read.maps[0]->bots[0].name, "Brute");
    EXPECT_EQ(read.player.name, "  Big Gun");
    EXPECT_EQ(read.player.simPing, 40);
}
