#include "core/results/GameLogLines.h"
#include "support/AppFixture.h"
#include "support/Controls.h"
#include "support/DemoFixture.h"
#include "support/GameFolder.h"
#include "ui/main/SimplePage.h"
#include "ui/results/ResultsWindow.h"

#include <QChartView>
#include <QCheckBox>
#include <QDateTime>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class ResultsWindowTest : public AppFixture {
protected:
    GameFolder game;

    // A demo the game wrote, its last write at `endedAt` (local time).
    void addDemo(const std::string& where, const std::string& fixture, const char* endedAt) {
        addDemoFixture(game.dir, where, fixture,
                       QDateTime::fromString(endedAt, "yyyy-MM-dd HH:mm:ss").toSecsSinceEpoch());
    }
};

QString cell(const QAbstractItemModel& model, int row, int column, const QModelIndex& parent = {}) {
    return model.data(model.index(row, column, parent)).toString();
}

} // namespace

TEST_F(ResultsWindowTest, ShowsARecordedSeriesFromTheMainWindow) {
    app.write("path.txt", game.path() + "\r\n\r\n");
    game.dir.write("baseq3/games.log", DeathmatchWithPlayerLog);
    start();
    child<QAction>(mainWindow(), "resultsAction").trigger();

    ResultsWindow& window = this->window<ResultsWindow>();
    EXPECT_TRUE(window.isVisible());
    const auto* tree = window.findChild<QTreeView*>("seriesTree");
    ASSERT_NE(tree, nullptr);
    const QAbstractItemModel& series = *tree->model();
    ASSERT_EQ(series.rowCount(), 1);
    const QModelIndex first = series.index(0, 0);
    EXPECT_EQ(cell(series, 0, 1), "(not started by Velkarn)");
    ASSERT_EQ(series.rowCount(first), 1);
    EXPECT_EQ(cell(series, 0, 1, first), "oa_dm1");
    EXPECT_EQ(cell(series, 0, 4, first), "2/4");
    EXPECT_EQ(cell(series, 0, 5, first), "Grism");

    // The newest map is chosen, its players below it, the winner highlighted.
    const auto* players = window.findChild<QTableView*>("participantsTable");
    ASSERT_NE(players, nullptr);
    const QAbstractItemModel& table = *players->model();
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(cell(table, 0, 1), "Grism");
    EXPECT_EQ(cell(table, 1, 1), "Ace");
    EXPECT_EQ(cell(table, 1, 2), "You");
    EXPECT_TRUE(table.data(table.index(0, 1), Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(table.data(table.index(1, 1), Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(table.data(table.index(0, 1), Qt::BackgroundRole).isValid());

    EXPECT_EQ(window.findChild<QTableView*>("botsTable")->model()->rowCount(), 3);
    EXPECT_EQ(window.findChild<QTableView*>("mapsTable")->model()->rowCount(), 1);
    const auto* chart = window.findChild<QChartView*>("placeChart");
    EXPECT_EQ(chart->chart()->series().size(), 2);
    EXPECT_TRUE(chart->accessibleDescription().endsWith(": oa_dm1: 2 of 4"))
        << "the line read aloud: " << chart->accessibleDescription().toStdString();
    EXPECT_EQ(players->accessibleName().left(15), "Players of oa_d");
    EXPECT_NE(window.findChild<QLabel*>("resultsStatusLabel")->text().indexOf("games.log"), -1);

    // The Simple page says at which skill adapting bots will play, and why.
    auto* adapt = mainWindow().findChild<QCheckBox*>("botsAdaptCheck");
    ASSERT_NE(adapt, nullptr);
    adapt->setChecked(true);
    EXPECT_EQ(mainWindow().findChild<QLabel*>("botsAdaptLabel")->text(),
              "Skill 3, as in the last series: you won 0 and finished last in 0 of 1 map.");
    EXPECT_TRUE(session->results.botsAdapt());
}

TEST_F(ResultsWindowTest, WatchesTheReplayOfAMapWhoseDemoTheGameKept) {
    game.install(FAKE_GAME_PATH, "quake3");
    app.write("path.txt", game.path() + "\r\n\r\n");
    game.dir.write("baseq3/games.log", DeathmatchWithPlayerLog);
    // A demo of another map, recorded at the same time, is not this match's.
    addDemo("baseq3/demos/other.dm_71", "team-oa_dm2.dm_71", "2026-12-08 17:24:10");
    start();
    child<QAction>(mainWindow(), "resultsAction").trigger();
    ResultsWindow& window = this->window<ResultsWindow>();
    auto& watch = child<QPushButton>(window, "watchReplayButton");
    EXPECT_FALSE(watch.isEnabled());
    EXPECT_TRUE(watch.toolTip().contains("Record my games")) << watch.toolTip().toStdString();

    addDemo("baseq3/demos/rec.dm_71", "ffa-oa_dm1.dm_71", "2026-12-08 17:24:10");
    child<QAction>(mainWindow(), "resultsAction").trigger();
    ASSERT_TRUE(watch.isEnabled());
    EXPECT_EQ(child<QLabel>(window, "replayLabel").text(), "rec.dm_71");
    watch.click();
    EXPECT_EQ(game.arguments(), (Lines{"+demo", "rec.dm_71"}));
}
