#include "OptionsWindowsTest.h"
#include "core/platform/FileSystem.h"
#include "ui/options/GameOptionsWindow.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <filesystem>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class GameOptionsWindowTest : public OptionsWindowsTest {
protected:
    TempFolder game;

    GameOptionsWindow& options() { return window<GameOptionsWindow>(); }
    QComboBox& mods() { return child<QComboBox>(options(), "modCombo"); }
    QLineEdit& gameFolder() { return child<QLineEdit>(options(), "gameFolderEdit"); }
    QPushButton& button(const char* name) { return child<QPushButton>(options(), name); }
    QStringList modParameters() { return items(mods(), Qt::ToolTipRole); }

    bool editAndRemoveEnabled() {
        EXPECT_EQ(button("editModButton").isEnabled(), button("removeModButton").isEnabled());
        return button("editModButton").isEnabled();
    }
    // A list of "[None]" and two mods, as a program start reads it.
    void startWithTwoMods() {
        app.write("mods.txt", "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\r\n"
                              "Team\r\n+set fs_game team +sv_pure 0\r\n");
        createWindows();
    }
    // Edits the selected mod; `user` plays the part of the user in the edit window.
    void editSelected(const std::function<void(QDialog&)>& user) {
        dialogs.onModal = user;
        button("editModButton").click();
    }
    void typeGameFolder(const std::string& folder) {
        options().show();
        gameFolder().setText(QString::fromLocal8Bit(folder));
        leave(gameFolder());
    }
};

} // namespace

TEST_F(GameOptionsWindowTest, ModsFileFillsNamesAndParametersIndexForIndex) {
    app.write("mods.txt", "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\nOdd");
    createWindows();
    EXPECT_EQ(items(mods()), (QStringList{"[None]", "Arena", "Odd"}));
    EXPECT_EQ(modParameters(), (QStringList{"", "+set fs_game arena +sv_pure 0", ""}));
    EXPECT_EQ(mods().currentIndex(), 0);
    EXPECT_EQ(session->game.modIndex(), 0);
    EXPECT_FALSE(editAndRemoveEnabled());
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{app.file("mods.txt") +
                                       ", line 5: the mod \"Odd\" is cut short: its parameters "
                                       "line is missing."});
}

TEST_F(GameOptionsWindowTest, SelectionEnablesEditAndRemoveAboveEntryZeroAndGivesTheChoice) {
    startWithTwoMods();
    choose(mods(), 2);
    EXPECT_TRUE(editAndRemoveEnabled());
    EXPECT_EQ(session->game.chosenModName(), "Team");
    EXPECT_EQ(session->game.launchSettings().mod.parameters, "+set fs_game team +sv_pure 0");
    // A setup's mod shows in the list.
    session->game.chooseModByName("ARENA");
    EXPECT_EQ(mods().currentIndex(), 1);
    session->game.chooseModByName("gone");
    EXPECT_EQ(mods().currentIndex(), 0);
    EXPECT_FALSE(editAndRemoveEnabled());
    EXPECT_EQ(session->game.launchSettings().mod.parameters, "");
}

TEST_F(GameOptionsWindowTest, FindModsAppendsModFoldersWritesTheFileAndKeepsTheSelection) {
    game.makeFolder("baseq3/vm");
    game.makeFolder("arena2/vm");
    game.write("packed/zz.pk3", "PK");
    game.write("packed/description.txt", "Packed Mod\r\nsecond line\r\n");
    game.write("notes/description.txt", "Not a mod\r\n");
    startWithTwoMods();
    gameFolder().setText(QString::fromLocal8Bit(game.path()));
    choose(mods(), 1);

    button("findModsButton").click();
    EXPECT_EQ(items(mods()), (QStringList{"[None]", "Arena", "Team", "arena2", "Packed Mod"}));
    EXPECT_EQ(modParameters()[4], "+set fs_game packed +sv_pure 0");
    EXPECT_EQ(mods().currentIndex(), 1);
    EXPECT_EQ(session->game.modIndex(), 1);
    EXPECT_TRUE(editAndRemoveEnabled());
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\r\n"
                                    "Team\r\n+set fs_game team +sv_pure 0\r\n"
                                    "arena2\r\n+set fs_game arena2 +sv_pure 0\r\n"
                                    "Packed Mod\r\n+set fs_game packed +sv_pure 0\r\n");

    // Listed folders are not added again.
    button("findModsButton").click();
    EXPECT_EQ(mods().count(), 5);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameOptionsWindowTest, FindModsWithoutAGameFolderFindsNothingButStillWritesTheFile) {
    createWindows();
    gameFolder().clear();
    button("findModsButton").click();
    EXPECT_EQ(items(mods()), (QStringList{"[None]"}));
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\n");
}

TEST_F(GameOptionsWindowTest, EditWithOkReplacesTheEntryAndWritesTheFile) {
    startWithTwoMods();
    choose(mods(), 2);
    QString shownName, shownParameters;
    editSelected([&](QDialog& editor) {
        auto& name = child<QLineEdit>(editor, "modNameEdit");
        auto& parameters = child<QLineEdit>(editor, "modParametersEdit");
        shownName = name.text();
        shownParameters = parameters.text();
        EXPECT_TRUE(name.hasFocus() || editor.focusWidget() == &name);
        name.setText("Team Arena");
        parameters.setText(" +set fs_game missionpack");
        child<QPushButton>(editor, "okButton").click();
    });
    EXPECT_EQ(dialogs.modalWindows, (std::vector<std::string>{"modEditWindow"}));
    EXPECT_EQ(shownName, "Team");
    EXPECT_EQ(shownParameters, "+set fs_game team +sv_pure 0");
    EXPECT_EQ(items(mods())[2], "Team Arena");
    EXPECT_EQ(modParameters()[2], " +set fs_game missionpack");
    EXPECT_EQ(mods().currentIndex(), 2);
    EXPECT_EQ(session->game.modIndex(), 2);
    EXPECT_TRUE(editAndRemoveEnabled());
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\r\n"
                                    "Team Arena\r\n +set fs_game missionpack\r\n");
}

TEST_F(GameOptionsWindowTest, EditCancelledAfterAnAcceptedOneChangesNothingButWritesTheFile) {
    startWithTwoMods();
    choose(mods(), 1);
    editSelected([](QDialog& editor) { child<QPushButton>(editor, "okButton").click(); });
    std::remove(app.file("mods.txt").c_str());

    editSelected([](QDialog& editor) {
        child<QLineEdit>(editor, "modNameEdit").setText("changed");
        child<QPushButton>(editor, "cancelButton").click();
    });
    EXPECT_EQ(items(mods())[1], "Arena");
    EXPECT_EQ(session->game.modIndex(), 1);
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\r\n"
                                    "Team\r\n+set fs_game team +sv_pure 0\r\n");

    // Escape, or a window closed without either button, counts as cancelled too.
    editSelected([](QDialog& editor) {
        child<QLineEdit>(editor, "modNameEdit").setText("changed");
        pressEscape(editor);
    });
    editSelected([](QDialog& editor) { child<QLineEdit>(editor, "modNameEdit").setText("x"); });
    EXPECT_EQ(items(mods())[1], "Arena");
}

TEST_F(GameOptionsWindowTest, EntryZeroIsNeverEditedOrRemoved) {
    startWithTwoMods();
    std::remove(app.file("mods.txt").c_str());
    button("editModButton").click();
    button("removeModButton").click();
    EXPECT_FALSE(session->game.editMod(0, Mod{"x", "y"}));
    EXPECT_FALSE(session->game.removeMod(0));
    EXPECT_TRUE(dialogs.modalWindows.empty());
    EXPECT_EQ(mods().count(), 3);
    EXPECT_FALSE(fileExists(app.file("mods.txt"))); // nothing changed, nothing written
}

TEST_F(GameOptionsWindowTest, RemoveLeavesEntryZeroSelectedWithEditAndRemoveDisabled) {
    startWithTwoMods();
    choose(mods(), 1);
    button("removeModButton").click();
    EXPECT_EQ(items(mods()), (QStringList{"[None]", "Team"}));
    EXPECT_EQ(modParameters(), (QStringList{"", "+set fs_game team +sv_pure 0"}));
    EXPECT_EQ(mods().currentIndex(), 0);
    EXPECT_EQ(session->game.modIndex(), 0);
    EXPECT_FALSE(editAndRemoveEnabled());
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\nTeam\r\n+set fs_game team +sv_pure 0\r\n");
}

// Typing a folder and leaving the field, and picking one with "...", check it by the same rule;
// a typed folder stays as typed, a picked one that fails is not taken.
TEST_F(GameOptionsWindowTest, TypedAndPickedFoldersAreCheckedByTheGameFolderRule) {
    createWindows();
    game.makeFolder("quake3.exe"); // a folder of that name is no executable
    std::string folder = game.path();
    folder.pop_back();
    typeGameFolder(folder);
    EXPECT_EQ(gameFolder().text().toStdString(), game.path());
    const std::string refused =
        "The folder " + game.path() + " holds neither a game engine nor a data folder.";
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{refused}));

    game.makeFolder("baseq3");
    typeGameFolder(game.path());
    EXPECT_EQ(dialogs.messages.back(), "Quake 3 Executable not found!");
    game.write("ioquake3.x86_64", "");
    dialogs.messages.clear();
    typeGameFolder(game.path());
    typeGameFolder("");
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"No game folder is named."}));

    TempFolder other;
    dialogs.messages.clear();
    dialogs.fileAnswers = {other.path(), std::nullopt};
    button("chooseGameFolderButton").click();
    button("chooseGameFolderButton").click();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"The folder " + other.path() +
                                                          " holds neither a game engine nor a "
                                                          "data folder."}));
    EXPECT_EQ(gameFolder().text(), "");
    other.makeFolder("baseoa");
    dialogs.fileAnswers = {other.path().substr(0, other.path().size() - 1)};
    button("chooseGameFolderButton").click();
    EXPECT_EQ(gameFolder().text().toStdString(), other.path());
    EXPECT_EQ(dialogs.messages.back(), "Quake 3 Executable not found!");
    EXPECT_EQ(child<QLabel>(options(), "startCommandLabel").text(),
              "Starts with: (no engine found)");
}

TEST_F(GameOptionsWindowTest, OkStoresBothLinesEvenAnInvalidPathAndAnEmptyCommandLine) {
    createWindows();
    options().show();
    gameFolder().setText("/no/such/folder/");
    child<QLineEdit>(options(), "commandLineEdit").clear();
    child<QPushButton>(options(), "okButton").click();
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(app.read("path.txt"), "/no/such/folder/\r\n\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameOptionsWindowTest, LeavingWithoutOkKeepsAUsableGameOrTheEditsOfAnEarlierStart) {
    createWindows();
    options().show();
    gameFolder().setText("/games/q3/");
    pressEscape(options());
    EXPECT_FALSE(options().isVisible());
    EXPECT_FALSE(fileExists(app.file("path.txt"))) << "nothing usable: the next start asks";

    game.write("baseq3/pak0.pk3", "PK");
    options().show();
    gameFolder().setText(QString::fromLocal8Bit(game.path()));
    options().close();
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(app.read("path.txt"), game.path() + "\r\n\r\n");

    // Once path.txt exists, what was entered is kept however the window is left.
    options().show();
    gameFolder().setText("/games/q3/");
    pressEscape(options());
    EXPECT_EQ(app.read("path.txt"), "/games/q3/\r\n\r\n");
}

TEST_F(GameOptionsWindowTest, InstallationsFoundAreOfferedAndAFolderOfTheUsersAfterThem) {
    app.write("root/usr/games/openarena", "");
    std::filesystem::permissions(app.file("root/usr/games/openarena"),
                                 std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
    app.write("root/usr/lib/openarena/baseoa/pak0.pk3", "PK");
    app.write("path.txt", "/games/q3/\r\n\r\n");
    createWindows();
    QComboBox& games = child<QComboBox>(options(), "installationCombo");
    EXPECT_EQ(items(games), (QStringList{"OpenArena (Debian package)", "Game folder"}));
    EXPECT_EQ(games.currentIndex(), 1);

    choose(games, 0);
    EXPECT_EQ(session->game.paths().installation, "debian-openarena");
    EXPECT_EQ(gameFolder().text().toStdString(), app.file("root/usr/lib/openarena/"));
    EXPECT_EQ(items(games), (QStringList{"OpenArena (Debian package)"}));
    EXPECT_EQ(child<QLabel>(options(), "homeFolderLabel").text().toStdString(),
              "Home folder: " + app.path() + "home/.openarena/");

    gameFolder().setText("/games/q3/");
    EXPECT_EQ(session->game.paths().installation, "");
    EXPECT_EQ(games.currentIndex(), 1);
}

// A folder in the place of mods.txt can be neither read nor replaced, even by root.
TEST_F(GameOptionsWindowTest, UnusableModsFileIsReportedAndTheListLivesOnInMemory) {
    app.makeFolder("mods.txt");
    game.makeFolder("arena2/vm");
    createWindows();
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Cannot open file " + app.file("mods.txt") +
                                        ": it is not a regular file"}));
    EXPECT_EQ(items(mods()), (QStringList{"[None]"}));

    gameFolder().setText(QString::fromLocal8Bit(game.path()));
    button("findModsButton").click();
    EXPECT_EQ(dialogs.messages.back(),
              app.file("mods.txt") + " could not be read whole when Velkarn started, so it is not "
                                     "saved with less in it. Mend it by hand or remove it.");
    EXPECT_EQ(items(mods()), (QStringList{"[None]", "arena2"}));
}

TEST_F(GameOptionsWindowTest, KeyboardFirstControlDefaultOkAndMnemonics) {
    createWindows();
    options().show();
    EXPECT_EQ(options().focusWidget(), &child<QComboBox>(options(), "installationCombo"));
    EXPECT_TRUE(child<QPushButton>(options(), "okButton").isDefault());
    EXPECT_EQ(child<QLabel>(options(), "gameFolderLabel").buddy(), &gameFolder());
    EXPECT_EQ(button("findModsButton").text(), "&Find Mods...");
}
