#include "core/content/CatalogueFiles.h"
#include "core/content/GameFolderSearch.h"
#include "core/platform/Errors.h"
#include "support/RecordingObserver.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

using namespace velkarn;
using namespace velkarn::test;

namespace {

struct GameFolderSearchTest : ::testing::Test {
    TempFolder temp;
    std::string game = temp.makeFolder("game");
    std::string app = temp.makeFolder("app");
    Catalogue catalogue;
    RecordingObserver observer;

    void archive(const std::string& path, const EntryList& entries) {
        temp.makeFolder(std::filesystem::path("game/" + path).parent_path().string());
        writeZip(game + path, entries, true);
    }
    void search() { rebuildCatalogue(game, app, catalogue, observer); }
    std::vector<std::string> maps() const {
        std::vector<std::string> names;
        for (const auto& map : catalogue.mapFiles)
            names.push_back(map->fileName);
        return names;
    }
};

} // namespace

TEST_F(GameFolderSearchTest, ExtrasFoldersAndCapitalExtensionsAreLeftOut) {
    archive("baseq3/a.pk3", {{"maps/a.bsp", "m"}});
    archive("baseq3/Extras/b.pk3", {{"maps/b.bsp", "m"}});
    archive("mod/deep/Extras/c.pk3", {{"maps/c.bsp", "m"}});
    archive("mod/extras/d.pk3", {{"maps/d.bsp", "m"}});
    archive("baseq3/e.PK3", {{"maps/e.bsp", "m"}});
    archive("baseq3/f.pk3.bak", {{"maps/f.bsp", "m"}});
    temp.write("game/baseq3/g.bsp", "loose");
    search();
    auto found = maps();
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"a.bsp", "d.bsp"}));
}

// As in OpenArena's data: the archive read first holds no map but the arena text that the
// later patch archive, holding the maps, replaces.
TEST_F(GameFolderSearchTest, EverySearchGivesWhatAFirstSearchGivesOpeningOnlyChangedArchives) {
    archive("baseoa/pak0.pk3",
            {{"scripts/arenas.txt", "{\nmap \"oa_dm1\"\nlongname \"Place of Two Deaths\"\n"
                                    "type \"ffa tourney\"\n}\n\n"},
             {"scripts/bots.txt", "{\nname Grism\n}\n"},
             {"models/players/gargoyle/upper.md3", "m"},
             {"models/players/gargoyle/head_default.skin", "s"}});
    archive("baseoa/pak6-patch088.pk3",
            {{"maps/oa_dm1.bsp", "m"},
             {"scripts/arenas.txt", "{\nmap \"oa_dm1\"\nlongname \"Think Twice Or Die\"\n"
                                    "type \"ffa\"\n}\n\n"},
             {"models/players/gargoyle/head_red.skin", "s"}});
    search();
    ASSERT_EQ(maps(), std::vector<std::string>{"oa_dm1.bsp"});
    EXPECT_EQ(catalogue.mapFiles[0]->longName, "Think Twice Or Die");
    const auto files = [&] {
        std::string all;
        for (const char* name : {"maps.txt", "bots.txt", "models.txt"})
            all += temp.read(std::string("app/") + name) + "|";
        return all;
    };
    const auto firstSearchFiles = [&] {
        const std::string fresh = temp.makeFolder("fresh");
        std::filesystem::remove_all(fresh);
        std::filesystem::create_directories(fresh);
        Catalogue empty;
        rebuildCatalogue(game, fresh, empty, observer);
        std::string all;
        for (const char* name : {"maps.txt", "bots.txt", "models.txt"})
            all += temp.read(std::string("fresh/") + name) + "|";
        return all;
    };
    const std::string first = files();
    observer.steps = 0;
    search();
    EXPECT_EQ(observer.steps, 0) << "no archive opened";
    EXPECT_EQ(files(), first);

    // Changed under the same name, then removed: each search equals a first one.
    archive("baseoa/pak0.pk3", {{"scripts/bots.txt", "{\nname Angelyss\n}\n"},
                                {"models/players/gargoyle/head_blue.skin", "s"}});
    search();
    EXPECT_GT(observer.steps, 0);
    EXPECT_EQ(catalogue.botNames, std::vector<std::string>{"Angelyss"});
    EXPECT_EQ(files(), firstSearchFiles());
    // Added between the two in the engine's order: its text wins over pak0's, not pak6's.
    archive("baseoa/pak1-maps.pk3",
            {{"scripts/arenas.txt", "{\nmap \"oa_dm1\"\nlongname \"Between\"\n}\n"},
             {"scripts/bots.txt", "{\nname Kyonshi\n}\n"}});
    search();
    EXPECT_EQ(catalogue.mapFiles[0]->longName, "Think Twice Or Die");
    EXPECT_EQ(catalogue.botNames.size(), 2u);
    EXPECT_EQ(files(), firstSearchFiles());
    std::filesystem::remove(game + "baseoa/pak1-maps.pk3");
    std::filesystem::remove(game + "baseoa/pak6-patch088.pk3");
    search();
    EXPECT_TRUE(catalogue.mapFiles.empty());
    EXPECT_EQ(temp.read("app/archives.cache").find("pak6"), std::string::npos) << "forgotten";
    EXPECT_EQ(files(), firstSearchFiles());
}

TEST_F(GameFolderSearchTest, PurgeDropsTitleOnlyMapsAndSkinlessModels) {
    archive("baseq3/a.pk3", {{"scripts/a.arena", "{\nmap \"ghost\"\n}\n\n{\nmap \"real\"\n}\n"},
                             {"maps/real.bsp", "m"},
                             {"models/players/bare/upper.md3", "m"},
                             {"models/players/dressed/head.md3", "m"},
                             {"models/players/dressed/head_default.skin", "s"}});
    catalogue.addBotName("Keeper"); // read from bots.txt, but no archive has it any more
    search();
    EXPECT_EQ(maps(), std::vector<std::string>{"real.bsp"});
    ASSERT_EQ(catalogue.playerModels.size(), 1u);
    EXPECT_EQ(catalogue.playerModels[0]->name, "dressed");

    Catalogue reread;
    readMapsFile(app + "maps.txt", reread);
    readBotsFile(app + "bots.txt", reread);
    readModelsFile(app + "models.txt", reread);
    ASSERT_EQ(reread.mapFiles.size(), 1u);
    EXPECT_EQ(reread.mapFiles[0]->archivePath, game + "baseq3/a.pk3");
    EXPECT_TRUE(reread.botNames.empty());
    ASSERT_EQ(reread.playerModels.size(), 1u);
    EXPECT_EQ(reread.playerModels[0]->skins[0], "default");
}

TEST_F(GameFolderSearchTest, MissingGameFolderStillWritesTheCatalogue) {
    rebuildCatalogue(temp.path() + "nowhere/", app, catalogue, observer);
    EXPECT_TRUE(std::filesystem::exists(app + "maps.txt"));
    EXPECT_EQ(temp.read("app/models.txt"), "");
    rebuildCatalogue("", app, catalogue, observer); // no game folder set: nothing is walked
    EXPECT_EQ(observer.steps, 0);
    EXPECT_TRUE(observer.messages.empty());
}

TEST_F(GameFolderSearchTest, LinkCyclesAreWalkedOnceAndBrokenArchivesDoNotStopTheSearch) {
    archive("baseq3/a.pk3", {{"maps/a.bsp", "m"}});
    temp.write("game/baseq3/broken.pk3", "not a zip at all");
    std::filesystem::create_directory_symlink(game, game + "baseq3/loop");
    search();
    EXPECT_EQ(maps(), std::vector<std::string>{"a.bsp"});
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_NE(observer.messages[0].find("11036: " + game), std::string::npos);
}

TEST_F(GameFolderSearchTest, CatalogueFileReadOnlyInPartIsRebuiltInFullOnce) {
    archive("baseq3/maps.pk3", {{"maps/q3dm1.bsp", "m"}, {"maps/q3dm2.bsp", "m"}});
    search();
    const std::string whole = temp.read("app/maps.txt");
    // The second record's bot count is damaged: only the first map is read, and its archive
    // would otherwise count as searched.
    std::string damaged = whole;
    damaged.replace(damaged.rfind(" 0\r\n"), 4, " x\r\n");
    temp.write("app/maps.txt", damaged);
    catalogue = Catalogue{};
    EXPECT_THROW(readMapsFile(app + "maps.txt", catalogue), ConvertError);
    ASSERT_EQ(maps().size(), 1u);

    search();
    EXPECT_EQ(maps(), (std::vector<std::string>{"q3dm1.bsp", "q3dm2.bsp"}));
    EXPECT_EQ(temp.read("app/maps.txt"), whole);
    EXPECT_TRUE(observer.messages.empty());
}

// Names that would reach the game's console as commands, or break a catalogue line, stay out.
TEST_F(GameFolderSearchTest, HostileNamesInArchivesNeverEnterTheCatalogue) {
    archive("baseq3/pak0.pk3",
            {{"maps/ok.bsp", "m"},
             {"maps/a\nb.bsp", "m"},
             {"maps/x;quit.bsp", "m"},
             {"models/players/sarge/upper.md3", "m"},
             {"models/players/sarge/head_default.skin", "s"},
             {"models/players/sarge/head_*x.skin", "s"},
             {"models/players/ev*/upper.md3", "m"},
             {"models/players/ev*/head_default.skin", "s"},
             {"scripts/bots.txt", "{\nname Cyber-Garg\n}\n{\nname \"Ann/*x*/echo hello\"\n}\n"},
             {"scripts/arenas.txt", "{\nmap \"ok\"\nlongname \"Fine\x1b[31m\"\n}\n\n"
                                    "{\nmap \"evil//x\"\n}\n"}});
    temp.write("game/baseq3/bad\nname.pk3", "x");
    search();
    EXPECT_EQ(maps(), std::vector<std::string>{"ok.bsp"});
    EXPECT_EQ(catalogue.mapFiles[0]->longName, "Fine?[31m");
    EXPECT_EQ(catalogue.botNames, std::vector<std::string>{"Cyber-Garg"});
    ASSERT_EQ(catalogue.playerModels.size(), 1u);
    EXPECT_EQ(catalogue.playerModels[0]->skinCount, 1);
    EXPECT_EQ(
        observer.messages,
        (std::vector<std::string>{
            game + "baseq3/bad?name.pk3 was passed over: its name holds a control character.",
            "6 names found in the archives were left out of the catalogue: the game's console "
            "cannot take them as they are."}));
    EXPECT_EQ(splitLines(temp.read("app/maps.txt")).size(), 9u);
    const auto firstMessages = observer.messages;
    observer.messages.clear();
    search(); // from the archive cache: the same names refused, the same words
    EXPECT_EQ(observer.messages, firstMessages);
    EXPECT_EQ(catalogue.playerModels[0]->skinCount, 1);
}

// Data folders may be links, as packaged games have them; deeper links only within the game.
TEST_F(GameFolderSearchTest, LinksLeaveTheGameOnlyAsItsDataFoldersAndArchivesGoInTheEnginesOrder) {
    const std::string data = temp.makeFolder("elsewhere/data");
    writeZip(data + "b.pk3", {{"maps/b.bsp", "m"}});
    const std::string other = temp.makeFolder("elsewhere/other");
    writeZip(other + "c.pk3", {{"maps/c.bsp", "m"}});
    std::filesystem::create_directory_symlink(data, game + "baseoa");
    archive("baseq3/B.pk3", {{"maps/b2.bsp", "m"}});
    archive("baseq3/a.pk3", {{"maps/a.bsp", "m"}});
    std::filesystem::create_directory_symlink("/", game + "baseq3/root");
    std::filesystem::create_directory_symlink(other, game + "baseq3/other");
    std::filesystem::create_directory_symlink(data, game + "baseq3/again");
    archive("zmod/m.pk3", {{"maps/m.bsp", "m"}}); // a mod's word on a map gives way to the game's
    EXPECT_EQ(gameArchives({game}),
              (std::vector<std::string>{game + "zmod/m.pk3", game + "baseoa/b.pk3",
                                        game + "baseq3/a.pk3", game + "baseq3/B.pk3"}));
}

// However a catalogue file was cut or damaged, the next search writes exactly what a first search
// into an empty folder writes, on a catalogue of realistic size where later archives retitle the
// maps of earlier ones.
TEST_F(GameFolderSearchTest, DamagedCatalogueIsRebuiltByteForByteAsAFirstSearch) {
    for (int i = 299; i >= 0; --i) {
        const std::string n = std::to_string(1000 + i);
        EntryList entries = {
            {"maps/m" + n + ".bsp", "m"},
            {"scripts/m" + n + ".arena", "{\nmap \"m" + n + "\"\nlongname \"Map " + n +
                                             "\"\ntype \"ffa team\"\n}\n\n{\nmap \"m" +
                                             std::to_string(999 + i) +
                                             "\"\nlongname \"MAP retitled by " + n + "\"\n}\n"},
            {"scripts/bots.txt", "{\nname Bot_" + n + "\n}\n"}};
        if (i % 10 == 0)
            entries.insert(entries.end(), {{"models/players/m" + n + "/upper.md3", "m"},
                                           {"models/players/m" + n + "/head_default.skin", "s"}});
        archive("baseq3/p" + n + ".pk3", entries);
    }
    search();
    ASSERT_EQ(catalogue.mapFiles.size(), 300u);
    const std::string files[] = {"maps.txt", "bots.txt", "models.txt"};
    std::map<std::string, std::string> first;
    for (const auto& file : files)
        first[file] = temp.read("app/" + file);

    const std::string maps = first["maps.txt"];
    const std::size_t third = maps.size() / 3;
    const std::size_t recordLineEnd = maps.find("\r\n", maps.find(" true\r\n", 2 * third)) + 2;
    std::string badNumber = maps;
    badNumber.replace(badNumber.find(" 0\r\n", third), 4, " zero\r\n");
    std::string junk = maps;
    junk.replace(third, 40, std::string(40, '\xff'));
    const std::vector<std::pair<std::string, std::string>> damages = {
        {"maps.txt", maps.substr(0, third)},
        {"maps.txt", maps.substr(0, recordLineEnd)},
        {"maps.txt", badNumber},
        {"maps.txt", junk},
        {"bots.txt", first["bots.txt"].substr(0, 200) + "\r\nAnn/*x\r\n"},
        {"bots.txt", first["bots.txt"].substr(0, first["bots.txt"].find("\r\n", 300) - 5)},
        {"models.txt", first["models.txt"].substr(0, first["models.txt"].size() - 5)},
    };
    for (const auto& [file, damaged] : damages) {
        temp.write("app/" + file, damaged);
        catalogue = Catalogue{};
        using Reader = void (*)(const std::string&, Catalogue&);
        const std::pair<Reader, std::string> readers[] = {
            {readMapsFile, "maps.txt"}, {readBotsFile, "bots.txt"}, {readModelsFile, "models.txt"}};
        for (const auto& [read, name] : readers)
            try {
                read(app + name, catalogue);
            } catch (const Error&) {
            }
        EXPECT_TRUE(catalogue.needsRebuild) << file;
        search();
        for (const auto& name : files)
            EXPECT_EQ(temp.read("app/" + name), first[name]) << file << " damaged, " << name;
    }
}

// The archive cache cut by a crash, cut at a line end or holding junk is said once with its line,
// and every archive is read again.
TEST_F(GameFolderSearchTest, DamagedArchiveCacheIsSaidOnceAndEveryArchiveReadAgain) {
    archive("baseq3/a.pk3", {{"maps/a.bsp", "m"},
                             {"scripts/a.arena", "{\nmap \"a\"\nlongname \"Arena A\"\n}\n\n"}});
    archive("baseq3/b.pk3", {{"scripts/bots.txt", "{\nname Brute\n}\n"}});
    search();
    const std::string maps = temp.read("app/maps.txt");
    const std::string cache = temp.read("app/archives.cache");
    std::string badNumber = cache;
    badNumber.replace(badNumber.find("\t0\t"), 3, "\tx\t");
    const std::string damages[] = {cache.substr(0, cache.size() / 2),
                                   cache.substr(0, cache.rfind("end\t")), badNumber,
                                   cache + "junk\n"};
    for (const auto& damaged : damages) {
        temp.write("app/archives.cache", damaged);
        observer.messages.clear();
        observer.steps = 0;
        search();
        ASSERT_EQ(observer.messages.size(), 1u) << damaged;
        EXPECT_EQ(observer.messages[0].rfind(app + "archives.cache, line ", 0), 0u)
            << observer.messages[0];
        EXPECT_EQ(observer.steps, 2);
        EXPECT_EQ(temp.read("app/maps.txt"), maps);
        EXPECT_EQ(temp.read("app/archives.cache"), cache);
        observer.messages.clear();
        search();
        EXPECT_TRUE(observer.messages.empty()) << "said once";
    }
}

// An archive rewritten in place within the same second, replaced by another file of the same
// size and time, or grown in place at the same time, is read again: its size, its time to the
// nanosecond and its file each tell it changed.
TEST_F(GameFolderSearchTest, AnArchiveChangedInAnyPartOfItsKeyIsReadAgain) {
    const std::string path = game + "baseq3/a.pk3";
    const auto zipBytes = [&](const std::string& bot) {
        writeZip(temp.file("made.pk3"), {{"scripts/bots.txt", "{\nname " + bot + "\n}\n"}}, true);
        return temp.read("made.pk3");
    };
    const auto at = [&](std::chrono::milliseconds ms) {
        const auto now = std::filesystem::file_time_type::clock::now();
        std::filesystem::last_write_time(path, std::chrono::floor<std::chrono::seconds>(now) + ms);
    };
    const auto overwrite = [&](const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes; // the same file
    };
    archive("baseq3/a.pk3", {{"scripts/bots.txt", "{\nname Aaaa\n}\n"}});
    at(std::chrono::milliseconds(200));
    search();
    const auto kept = std::filesystem::last_write_time(path);

    overwrite(zipBytes("Bbbb"));
    std::filesystem::last_write_time(path, kept + std::chrono::milliseconds(1));
    search();
    EXPECT_EQ(catalogue.botNames, std::vector<std::string>{"Bbbb"}) << "the time's fraction";

    const auto second = std::filesystem::last_write_time(path);
    temp.write("other.pk3", zipBytes("Cccc"));
    std::filesystem::last_write_time(temp.file("other.pk3"), second);
    std::filesystem::rename(temp.file("other.pk3"), path);
    search();
    EXPECT_EQ(catalogue.botNames, std::vector<std::string>{"Cccc"}) << "another file";

    overwrite(zipBytes("Ddddd"));
    std::filesystem::last_write_time(path, second);
    search();
    EXPECT_EQ(catalogue.botNames, std::vector<std::string>{"Ddddd"}) << "the size";
}
