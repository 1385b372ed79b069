#include "core/platform/FileSystem.h"
#include "core/setup/TextHelpers.h"
#include "support/AppFixture.h"
#include "support/Controls.h"
#include "support/GameFolder.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/RandomSeriesGroup.h"
#include "ui/main/SimplePage.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/rotation/SetupInfoWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

const std::string TwoMapSetup = ";A duel\r\n2\r\ngorge1\r\n 1\r\n 20\r\n 10\r\n 1\r\n  Vexor\r\n"
                                "   3\r\n   \r\nvault\r\n 3\r\n 30\r\n 15\r\n 0\r\n"
                                "^1Ace\r\nbrute\r\nred\r\n40\r\nARENA\r\n";

class SetupFileCommandsTest : public AppFixture {
protected:
    GameFolder game{true};

    void SetUp() override {
        app.write("path.txt", game.path() + "\r\n\r\n");
        writeContentArchive(game.dir.file("baseq3/content.pk3"),
                            {{"gorge1", "Gorge", 0, "ffa"}, {"vault", "Vault", 2, "ffa team"}});
        app.write("mods.txt", "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\r\n");
    }
    QListView& rotation() { return child<QListView>(mainWindow(), "rotationList"); }
    void trigger(const char* action) { child<QAction>(mainWindow(), action).trigger(); }
    QString setupInfo() {
        return child<QPlainTextEdit>(mainWindow(), "setupInfoText").toPlainText();
    }
};

} // namespace

TEST_F(SetupFileCommandsTest, FirstStartWritesTheDefaultSetupAndServerListAtClose) {
    start();
    ASSERT_TRUE(closeMain());
    EXPECT_EQ(app.read("configs/default.vkn"), "0\r\n\r\n\r\n\r\n0\r\n[None]\r\n");
    EXPECT_EQ(app.read("servers.txt"), "");
}

TEST_F(SetupFileCommandsTest, DefaultSetupIsReadAtStartAndShown) {
    app.write("configs/default.vkn", TwoMapSetup);
    start();
    ASSERT_EQ(session->setup.rotation.size(), 2u);
    ASSERT_EQ(rowCount(rotation()), 2);
    EXPECT_EQ(rowText(rotation(), 1), "vault" + spaces(11) + "TDM  FL=30 TL=15");
    EXPECT_TRUE(rotation().selectionModel()->isRowSelected(0, {})) << "the first entry is shown";
    EXPECT_EQ(rowCount(child<QListView>(mainWindow(), "rosterList")), 1);
    EXPECT_EQ(session->player.settings().name, "^1Ace");
    EXPECT_EQ(session->player.settings().simPing, 40);
    EXPECT_EQ(session->game.chosenModName(), "Arena") << "mod matched ignoring case";
    EXPECT_EQ(session->setup.modelNameFromSetup, "brute");
    EXPECT_EQ(setupInfo(), "A duel");

    // Closing writes it back without info, and the rest unchanged.
    ASSERT_TRUE(closeMain());
    // No model is catalogued, so the setup's model and skin stay; the mod takes the list's name.
    EXPECT_EQ(app.read("configs/default.vkn"),
              "2\r\ngorge1\r\n 1\r\n 20\r\n 10\r\n 1\r\n  Vexor\r\n   3\r\n   \r\nvault\r\n 3\r\n"
              " 30\r\n 15\r\n 0\r\n^1Ace\r\nbrute\r\nred\r\n40\r\nArena\r\n");
}

TEST_F(SetupFileCommandsTest, NumbersTypedButNotConfirmedAreSaved) {
    app.write("configs/default.vkn", TwoMapSetup);
    start();
    selectRows(rotation(), {0}, 0);
    child<QSpinBox>(mainWindow(), "fragLimitSpin").findChild<QLineEdit*>()->setText("25");
    child<QSpinBox>(window<PlayerOptionsWindow>(), "simPingSpin")
        .findChild<QLineEdit*>()
        ->setText("75");
    dialogs.fileAnswers = {app.file("configs/mine.vkn")};
    trigger("saveAction");
    const std::string saved = app.read("configs/mine.vkn");
    EXPECT_NE(saved.find("gorge1\r\n 1\r\n 25\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\n75\r\nArena\r\n"), std::string::npos) << saved;
}

TEST_F(SetupFileCommandsTest, PreDefinedListSkipsOnlyTheDefaultAndAClickLoads) {
    app.write("configs/default.vkn", "0\r\n\r\n\r\n\r\n0\r\n\r\n");
    app.write("configs/DEFAULT.VKN", TwoMapSetup);
    app.write("configs/notes.txt", "");
    start();
    QListView& list = child<QListView>(mainWindow(), "preDefinedSetupList");
    ASSERT_EQ(rowCount(list), 1);
    EXPECT_EQ(rowText(list, 0), "DEFAULT");
    emit list.clicked(list.model()->index(0, 0));
    EXPECT_EQ(rowCount(rotation()), 2);
    EXPECT_EQ(setupInfo(), "A duel");

    // Play from the Pre-Defined group plays what was loaded.
    child<QPushButton>(mainWindow(), "playSetupButton").click();
    EXPECT_NE(game.script().find("map vault"), std::string::npos);
}

TEST_F(SetupFileCommandsTest, SaveAsAsksForInfoAndSaveReusesTheName) {
    start();
    const QLabel& hint = child<QLabel>(mainWindow(), "noSetupsHintLabel");
    EXPECT_FALSE(hint.isHidden()) << "an empty list says how to fill it";
    dialogs.fileAnswers = {std::string("/elsewhere/mine.vkn")};
    trigger("saveAsAction");
    EXPECT_EQ(dialogs.modalWindows.back(), "setupInfoWindow");
    EXPECT_EQ(dialogs.fileDialogFolders.back(), app.file("configs/"));
    EXPECT_EQ(app.read("configs/mine.vkn").substr(0, 10), ";[None]\r\n0")
        << "only the file name is used, always in configs";
    EXPECT_FALSE(fileExists("/elsewhere/mine.vkn"));
    EXPECT_TRUE(hint.isHidden());

    child<QPlainTextEdit>(window<SetupInfoWindow>(), "infoEdit").setPlainText("");
    trigger("saveAction"); // no dialog now
    EXPECT_EQ(dialogs.fileDialogFolders.size(), 1u);
    EXPECT_EQ(app.read("configs/mine.vkn").substr(0, 3), "0\r\n") << "emptied info: no lines";
    EXPECT_EQ(rowCount(child<QListView>(mainWindow(), "preDefinedSetupList")), 1);
}

TEST_F(SetupFileCommandsTest, EscapeFromTheInfoWindowKeepsTheInfoItHad) {
    start();
    const auto answerInfo = [this](const QString& typed, bool ok) {
        dialogs.onModal = [typed, ok](QDialog& window) {
            child<QPlainTextEdit>(window, "infoEdit").setPlainText(typed);
            if (ok) {
                child<QPushButton>(window, "okButton").click();
                return;
            }
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &escape);
        };
    };
    answerInfo("A duel", true);
    dialogs.fileAnswers = {app.file("configs/mine.vkn")};
    trigger("saveAsAction");
    answerInfo("typed, then left", false);
    dialogs.fileAnswers = {app.file("configs/mine.vkn")};
    trigger("saveAsAction");
    EXPECT_EQ(app.read("configs/mine.vkn").substr(0, 10), ";A duel\r\n0");
}

TEST_F(SetupFileCommandsTest, AddToMenuPutsTheSavedSetupIntoTheDesktopMenu) {
    start();
    dialogs.fileAnswers = {app.file("configs/duel.vkn")};
    trigger("addToMenuAction"); // nothing saved yet: saved first
    const std::string entry = app.read("home/.local/share/applications/velkarn-duel.desktop");
    EXPECT_NE(entry.find(" --appdir " + app.path() + " play duel\n"), std::string::npos) << entry;
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].find("The setup duel is in the desktop's menu now"), 0u);
}

TEST_F(SetupFileCommandsTest, CancelledDialogsChangeNothing) {
    app.write("configs/a.vkn", TwoMapSetup);
    start();
    dialogs.fileAnswers = {std::string(app.file("configs/a.vkn")), std::nullopt};
    trigger("openAction");
    EXPECT_EQ(rowCount(rotation()), 2);
    trigger("openAction"); // cancelled
    EXPECT_EQ(rowCount(rotation()), 2);
    trigger("saveAction"); // opening gives Save no name; cancelling Save as writes nothing
    EXPECT_EQ(predefinedSetupNames(app.file("configs/")), (std::vector<std::string>{"a"}));
}

TEST_F(SetupFileCommandsTest, BrokenSetupKeepsTheEntriesReadBeforeAndTheListInStep) {
    std::string broken = TwoMapSetup;
    broken.replace(broken.find(" 30\r\n"), 5, " x\r\n");
    app.write("configs/broken.vkn", broken);
    start();
    dialogs.fileAnswers = {std::string("broken.vkn")};
    trigger("openAction");
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{app.file("configs/broken.vkn") +
                                        ", line 13: 'x' is not a valid integer value"}));
    EXPECT_EQ(session->setup.rotation.size(), 1u);
    EXPECT_EQ(rowCount(rotation()), 1);
}

TEST_F(SetupFileCommandsTest, ExitKeepsThePreviousDefaultSetup) {
    app.write("configs/default.vkn", TwoMapSetup);
    start();
    session->setup.rotation.clear();
    trigger("exitAction");
    EXPECT_EQ(app.read("configs/default.vkn"), TwoMapSetup);
}

TEST_F(SetupFileCommandsTest, FailedDefaultSaveStillWritesServersAndKeepsTheWindowOpen) {
    start();
    app.makeFolder("configs/default.vkn"); // cannot be replaced by a file
    session->setup.servers.push_back(std::make_unique<SavedServer>(SavedServer{"Home", "h", ""}));
    EXPECT_FALSE(closeMain());
    EXPECT_EQ(dialogs.messages.back(), "Cannot create file " + app.file("configs/default.vkn"));
    EXPECT_EQ(app.read("servers.txt"), "Home\r\n h\r\n \r\n");
}

TEST_F(SetupFileCommandsTest, QuickRandomSeriesIsTheDefaultSetupAtClose) {
    start();
    child<QSpinBox>(mainWindow(), "simpleMapCountSpin").setValue(2);
    child<RandomSeriesGroup>(mainWindow(), "newSetupGroup").playRandomSeries();
    ASSERT_EQ(session->setup.rotation.size(), 2u);
    ASSERT_TRUE(closeMain());
    const Lines saved = readTextFile(app.file("configs/default.vkn"));
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved[0], "2");
    EXPECT_EQ(saved[1], session->setup.rotation[0]->name);
}

TEST_F(SetupFileCommandsTest, UnreadableDefaultSetupIsKeptAsideAtClose) {
    const std::string broken = "1\r\ngorge1\r\n 1\r\n lots\r\n";
    app.write("configs/default.vkn", broken);
    start();
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{app.file("configs/default.vkn") +
                                        ", line 4: 'lots' is not a valid integer value"}));
    ASSERT_TRUE(closeMain());
    EXPECT_EQ(app.read("configs/default.vkn.bak"), broken);
    EXPECT_EQ(app.read("configs/default.vkn").substr(0, 3), "0\r\n");
}
