#include "core/images/TgaBytes.h"
#include "support/Controls.h"
#include "support/JpegFixture.h"
#include "support/RecordingDialogs.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"
#include "ui/widgets/LevelshotPreview.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// A 2 by 1 true-color TGA: one blue and one red pixel.
std::string smallTga() {
    TgaHeaderFields fields;
    fields.width = 2;
    return tgaHeader(fields) + bytes({255, 0, 0, 0, 0, 255});
}

class LevelshotPreviewTest : public ::testing::Test {
protected:
    TempFolder folder;
    RecordingDialogs dialogs;
    LevelshotPreview preview;
    MapFile map;

    LevelshotPreviewTest() {
        map.archivePath = writeZip(folder.file("maps.pk3"),
                                   {{"levelshots/wide.jpg", encodeJpeg(200, 50)},
                                    {"levelshots/tga.tga", smallTga()},
                                    {"levelshots/broken.jpg", "\xFF\xD8 not really a jpeg"},
                                    {"levelshots/broken2.tga", std::string("\0\0\2", 3)},
                                    {"levelshots/both.jpg", "\xFF\xD8 damaged"},
                                    {"levelshots/both.tga", smallTga()}});
    }

    QLabel& jpeg() { return child<QLabel>(preview, "jpegLabel"); }
    TgaView& tga() { return child<TgaView>(preview, "tgaView"); }
    bool jpegShown() { return !jpeg().isHidden(); }
    bool tgaShown() { return !tga().isHidden(); }
};

} // namespace

TEST_F(LevelshotPreviewTest, JpegAndTgaShowInTheirOwnControl) {
    EXPECT_FALSE(jpegShown() || tgaShown());

    preview.preview(map, "wide");
    EXPECT_TRUE(jpegShown());
    EXPECT_FALSE(tgaShown());
    preview.show();
    preview.resize(128, 128);
    EXPECT_EQ(jpeg().pixmap().size(), QSize(128, 32)); // its own proportions, 4 to 1
    preview.resize(400, 300);
    EXPECT_EQ(jpeg().pixmap().size(), QSize(400, 100)) << "it grows with the preview";

    EXPECT_EQ(jpeg().accessibleDescription(), "Levelshot of wide") << "read aloud as well";

    preview.preview(map, "tga");
    EXPECT_TRUE(tgaShown());
    EXPECT_FALSE(jpegShown());
    EXPECT_EQ(tga().tga().width(), 2);
    EXPECT_EQ(preview.accessibleDescription(), "Levelshot of tga");

    preview.preview(map, "wide");
    EXPECT_TRUE(jpegShown());
    EXPECT_FALSE(tgaShown());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LevelshotPreviewTest, MissingOrUndecodableLevelshotsShowNothingWithoutAMessage) {
    MapFile elsewhere;
    elsewhere.archivePath = folder.file("gone.pk3");
    MapFile notArchived; // named by an arena text only
    folder.write("damaged.pk3", "PK damaged");
    MapFile damaged;
    damaged.archivePath = folder.file("damaged.pk3");

    const std::pair<const MapFile*, std::string> cases[] = {
        {&map, "none"},       {&map, "broken"},       {&map, "broken2"},
        {&elsewhere, "wide"}, {&notArchived, "wide"}, {&damaged, "wide"}};
    for (const auto& [entry, name] : cases) {
        preview.preview(map, "wide"); // something shown before
        preview.preview(*entry, name);
        EXPECT_FALSE(jpegShown()) << name;
        EXPECT_FALSE(tgaShown()) << name;
        EXPECT_EQ(preview.accessibleDescription().toStdString(), "No levelshot of " + name);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LevelshotPreviewTest, DamagedJpegGivesWayToTheTgaLevelshot) {
    preview.preview(map, "both");
    EXPECT_TRUE(tgaShown());
    EXPECT_FALSE(jpegShown());
}

// However large the stored picture, the preview keeps it at most LargestShown on a side; the
// pictures it keeps for maps chosen again follow an archive that changed under the same name.
TEST_F(LevelshotPreviewTest, KeepsLargePicturesSmallAndFollowsAChangedArchive) {
    MapFile big;
    big.archivePath =
        writeZip(folder.file("big.pk3"), {{"levelshots/big.jpg", encodeJpeg(4000, 2000)}});
    preview.show();
    preview.resize(400, 400);
    preview.preview(big, "big");
    EXPECT_EQ(jpeg().pixmap().size(), QSize(400, 200));

    preview.preview(map, "wide");
    EXPECT_EQ(jpeg().pixmap().size(), QSize(400, 100));
    writeZip(map.archivePath, {{"levelshots/wide.jpg", encodeJpeg(100, 100)}});
    std::filesystem::last_write_time(
        map.archivePath, std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
    preview.preview(map, "wide");
    EXPECT_EQ(jpeg().pixmap().size(), QSize(400, 400)) << "the new picture, not the one kept";
    const auto kept = std::filesystem::last_write_time(map.archivePath);
    writeZip(map.archivePath, {{"levelshots/wide.jpg", encodeJpeg(400, 100)}});
    std::filesystem::last_write_time(map.archivePath, kept);
    preview.preview(map, "wide");
    EXPECT_EQ(jpeg().pixmap().size(), QSize(400, 100)) << "an archive of another size";

    // A run-length TGA of 6000 x 3000 grey pixels, as 128-pixel runs.
    std::string runs = tgaHeader({.imageType = 10, .width = 6000, .height = 3000});
    for (int run = 0; run < 6000 * 3000 / 128; ++run)
        runs += bytes({0xFF, 90, 90, 90});
    big.archivePath = writeZip(folder.file("bigtga.pk3"), {{"levelshots/big.tga", runs}});
    preview.preview(big, "big");
    EXPECT_EQ(QSize(tga().tga().width(), tga().tga().height()), QSize(1000, 500));
}
