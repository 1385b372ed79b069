#include "core/platform/TextFile.h"
#include "support/Controls.h"
#include "support/DemoFixture.h"
#include "support/GameFolder.h"
#include "support/RecordingDialogs.h"
#include "support/TempFolder.h"
#include "ui/demos/DemosWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

struct DemosWindowTest : ::testing::Test {
    TempFolder app;
    GameFolder game{true};
    RecordingDialogs dialogs;
    std::unique_ptr<Session> session;
    std::unique_ptr<DemosWindow> window;

    void SetUp() override {
        app.write("path.txt", game.path() + "\r\n\r\n");
        session = std::make_unique<Session>(app.path(), 1);
        session->readListFiles();
        window = std::make_unique<DemosWindow>(*session);
    }
    std::string addDemo(const std::string& where, const std::string& fixture, long long modified) {
        return addDemoFixture(game.dir, where, fixture, modified);
    }
    QTableView& table() { return child<QTableView>(*window, "demosTable"); }
    QString cell(int row, int column) {
        return table().model()->index(row, column).data().toString();
    }
    void choose(int row) { table().setCurrentIndex(table().model()->index(row, 0)); }
};

} // namespace

TEST_F(DemosWindowTest, ShowsNewestFirstAndFiltersBySearchAndGameType) {
    addDemo("baseq3/demos/ffa.dm_71", "ffa-oa_dm1.dm_71", 2000);
    addDemo("mymod/demos/team.dm_71", "team-oa_dm2.dm_71", 3000);
    addDemo("baseq3/demos/cut.dm_71", "cut-in-game-state.dm_71", 1000);
    window->showDemos();
    ASSERT_EQ(table().model()->rowCount(), 3);
    EXPECT_EQ(cell(0, 1), "team.dm_71");
    EXPECT_EQ(cell(0, 2), "oa_dm2");
    EXPECT_EQ(cell(0, 4), "BlueRider") << "names are shown without their color codes";
    EXPECT_EQ(cell(0, 5), "Grism, Kyonshi");
    EXPECT_EQ(cell(0, 7), "mymod");
    EXPECT_EQ(cell(1, 1), "ffa.dm_71");
    EXPECT_NE(cell(2, 2).toStdString().find("cut.dm_71"), std::string::npos)
        << "a damaged demo says what is wrong";

    child<QLineEdit>(*window, "demoSearchEdit").setText("kyon");
    ASSERT_EQ(table().model()->rowCount(), 1);
    EXPECT_EQ(cell(0, 1), "team.dm_71");
    child<QLineEdit>(*window, "demoSearchEdit").clear();
    auto& types = child<QComboBox>(*window, "demoGameTypeCombo");
    types.setCurrentIndex(types.findData(0));
    ASSERT_EQ(table().model()->rowCount(), 1);
    EXPECT_EQ(cell(0, 1), "ffa.dm_71");
}

TEST_F(DemosWindowTest, WatchesTheChosenDemoInItsModAndRefusesAMisreadName) {
    addDemo("mymod/demos/team.dm_71", "team-oa_dm2.dm_71", 3000);
    addDemo("baseq3/demos/two words.dm_71", "ffa-oa_dm1.dm_71", 2000);
    window->showDemos();
    choose(1);
    child<QPushButton>(*window, "watchButton").click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Rename the file"), std::string::npos);
    EXPECT_FALSE(game.ran());
    choose(0);
    child<QPushButton>(*window, "watchButton").click();
    EXPECT_EQ(game.arguments(), (Lines{"+set", "fs_game", "mymod", "+demo", "team.dm_71"}));
}

TEST_F(DemosWindowTest, DeletesToTheTrashOnlyAfterAsking) {
    const std::string demo = addDemo("baseq3/demos/ffa.dm_71", "ffa-oa_dm1.dm_71", 2000);
    window->showDemos();
    choose(0);
    dialogs.yesNoAnswers = {false};
    child<QPushButton>(*window, "deleteDemoButton").click();
    EXPECT_TRUE(fileExists(demo));
    child<QPushButton>(*window, "deleteDemoButton").click();
    ASSERT_EQ(dialogs.questions.size(), 2u);
    EXPECT_FALSE(fileExists(demo));
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front();
    EXPECT_EQ(table().model()->rowCount(), 0);
}

// A file name is shown as it is: its "^1" is no colour code, its "<b>" no markup.
TEST_F(DemosWindowTest, ShowsAFileNameAsItIs) {
    addDemo("baseq3/demos/<b>a^1b.dm_71", "ffa-oa_dm1.dm_71", 2000);
    window->showDemos();
    ASSERT_EQ(table().model()->rowCount(), 1);
    EXPECT_EQ(cell(0, 1), "<b>a^1b.dm_71");
    EXPECT_EQ(child<QLabel>(*window, "demosStatusLabel").textFormat(), Qt::PlainText);
}
