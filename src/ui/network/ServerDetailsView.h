#pragma once

#include <QTimer>
#include <QWidget>

class QItemSelectionModel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace velkarn {

class PingHistoryChart;
class PlayersModel;
class ServerFilterModel;
class ServerSettingsModel;

// What the selected servers of a list say: all their players, each with the server they are on
// (best score first), beside the settings of the current server sorted by key, with a chart of
// the current server's ping over the last rounds. A player search
// lists instead the players of every server the list shows whose names hold the text; choosing
// a player's row (double-click or Enter) asks for that player's server to be selected.
class ServerDetailsView : public QWidget {
    Q_OBJECT
public:
    // `servers` are the servers the list shows, `selection` the list's selection of them.
    ServerDetailsView(const ServerFilterModel& servers, QItemSelectionModel& selection,
                      QWidget* parent = nullptr);

signals:
    // A player's row was chosen: the row of the player's server in the list's source model.
    void serverChosen(int sourceRow);

private:
    void showDetails();

    const ServerFilterModel& servers_;
    QItemSelectionModel& selection_;
    PlayersModel* players_;
    QSortFilterProxyModel* sortedPlayers_;
    ServerSettingsModel* settings_;
    QLineEdit* playerSearchEdit_;
    QTableView* playerTable_;
    QTableView* settingsTable_;
    PingHistoryChart* pingChart_;
    QTimer pending_; // answers coming in are shown together
};

} // namespace velkarn
