#include "support/AppFixture.h"
#include "support/Controls.h"
#include "support/JpegFixture.h"
#include "support/ZipFixtures.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/NetworkPage.h"
#include "ui/network/NewServerGroup.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/search/SearchDriver.h"
#include "ui/search/SearchingWindow.h"
#include "ui/widgets/LevelshotPreview.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

QStringList items(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    return texts;
}

class SearchDriverTest : public AppFixture {
protected:
    TempFolder game;

    SearchDriverTest() {
        app.write("path.txt", game.path() + "\r\n\r\n");
        game.makeFolder("baseq3");
        writeZip(game.file("baseq3/pak0.pk3"),
                 {{"maps/q3dm2.bsp", "m"},
                  {"maps/q3dm1.bsp", "m"},
                  {"levelshots/q3dm2.jpg", encodeJpeg(64, 48)},
                  {"scripts/bots.txt", "{\nname Sarge\n}\n{\nname Anarki\n}\n"},
                  {"models/players/keel/head.md3", "m"},
                  {"models/players/keel/head_default.skin", "s"},
                  {"models/players/keel/head_blue.skin", "s"},
                  {"models/players/brute/head.md3", "m"},
                  {"models/players/brute/head_default.skin", "s"}});
        game.write("arena2/vm/qagame.qvm", "code");
    }

    SearchingWindow& searching() { return window<SearchingWindow>(); }
    QComboBox& maps() { return child<QComboBox>(mainWindow(), "mapCombo"); }
    QProgressBar& bar() { return child<QProgressBar>(searching(), "progressBar"); }
    void findMaps() { child<QPushButton>(mainWindow(), "findMapsButton").click(); }
};

} // namespace

TEST_F(SearchDriverTest, StartUpSearchFillsEveryListAndWritesTheFiles) {
    start();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(items(maps()), (QStringList{"q3dm1", "q3dm2"}));
    EXPECT_EQ(items(child<QComboBox>(mainWindow(), "serverMapCombo")),
              (QStringList{"q3dm1", "q3dm2"}));
    EXPECT_EQ(items(child<QComboBox>(mainWindow(), "botCombo")), (QStringList{"Anarki", "Sarge"}));
    EXPECT_EQ(items(child<QComboBox>(window<PlayerOptionsWindow>(), "modelCombo")),
              (QStringList{"brute", "keel"}));
    EXPECT_EQ(app.read("bots.txt"), "Anarki\r\nSarge\r\n");
    EXPECT_EQ(app.read("models.txt"),
              "brute\r\n default\r\nEND\r\nkeel\r\n default\r\n blue\r\nEND\r\n");
    EXPECT_NE(app.read("maps.txt").find(" " + game.file("baseq3/pak0.pk3") + "\r\n"),
              std::string::npos);
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\narena2\r\n+set fs_game arena2 +sv_pure 0\r\n");
    EXPECT_EQ(child<QComboBox>(window<GameOptionsWindow>(), "modCombo").count(), 2);

    // At start the splash shows instead of the progress window; a map chosen is described and
    // previewed.
    EXPECT_TRUE(searching().isHidden());
    choose(maps(), "q3dm2");
    EXPECT_EQ(child<QLabel>(mainWindow(), "mapInfoLabel").text(), "q3dm2.bsp: ");
    EXPECT_FALSE(child<QLabel>(mainWindow(), "jpegLabel").isHidden());
}

TEST_F(SearchDriverTest, DamagedArchivesAreListedInOneMessageAfterTheSearch) {
    game.write("baseq3/broken.pk3", "not an archive at all");
    game.write("arena2/cut.pk3", rawZip({RawEntry{"maps/cut.bsp", "m"}}).substr(0, 40));
    start();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const std::string& text = dialogs.messages[0];
    EXPECT_EQ(text.rfind("The search found problems in these archives:", 0), 0u) << text;
    EXPECT_NE(text.find(game.file("baseq3/broken.pk3")), std::string::npos) << text;
    EXPECT_NE(text.find(game.file("arena2/cut.pk3")), std::string::npos) << text;
    EXPECT_EQ(maps().count(), 2); // the good archive was still read
    EXPECT_TRUE(searching().isHidden());
}

TEST_F(SearchDriverTest, FindUsesTheSetupsModelAndSkin) {
    start();
    session->setup.modelNameFromSetup = "keel";
    session->setup.skinNameFromSetup = "blue";
    findMaps();
    EXPECT_EQ(child<QComboBox>(window<PlayerOptionsWindow>(), "modelCombo").currentText(), "keel");
    EXPECT_EQ(child<QComboBox>(window<PlayerOptionsWindow>(), "skinCombo").currentText(), "blue");
}

TEST_F(SearchDriverTest, WindowBlocksInputAndASecondSearchIsRefused) {
    start();
    bool ran = false, modal = false, stillSearching = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        modal = QApplication::activeModalWidget() == &searching() &&
                searching().windowModality() == Qt::ApplicationModal;
        findMaps();
        // A second search would have run to its end and taken the window down.
        stillSearching = !searching().isHidden();
    });
    findMaps();
    ASSERT_TRUE(ran) << "the search never let the event loop run";
    EXPECT_TRUE(modal);
    EXPECT_TRUE(stillSearching);
    EXPECT_TRUE(searching().isHidden());
}

TEST_F(SearchDriverTest, FailedSearchTakesTheWindowDownAndShowsTheError) {
    start();
    writeZip(game.file("baseq3/more.pk3"), {{"maps/q3dm3.bsp", "m"}});
    std::filesystem::remove(app.file("maps.txt"));
    app.makeFolder("maps.txt"); // cannot be replaced by a file
    bar().setValue(0);
    findMaps();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Cannot create file " + app.file("maps.txt"));
    EXPECT_TRUE(searching().isHidden());
    EXPECT_EQ(bar().value(), SearchingWindow::ProgressMaximum);
    // The lists still match the catalogue, which took in the new map.
    EXPECT_EQ(items(maps()), (QStringList{"q3dm1", "q3dm2", "q3dm3"}));

    // The next search runs again.
    std::filesystem::remove(app.file("maps.txt"));
    findMaps();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(app.read("maps.txt").find("q3dm3.bsp"), std::string::npos);
}
