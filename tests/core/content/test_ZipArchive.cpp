#include "core/content/ZipArchive.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

std::vector<std::string> listedNames(const ZipArchive& zip) {
    std::vector<std::string> names;
    for (const auto& entry : zip.entries())
        names.push_back(entry.fileName);
    return names;
}

struct ZipArchiveTest : ::testing::Test {
    TempFolder folder;
    MessageLog log;
    ZipArchive zip{log.handler()};
};

} // namespace

TEST_F(ZipArchiveTest, ListsNamesInDirectoryOrderWithBackslashes) {
    writeZip(folder.file("a.pk3"),
             {{"maps/gorge1.bsp", "x"}, {"models/players/", ""}, {"scripts/a.arena", "y"}});
    zip.setZipFilename(folder.file("a.pk3"));
    EXPECT_EQ(listedNames(zip), (std::vector<std::string>{"maps\\gorge1.bsp", "models\\players\\",
                                                          "scripts\\a.arena"}));
    EXPECT_EQ(zip.entryCount(), 3);
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(ZipArchiveTest, FindsTheEndRecordBehindCommentsOfAnyLength) {
    for (const std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{65535}}) {
        RawZipParts parts;
        parts.comment = std::string(length, 'c');
        folder.write("c.pk3", rawZip({{"maps/a.bsp", "data"}}, parts));
        zip.setZipFilename(folder.file("c.pk3"));
        EXPECT_EQ(listedNames(zip), std::vector<std::string>{"maps\\a.bsp"}) << length;
    }
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(ZipArchiveTest, DataInFrontIsReportedAndEntriesStillRead) {
    RawZipParts parts;
    parts.prefix = std::string(3000, '\x90'); // a self-extracting program
    folder.write("sfx.pk3", rawZip({{"scripts/bots.txt", "name Brute"}}, parts));
    zip.setZipFilename(folder.file("sfx.pk3"));
    ASSERT_EQ(log.numbers(), std::vector<int>{10203});
    EXPECT_NE(log.messages[0].text.find("3000"), std::string::npos);
    EXPECT_EQ(zip.readEntryNamed("scripts\\bots.txt", 100), "name Brute");
}

TEST_F(ZipArchiveTest, DataAfterTheEndRecordWarnsUnlessItIsBlockPadding) {
    const std::string plain = rawZip({{"a.txt", "a"}});
    RawZipParts padded;
    padded.trailer = std::string(512 - plain.size() % 512, '\0');
    folder.write("padded.pk3", rawZip({{"a.txt", "a"}}, padded));
    zip.setZipFilename(folder.file("padded.pk3"));
    EXPECT_TRUE(log.messages.empty());

    RawZipParts garbage;
    garbage.trailer = "junk";
    folder.write("junk.pk3", rawZip({{"a.txt", "a"}}, garbage));
    zip.setZipFilename(folder.file("junk.pk3"));
    EXPECT_EQ(log.numbers(), std::vector<int>{10204});
    EXPECT_EQ(zip.entryCount(), 1);
}

TEST_F(ZipArchiveTest, NonZipGivesMessageNamingTheFileAndNoEntries) {
    const std::string path = folder.write("fake.pk3", std::string(5000, 'x'));
    zip.setZipFilename(path);
    ASSERT_EQ(log.numbers(), std::vector<int>{11036});
    EXPECT_EQ(log.messages[0].text,
              "11036: " + path + " is not a zip archive (no end of central directory record).");
    EXPECT_EQ(zip.entryCount(), 0);
    EXPECT_EQ(zip.zipFilename(), "");

    zip.setZipFilename(folder.write("tiny.pk3", "PK"));
    EXPECT_EQ(log.numbers().back(), 11036);
}

TEST_F(ZipArchiveTest, MissingFileListsNothingSilently) {
    zip.setZipFilename(folder.file("none.pk3"));
    EXPECT_EQ(zip.entryCount(), 0);
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(ZipArchiveTest, DamagedDirectoriesGiveTheirNumbers) {
    const std::string good = rawZip({{"maps/a.bsp", "abc"}, {"maps/b.bsp", "def"}});
    const std::size_t directory = good.find("PK\x01\x02");

    std::string badSignature = good;
    badSignature[directory + 2] = 'X';
    zip.setZipFilename(folder.write("sig.pk3", badSignature));
    EXPECT_EQ(log.numbers().back(), 11015);

    // An end record that claims more entries than the directory holds.
    std::string tooMany = good;
    const std::size_t end = good.rfind("PK\x05\x06");
    tooMany[end + 8] = tooMany[end + 10] = 3;
    zip.setZipFilename(folder.write("many.pk3", tooMany));
    EXPECT_EQ(log.numbers().back(), 11013); // the file ends within entry 3

    // A name running past the end of the file.
    std::string longName = good;
    longName[good.rfind("PK\x01\x02") + 28] = 100;
    zip.setZipFilename(folder.write("name.pk3", longName));
    EXPECT_EQ(log.numbers().back(), 11017);

    // A directory larger than the space in front of the end record.
    std::string outside = good;
    outside[end + 15] = 0x7F;
    zip.setZipFilename(folder.write("outside.pk3", outside));
    EXPECT_EQ(log.numbers().back(), 10201);
    EXPECT_EQ(zip.entryCount(), 0);
}

TEST_F(ZipArchiveTest, OemNamesFromDosHostsBecomeUtf8) {
    folder.write("dos.pk3", rawZip({{"maps/\x81"
                                     "ber.bsp",
                                     "a", 0}, // MS-DOS: cp437 0x81 is u-umlaut
                                    {"maps/\x81"
                                     "ber2.bsp",
                                     "b", 0, 20, 0x0800}, // flagged as UTF-8: kept
                                    {"maps/\xc3\xbc"
                                     "ber3.bsp",
                                     "c", 3},                          // Unix: kept
                                    {"maps/\x9a.bsp", "d", 11, 50}})); // early NTFS: cp437
    zip.setZipFilename(folder.file("dos.pk3"));
    EXPECT_EQ(listedNames(zip), (std::vector<std::string>{"maps\\\xc3\xbc"
                                                          "ber.bsp",
                                                          "maps\\\x81"
                                                          "ber2.bsp",
                                                          "maps\\\xc3\xbc"
                                                          "ber3.bsp",
                                                          "maps\\\xc3\x9c.bsp"}));
}

TEST_F(ZipArchiveTest, ReadsEntriesAndReportsUnreadableOnes) {
    writeZip(folder.file("r.pk3"),
             {{"scripts/a.arena", "arena text"}, {"big.txt", std::string(200000, 'z')}});
    zip.setZipFilename(folder.file("r.pk3"));
    EXPECT_EQ(zip.readEntryNamed("scripts\\a.arena", 1024), "arena text");
    EXPECT_EQ(zip.readEntryAt(0, 1024), "arena text");
    EXPECT_TRUE(log.messages.empty());

    EXPECT_FALSE(zip.readEntryNamed("big.txt", 1000));
    EXPECT_NE(log.messages.back().text.find("larger than"), std::string::npos);
    EXPECT_FALSE(zip.readEntryNamed("scripts/a.arena", 1024)); // listed names use "\"
    EXPECT_EQ(log.messages.back().number, 10501);
}

TEST_F(ZipArchiveTest, ALyingSizeDoesNotLetMoreThanTheLimitIn) {
    // Ten megabytes of zeros deflate to a few kilobytes; the directory claims 10 bytes.
    writeZip(folder.file("bomb.pk3"), {{"bomb.txt", std::string(10 << 20, '\0')}});
    std::string bytes = folder.read("bomb.pk3");
    const std::size_t header = bytes.find("PK\x01\x02");
    bytes.replace(header + 24, 4, std::string("\x0a\0\0\0", 4));
    zip.setZipFilename(folder.write("bomb.pk3", bytes));
    EXPECT_FALSE(zip.readEntryNamed("bomb.txt", 1 << 20));
    ASSERT_EQ(log.numbers(), std::vector<int>{10501});
}

TEST_F(ZipArchiveTest, CorruptDataIsReportedNotReturned) {
    folder.write("crc.pk3", rawZip({{"a.bot", "name Brute", 3, 20, 0, true}}));
    zip.setZipFilename(folder.file("crc.pk3"));
    EXPECT_FALSE(zip.readEntryNamed("a.bot", 1000));
    ASSERT_EQ(log.numbers(), std::vector<int>{10501});
    EXPECT_NE(log.messages[0].text.find("CRC"), std::string::npos);

    // Deflated data overwritten in the middle.
    std::string random;
    for (int i = 0; i < 20000; ++i)
        random += static_cast<char>((i * 7919) % 251);
    writeZip(folder.file("bad.pk3"), {{"t.txt", random}});
    std::string bytes = folder.read("bad.pk3");
    for (std::size_t i = 200; i < 400; ++i)
        bytes[i] = static_cast<char>(0xFF);
    zip.setZipFilename(folder.write("bad.pk3", bytes));
    EXPECT_FALSE(zip.readEntryNamed("t.txt", 1 << 20));
    EXPECT_EQ(log.numbers().back(), 10501);
}

TEST_F(ZipArchiveTest, EntriesAreReadFromTheArchiveAsListedEvenIfItIsReplaced) {
    writeZip(folder.file("a.pk3"), {{"a.txt", "first"}});
    zip.setZipFilename(folder.file("a.pk3"));
    std::remove(folder.file("a.pk3").c_str());
    writeZip(folder.file("a.pk3"), {{"b.txt", "other"}, {"a.txt", "second, longer"}});
    EXPECT_EQ(zip.readEntryNamed("a.txt", 100), "first");
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(ZipArchiveTest, ALongDirectoryIsListedWholeThroughTheOneOpenFile) {
    EntryList entries;
    for (int k = 0; k < 700; ++k)
        entries.push_back({"textures/pack/wall_" + std::to_string(k) + ".tga", "t"});
    entries.push_back({"scripts/last.arena", "last"});
    zip.setZipFilename(writeZip(folder.file("long.pk3"), entries));
    ASSERT_EQ(zip.entryCount(), 701);
    EXPECT_EQ(zip.readEntryAt(700, 100), "last");
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(ZipArchiveTest, EntriesTheGameCannotReadEitherAreRefusedWithTheReason) {
    std::string bytes = rawZip({{"a.bot", "name Brute", 3, 20, 0x0001}, {"b.bot", "name Anvil"}});
    const std::size_t second = bytes.find("PK\x01\x02", bytes.find("PK\x01\x02") + 4);
    bytes[second + 10] = 12; // bzip2
    zip.setZipFilename(folder.write("c.pk3", bytes));
    EXPECT_FALSE(zip.readEntryAt(0, 100));
    EXPECT_FALSE(zip.readEntryAt(1, 100));
    ASSERT_EQ(log.messages.size(), 2u);
    EXPECT_NE(log.messages[0].text.find("encrypted"), std::string::npos);
    EXPECT_NE(log.messages[1].text.find("compression method 12"), std::string::npos);
}
