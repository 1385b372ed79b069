#include "core/platform/Errors.h"
#include "core/platform/TextFile.h"
#include "support/TempFolder.h"
#include "support/ThrownMessage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace velkarn;
using velkarn::test::TempFolder;

TEST(TextFile, SplitsAtCrLfLoneCrAndLoneLf) {
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("\n"), (Lines{""}));
    EXPECT_TRUE(splitLines("").empty());
    // CR then LF across two breaks: "\n\r" is two line ends.
    EXPECT_EQ(splitLines("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(TextFile, LinePastTheEndReadsEmpty) {
    const Lines lines{"one"};
    EXPECT_EQ(lineAt(lines, 0), "one");
    EXPECT_EQ(lineAt(lines, 1), "");
    EXPECT_EQ(lineAt(lines, 1000), "");
}

TEST(TextFile, WritesCrLfAfterEveryLineAndReadsBack) {
    TempFolder dir;
    writeTextFile(dir.file("f.txt"), {"x", "", "y"});
    EXPECT_EQ(dir.read("f.txt"), "x\r\n\r\ny\r\n");
    EXPECT_EQ(readTextFile(dir.file("f.txt")), (Lines{"x", "", "y"}));
    writeTextFile(dir.file("empty.txt"), {});
    EXPECT_EQ(dir.read("empty.txt"), "");
}

TEST(TextFile, MissingFileRaisesOpenErrorWithItsName) {
    TempFolder dir;
    try {
        readTextFile(dir.file("nope.txt"));
        FAIL();
    } catch (const FileOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.file("nope.txt"));
    }
    EXPECT_THROW(readTextFile(dir.path()), FileOpenError); // a folder is no file

    // Nor is a file larger than any list file; it is refused before it is read.
    const std::string huge = dir.write("huge.txt", "");
    ASSERT_EQ(::truncate(huge.c_str(), MaxTextFileBytes + 1), 0);
    EXPECT_THROW(readTextFile(huge), FileOpenError);

    // A named pipe would block the reading for ever: refused at once.
    ASSERT_EQ(::mkfifo(dir.file("pipe.vkn").c_str(), 0600), 0);
    EXPECT_EQ(thrownMessage([&] { readTextFile(dir.file("pipe.vkn")); }),
              "Cannot open file " + dir.file("pipe.vkn") + ": it is not a regular file");
}

TEST(TextFile, FailedWriteLeavesOldFileAndNoTemporary) {
    TempFolder dir;
    writeTextFile(dir.file("keep.txt"), {"old"});
    ::chmod(dir.file("keep.txt").c_str(), 0444);
    if (::geteuid() != 0) {
        EXPECT_THROW(writeTextFile(dir.file("keep.txt"), {"new"}), FileCreateError);
        EXPECT_EQ(dir.read("keep.txt"), "old\r\n");
    }
    // A missing folder: the create error names the file, or the I/O error says "Invalid filename".
    try {
        writeTextFile(dir.file("missing/f.txt"), {"x"});
        FAIL();
    } catch (const FileCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + dir.file("missing/f.txt"));
    }
    try {
        writeTextFile(dir.file("missing/f.txt"), {"x"}, WriteErrorKind::InOut);
        FAIL();
    } catch (const InOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Invalid filename");
    }
}

TEST(TextFile, ReadOnlyFileIsProtectedFromReplacement) {
    TempFolder dir;
    writeTextFile(dir.file("ro.cfg"), {"old"});
    ::chmod(dir.file("ro.cfg").c_str(), 0444);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write anything";
    try {
        writeTextFile(dir.file("ro.cfg"), {"new"}, WriteErrorKind::InOut);
        FAIL();
    } catch (const InOutError& e) {
        EXPECT_EQ(std::string(e.what()), "File access denied");
    }
    EXPECT_EQ(dir.read("ro.cfg"), "old\r\n");
}

TEST(Errors, TextsAreTheKnownOnes) {
    EXPECT_STREQ(ConvertError("x1").what(), "'x1' is not a valid integer value");
    EXPECT_STREQ(ListIndexError(-1).what(), "List index out of bounds (-1)");
    EXPECT_STREQ(InOutError(InOutError::DiskFull).what(), "Disk full");
    EXPECT_STREQ(InOutError(InOutError::AccessDenied).what(), "File access denied");
    EXPECT_STREQ(InOutError(77).what(), "I/O error 77");
}

TEST(Errors, ToIntTakesWholeNumbersOnly) {
    EXPECT_EQ(toInt("42"), 42);
    EXPECT_EQ(toInt(" -7 "), -7);
    EXPECT_EQ(toInt("+3"), 3);
    EXPECT_THROW(toInt(""), ConvertError);
    EXPECT_THROW(toInt("1.5"), ConvertError);
    EXPECT_THROW(toInt("12abc"), ConvertError);
    EXPECT_THROW(toInt("99999999999"), ConvertError);
}
