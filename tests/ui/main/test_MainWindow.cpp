#include "core/platform/FileSystem.h"
#include "support/AppFixture.h"
#include "support/GameFolder.h"
#include "support/ZipFixtures.h"
#include "ui/main/AboutWindow.h"
#include "ui/main/BeginPage.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/Forms.h"
#include "ui/main/MainWindow.h"
#include "ui/main/NetworkPage.h"
#include "ui/main/SimplePage.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/search/SearchingWindow.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class MainWindowTest : public AppFixture {
protected:
    void go(int item) {
        main().beginPage->rgConfigType->setItemIndex(item);
        main().butGoClick();
    }
};

} // namespace

TEST_F(MainWindowTest, TenWindowsExistOnceWithTheirCaptions) {
    windows = std::make_unique<FormSet>(app.path(), 1);
    const Forms& f = forms();
    EXPECT_EQ(f.fmMain->windowTitle(), "Velkarn");
    EXPECT_EQ(f.fmMain->centralWidget()->size(), QSize(750, 567));
    EXPECT_EQ(f.fmGameOptions->windowTitle(), "Game Options");
    EXPECT_NE(f.fmChooseExePath, nullptr);
    EXPECT_NE(f.fmModEdit, nullptr);
    EXPECT_NE(f.fmPlayerOptions, nullptr);
    EXPECT_NE(f.fmSearching, nullptr);
    EXPECT_NE(f.fmSplash, nullptr);
    EXPECT_EQ(f.fmAbout->windowTitle(), "About Velkarn...");
    EXPECT_NE(f.fmTestReport, nullptr);
    EXPECT_NE(f.fmConfigInfo, nullptr);
    EXPECT_EQ(main().PageControl->currentWidget(), main().tabBegin);
    EXPECT_EQ(main().beginPage->rgConfigType->itemIndex(), 0);
}

TEST_F(MainWindowTest, FirstStartAsksForTheGameFolderAfterTheSplash) {
    bool findModsDisabledWhileAsked = false;
    dialogs.onModal = [&](QDialog& window) {
        if (window.objectName() == "fmGameOptions")
            findModsDisabledWhileAsked = !forms().fmGameOptions->butFindMods->isEnabled();
    };
    start();
    EXPECT_EQ(dialogs.modalWindows, (std::vector<std::string>{"fmSplash", "fmGameOptions"}));
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0], "Please set Quake III Arena executable path...");
    EXPECT_TRUE(findModsDisabledWhileAsked);
    EXPECT_TRUE(forms().fmGameOptions->butFindMods->isEnabled());
    EXPECT_TRUE(folderExists(app.file("configs")));

    EXPECT_TRUE(closeMain());
    EXPECT_TRUE(fileExists(app.file("servers.txt")));
    EXPECT_EQ(app.read("servers.txt"), "");
}

TEST_F(MainWindowTest, PathFileFillsTheGameOptionsWithoutAsking) {
    app.write("path.txt", "/games/q3/\r\n+set fs_debug 1\r\n");
    start();
    EXPECT_EQ(dialogs.modalWindows, (std::vector<std::string>{"fmSplash"}));
    EXPECT_EQ(forms().fmGameOptions->edExePath->text(), "/games/q3/");
    EXPECT_EQ(forms().fmGameOptions->edCommandLine->text(), "+set fs_debug 1");
    const BotsGroup& bots = *main().complexPage->gbBots;
    EXPECT_EQ(bots.cbTeam->currentText(), "Blue");
    EXPECT_FALSE(bots.cbTeam->isEnabled());
}

TEST_F(MainWindowTest, BrokenMapsFileKeepsTheServerListAtClose) {
    app.write("path.txt", "/games/q3/\r\n\r\n");
    app.write("maps.txt", "a.bsp\r\n /p.pk3\r\n t\r\n lots\r\n");
    const std::string servers = "Home\r\n 127.0.0.1\r\n pw\r\nWork\r\n host:27961\r\n \r\n";
    app.write("servers.txt", servers);
    start();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"'lots' is not a valid integer value"}));
    EXPECT_EQ(main().model.ServerList.size(), 2u);
    EXPECT_TRUE(closeMain());
    EXPECT_EQ(app.read("servers.txt"), servers);
}

TEST_F(MainWindowTest, UnreadableServerListIsNotOverwrittenAtClose) {
    app.write("path.txt", "/games/q3/\r\n");
    app.makeFolder("servers.txt");
    start();
    EXPECT_TRUE(closeMain());
    EXPECT_TRUE(folderExists(app.file("servers.txt")));
}

TEST_F(MainWindowTest, ExitLeavesWithoutWriting) {
    app.write("path.txt", "/games/q3/\r\n");
    app.write("servers.txt", "Old\r\n a\r\n b\r\n");
    start();
    bool quit = false;
    main().quitEventLoop = [&] { quit = true; };
    main().model.ServerList.clear();
    main().Exit1->trigger();
    EXPECT_TRUE(quit);
    EXPECT_EQ(app.read("servers.txt"), "Old\r\n a\r\n b\r\n");
}

TEST_F(MainWindowTest, GoLeadsToThePageAndGroupOfTheChoice) {
    app.write("path.txt", "/games/q3/\r\n");
    start();
    SimplePage& simple = *main().simplePage;
    NetworkPage& network = *main().networkPage;

    go(BeginPage::SetupSimple);
    EXPECT_EQ(main().PageControl->currentWidget(), main().tabSimple);
    EXPECT_TRUE(simple.gbSetupNew->isVisibleTo(&simple));
    EXPECT_FALSE(simple.gbPreDefined->isVisibleTo(&simple));
    main().butSimpleBackClick();
    EXPECT_EQ(main().PageControl->currentWidget(), main().tabBegin);

    // Pre-Defined after Setup Simple hides the simple setup group again.
    go(BeginPage::PreDefined);
    EXPECT_FALSE(simple.gbSetupNew->isVisibleTo(&simple));
    EXPECT_TRUE(simple.gbPreDefined->isVisibleTo(&simple));
    EXPECT_TRUE(simple.memPreDefinedInfo->isVisibleTo(&simple));

    go(BeginPage::SetupComplex);
    EXPECT_EQ(main().PageControl->currentWidget(), main().tabComplex);

    go(BeginPage::CreateNetwork);
    EXPECT_EQ(main().PageControl->currentWidget(), main().tabNetwork);
    EXPECT_TRUE(network.gbNewServer->isVisibleTo(&network));
    EXPECT_FALSE(network.gbServers->isVisibleTo(&network));
    network.butNetworkBack->click();
    EXPECT_EQ(main().PageControl->currentWidget(), main().tabBegin);
    go(BeginPage::JoinNetwork);
    EXPECT_TRUE(network.gbServers->isVisibleTo(&network));
    EXPECT_FALSE(network.gbNewServer->isVisibleTo(&network));
    EXPECT_EQ(main().beginPage->rgConfigType->itemIndex(), BeginPage::JoinNetwork);
}

TEST_F(MainWindowTest, AboutTwiceShowsTheSameWindowOnce) {
    app.write("path.txt", "/games/q3/\r\n");
    start();
    main().About1->trigger();
    main().About1->trigger();
    EXPECT_TRUE(forms().fmAbout->isVisible());
    EXPECT_EQ(forms().fmAbout->findChildren<TLegacy*>().size(), 1);
    EXPECT_EQ(forms().fmAbout->lgAddress->text(), "Get new version!");
    EXPECT_EQ(forms().fmAbout->lgAddress->target(), VELKARN_NEW_VERSION_URL);
}

TEST_F(MainWindowTest, StartUpSearchesTheFolderChosenAtTheFirstPrompt) {
    GameFolder game;
    writeZip(game.dir.file("baseq3/pak0.pk3"),
             {{"maps/gorge1.bsp", "bsp"}, {"scripts/bots.txt", "name Vexor\n"}});
    app.write("configs/duel.vkn", "0\r\n\r\n\r\n\r\n0\r\n\r\n");
    dialogs.onModal = [&](QDialog& window) {
        if (window.objectName() == "fmGameOptions")
            forms().fmGameOptions->edExePath->setText(QString::fromStdString(game.path()));
    };
    start();
    // Splash, then the prompt, then the search over the folder chosen there, then the lists.
    EXPECT_EQ(dialogs.modalWindows, (std::vector<std::string>{"fmSplash", "fmGameOptions"}));
    ComplexPage& complex = *main().complexPage;
    ASSERT_EQ(complex.gbMaps->cbMap->count(), 1);
    EXPECT_EQ(complex.gbMaps->lbMapInfo->text(), "gorge1.bsp: ");
    EXPECT_EQ(complex.gbBots->cbBot->itemText(0), "Vexor");
    EXPECT_EQ(app.read("maps.txt").substr(0, 12), "gorge1.bsp\r\n");
    EXPECT_EQ(main().simplePage->lbSimpleConfigs->count(), 1);
    EXPECT_FALSE(forms().fmSearching->isVisible());
}
