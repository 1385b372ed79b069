#pragma once

#include "core/network/QueryEngine.h"

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace velkarn {

class Session;
class FoundServersModel;
struct LiveServer;

// "Find Servers": asks the master servers of masters.txt, then every server they list, and
// fills a sortable table as answers come. The selected server can be added to the saved servers
// or joined.
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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showCount();
    const LiveServer& selectedServer() const;

    Session& session_;
    FoundServersModel* found_;
    QSortFilterProxyModel* shownServers_;
    QTableView* foundServerTable_;
    QLabel* countLabel_;
    QPushButton* findButton_;
    QPushButton* stopButton_;
    QPushButton* addToSavedButton_;
    QPushButton* joinButton_;
    std::string masterProblems_;
};

} // namespace velkarn
