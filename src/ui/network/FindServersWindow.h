#pragma once

#include "core/network/QueryEngine.h"
#include "core/session/Session.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <map>
#include <string>
#include <vector>

namespace velkarn {

// "Find Servers": asks the master servers of masters.txt, then every server they list, and
// fills a sortable table as answers come. The selected server can be added to the saved servers
// or joined.
class FindServersWindow : public QDialog {
    Q_OBJECT
public:
    explicit FindServersWindow(Session& session, QueryTiming timing = QueryTiming{},
                               QWidget* parent = nullptr);

    // Columns: host name, map, game type, players/max, ping, address.
    QTableWidget* foundServerTable;
    QLabel* countLabel;
    QPushButton* findButton;
    QPushButton* stopButton;
    QPushButton* addToSavedButton;
    QPushButton* joinButton;

    // Starts a new search; masters.txt is made when missing.
    void findServers();
    void stopSearch();
    // Appends the selected server to the saved servers, named by its host name without color
    // codes (its address when it has none).
    void addSelectedToSaved();
    // Joins the selected server as a saved server without password is joined.
    void joinSelected();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Found {
        std::string address;
        std::string hostName; // with color codes
    };
    void showAnswer(int id, const ServerStatus& status);
    void showCount();
    const Found& selectedServer() const;

    Session& session_;
    QueryEngine search_;
    std::vector<std::string> listed_; // addresses by id
    std::map<int, Found> found_;      // the servers that answered, by id
    std::string masterProblems_;
    bool stopped_ = false;
};

} // namespace velkarn
