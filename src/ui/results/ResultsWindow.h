#pragma once

#include "core/demos/DemoEntry.h"
#include "core/session/Session.h"

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTreeView;

namespace velkarn {

class StandingsModel;
class ParticipantsModel;
class PlayerPlaceChart;
class SeriesModel;

// The results window: the series newest first with each map and its participants (the winner
// highlighted), every bot's standing, the player's record per map, and a chart of the player's
// place over the last series. A map whose demo the game's folders hold can be watched again.
// Its views follow the results as the game adds to its log. The window keeps its size and
// place between runs.
class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResultsWindow(Session& session, QWidget* parent = nullptr);

    // Shows the window in front, with the results read up to now.
    void showResults();

private:
    void createControls();
    void layOut();
    void showChosenMap();
    void showNewest();
    void showSeriesNote();
    void showProblem();
    void listDemos();
    // The demo of the chosen map; none when there is none, with why in `reason`.
    const DemoEntry* chosenReplay(QString& reason) const;
    void showChosenReplay();
    void watchChosenReplay();

    Session& session_;
    ResultsTracker& results_;
    std::vector<DemoEntry> demos_;
    std::string demosProblem_; // why no demo could be listed
    SeriesModel* seriesModel_;
    ParticipantsModel* participantsModel_;
    StandingsModel* botsModel_;
    StandingsModel* mapsModel_;

    QTabWidget* tabs_;
    QTreeView* seriesTree_;
    QLabel* seriesNoteLabel_;
    QLabel* mapLabel_;
    QLabel* replayLabel_; // the chosen map's demo
    QPushButton* watchReplayButton_;
    QTableView* participantsTable_;
    QTableView* botsTable_;
    QTableView* mapsTable_;
    PlayerPlaceChart* placeChart_;
    QLabel* statusLabel_;
    QPushButton* readLogButton_;
    QPushButton* closeButton_;
};

} // namespace velkarn
