#include "OptionsWindowsTest.h"
#include "core/platform/FileSystem.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/ModEditWindow.h"

#include <QDialog>
#include <QStringList>
#include <cstdio>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class GameOptionsWindowTest : public OptionsWindowsTest {
protected:
    TempFolder game;

    GameOptionsWindow& options() { return *windows->gameOptionsWindow; }

    QStringList modNames() {
        QStringList names;
        for (int i = 0; i < options().modCombo->count(); ++i)
            names << options().modCombo->itemText(i);
        return names;
    }
    QStringList modParameters() {
        QStringList parameters;
        for (int i = 0; i < options().modParametersList->count(); ++i)
            parameters << options().modParametersList->item(i)->text();
        return parameters;
    }
    bool editAndRemoveEnabled() {
        EXPECT_EQ(options().editModButton->isEnabled(), options().removeModButton->isEnabled());
        return options().editModButton->isEnabled();
    }
    // A list of "[None]" and two mods, as a program start reads it.
    void startWithTwoMods() {
        app.write("mods.txt", "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\r\n"
                              "Team\r\n+set fs_game team +sv_pure 0\r\n");
        createWindows();
    }
    // Edits the selected mod; `user` plays the part of the user in the edit window.
    void editSelected(const std::function<void(ModEditWindow&)>& user) {
        dialogs.onModal = [&](QDialog& window) { user(static_cast<ModEditWindow&>(window)); };
        options().editModButton->click();
    }
};

} // namespace

TEST_F(GameOptionsWindowTest, ModsFileFillsNamesAndParametersIndexForIndex) {
    app.write("mods.txt", "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\nOdd");
    createWindows();
    EXPECT_EQ(modNames(), (QStringList{"[None]", "Arena", "Odd"}));
    EXPECT_EQ(modParameters(), (QStringList{"", "+set fs_game arena +sv_pure 0", ""}));
    EXPECT_EQ(session->game.modIndex(), 0);
    EXPECT_FALSE(editAndRemoveEnabled());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameOptionsWindowTest, SelectionEnablesEditAndRemoveAboveEntryZeroAndGivesTheChoice) {
    startWithTwoMods();
    options().modCombo->setCurrentIndex(2);
    EXPECT_TRUE(editAndRemoveEnabled());
    EXPECT_EQ(session->game.chosenModName(), "Team");
    EXPECT_EQ(session->game.launchSettings().mod.parameters, "+set fs_game team +sv_pure 0");
    session->game.chooseModByName("ARENA");
    EXPECT_EQ(session->game.modIndex(), 1);
    session->game.chooseModByName("gone");
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
    options().gameFolderEdit->setText(QString::fromLocal8Bit(game.path()));
    options().modCombo->setCurrentIndex(1);

    options().findModsButton->click();
    EXPECT_EQ(modNames(), (QStringList{"[None]", "Arena", "Team", "arena2", "Packed Mod"}));
    EXPECT_EQ(modParameters()[4], "+set fs_game packed +sv_pure 0");
    EXPECT_EQ(session->game.modIndex(), 1);
    EXPECT_TRUE(editAndRemoveEnabled());
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\r\n"
                                    "Team\r\n+set fs_game team +sv_pure 0\r\n"
                                    "arena2\r\n+set fs_game arena2 +sv_pure 0\r\n"
                                    "Packed Mod\r\n+set fs_game packed +sv_pure 0\r\n");

    // Listed folders are not added again.
    options().findModsButton->click();
    EXPECT_EQ(options().modCombo->count(), 5);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameOptionsWindowTest, FindModsWithoutAGameFolderFindsNothingButStillWritesTheFile) {
    createWindows();
    options().gameFolderEdit->clear();
    options().findModsButton->click();
    EXPECT_EQ(modNames(), (QStringList{"[None]"}));
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\n");
}

TEST_F(GameOptionsWindowTest, EditWithOkReplacesTheEntryAndWritesTheFile) {
    startWithTwoMods();
    options().modCombo->setCurrentIndex(2);
    QString shownName, shownParameters;
    editSelected([&](ModEditWindow& editor) {
        shownName = editor.modNameEdit->text();
        shownParameters = editor.modParametersEdit->text();
        editor.modNameEdit->setText("Team Arena");
        editor.modParametersEdit->setText(" +set fs_game missionpack");
        editor.okButton->click();
    });
    EXPECT_EQ(dialogs.modalWindows, (std::vector<std::string>{"modEditWindow"}));
    EXPECT_EQ(shownName, "Team");
    EXPECT_EQ(shownParameters, "+set fs_game team +sv_pure 0");
    EXPECT_EQ(modNames()[2], "Team Arena");
    EXPECT_EQ(modParameters()[2], " +set fs_game missionpack");
    EXPECT_EQ(session->game.modIndex(), 2);
    EXPECT_TRUE(editAndRemoveEnabled());
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\r\n"
                                    "Team Arena\r\n +set fs_game missionpack\r\n");
}

TEST_F(GameOptionsWindowTest, EditCancelledAfterAnAcceptedOneChangesNothingButWritesTheFile) {
    startWithTwoMods();
    options().modCombo->setCurrentIndex(1);
    editSelected([](ModEditWindow& editor) { editor.okButton->click(); });
    std::remove(app.file("mods.txt").c_str());

    editSelected([](ModEditWindow& editor) {
        editor.modNameEdit->setText("changed");
        editor.cancelButton->click();
    });
    EXPECT_EQ(modNames()[1], "Arena");
    EXPECT_EQ(session->game.modIndex(), 1);
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\r\n"
                                    "Team\r\n+set fs_game team +sv_pure 0\r\n");

    // A window closed without either button counts as cancelled too.
    editSelected([](ModEditWindow& editor) { editor.modNameEdit->setText("changed"); });
    EXPECT_EQ(modNames()[1], "Arena");
}

TEST_F(GameOptionsWindowTest, EntryZeroIsNeverEditedOrRemoved) {
    startWithTwoMods();
    std::remove(app.file("mods.txt").c_str());
    options().editSelectedMod();
    options().removeSelectedMod();
    EXPECT_TRUE(dialogs.modalWindows.empty());
    EXPECT_EQ(options().modCombo->count(), 3);
    EXPECT_FALSE(fileExists(app.file("mods.txt"))); // nothing changed, nothing written
}

TEST_F(GameOptionsWindowTest, RemoveLeavesEntryZeroSelectedWithEditAndRemoveDisabled) {
    startWithTwoMods();
    options().modCombo->setCurrentIndex(1);
    options().removeModButton->click();
    EXPECT_EQ(modNames(), (QStringList{"[None]", "Team"}));
    EXPECT_EQ(modParameters(), (QStringList{"", "+set fs_game team +sv_pure 0"}));
    EXPECT_EQ(session->game.modIndex(), 0);
    EXPECT_FALSE(editAndRemoveEnabled());
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\nTeam\r\n+set fs_game team +sv_pure 0\r\n");
}

TEST_F(GameOptionsWindowTest, PathValidationAddsTheSlashAndLooksForTheExecutable) {
    createWindows();
    game.makeFolder("quake3.exe"); // a folder of that name is no executable
    std::string folder = game.path();
    folder.pop_back();
    options().gameFolderEdit->setText(QString::fromLocal8Bit(folder));
    options().checkGameFolder();
    EXPECT_EQ(options().gameFolderEdit->text().toStdString(), game.path());
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Quake 3 Executable not found!"}));

    game.write("ioquake3.x86_64", "");
    options().checkGameFolder();
    EXPECT_EQ(options().gameFolderEdit->text().toStdString(), game.path());
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(GameOptionsWindowTest, OkStoresBothLinesEvenAnInvalidPathAndAnEmptyCommandLine) {
    createWindows();
    options().show();
    options().gameFolderEdit->setText("/no/such/folder/");
    options().commandLineEdit->clear();
    options().okButton->click();
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(app.read("path.txt"), "/no/such/folder/\r\n\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameOptionsWindowTest, EscapeAndTheCloseBoxKeepWhatWasEnteredButWriteNothingEmpty) {
    createWindows();
    options().show();
    options().reject(); // Escape
    EXPECT_FALSE(fileExists(app.file("path.txt"))) << "nothing entered: the next start asks";

    options().show();
    options().gameFolderEdit->setText("/games/q3/");
    options().close();
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(app.read("path.txt"), "/games/q3/\r\n\r\n");
}

// A folder in the place of mods.txt can be neither read nor replaced, even by root.
TEST_F(GameOptionsWindowTest, UnusableModsFileIsReportedAndTheListLivesOnInMemory) {
    app.makeFolder("mods.txt");
    game.makeFolder("arena2/vm");
    createWindows();
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Cannot open file " + app.file("mods.txt") +
                                        ": it is not a regular file"}));
    EXPECT_EQ(modNames(), (QStringList{"[None]"}));

    options().gameFolderEdit->setText(QString::fromLocal8Bit(game.path()));
    options().findModsButton->click();
    EXPECT_EQ(dialogs.messages.back(), "Cannot create file " + app.file("mods.txt"));
    EXPECT_EQ(modNames(), (QStringList{"[None]", "arena2"}));
}
