#pragma once

#include "core/network/QueryEngine.h"

#include <QDialog>
#include <QTimer>
#include <string>

class QLabel;
class QPushButton;

namespace velkarn {

class Session;
class FoundServersModel;
class SeatWaitBox;
class ServerListPanel;
struct LiveServer;
struct SavedServer;

// "Find Servers": asks the master servers of masters.txt, then every server they list, and
// fills a sortable, filtered table as answers come; the servers found are asked again every few
// minutes while the program runs. The selected server can be added to the saved servers or
// joined, at once or when a place on it is free.
class FindServersWindow : public QDialog {
    Q_OBJECT
public:
    explicit FindServersWindow(Session& session, QueryTiming timing = QueryTiming{},
                               QWidget* parent = nullptr);

public slots:
    // Starts a new search; masters.txt is made when missing.
    void findServers();
    void stopSearch();
    // Appends the selected server to the saved servers, named by its host name without color
    // codes (its address when it has none).
    void addSelectedToSaved();
    // Joins the selected server as a saved server without password is joined.
    void joinSelected();

signals:
    // The address of the selected server, empty without one.
    void remoteConsoleRequested(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showProgress();
    // Adds a line to what is said about the masters above the list.
    void showMasterProblem(const std::string& problem);
    const LiveServer& selectedServer() const;
    // The selected server as it is joined: by its plain host name, without a password.
    SavedServer joinTarget() const;

    Session& session_;
    FoundServersModel* found_;
    ServerListPanel* serverList_;
    QLabel* masterProblemsLabel_;
    QPushButton* findButton_;
    QPushButton* stopButton_;
    QPushButton* buddiesButton_;
    QPushButton* addToSavedButton_;
    QPushButton* joinButton_;
    SeatWaitBox* seatWait_;
    QTimer reaskTimer_;
};

} // namespace velkarn
