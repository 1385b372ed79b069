#pragma once

#include "core/launch/ServerListOps.h"
#include "core/network/QueryEngine.h"
#include "core/session/Session.h"
#include "ui/network/ServerDetailsView.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <optional>
#include <vector>

namespace velkarn {

// "Pre-Defined Servers": the servers the user returns to, edited through three fields, and
// joining one of them. The list mirrors the model's servers row for row, each with what the
// server last said of itself (asked in the background when the group is shown and on Refresh);
// the fields are an editing area that changes nothing until a button is used.
class ServersGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ServersGroup(Session& session, QWidget* parent = nullptr,
                          QueryTiming timing = QueryTiming{});

    // Columns: name, host name, map, game type, players/max, ping.
    QTableWidget* savedServerList;
    QPushButton* refreshButton;
    QPushButton* findServersButton;
    ServerDetailsView* serverDetails;
    QLabel* serverNameLabel;
    QLineEdit* serverNameEdit;
    QLabel* serverAddressLabel;
    QLineEdit* serverAddressEdit;
    QLabel* serverPasswordLabel;
    QLineEdit* serverPasswordEdit;
    QPushButton* updateServerButton;
    QPushButton* addServerButton;
    QPushButton* deleteServerButton;
    QPushButton* joinGameButton;

    // Refills the list from servers (after the start-up reading).
    void showServers();
    // Asks every saved server for its status; the rows fill in as answers come.
    void refreshStatus();

    // Copies the selected server into the fields.
    void showSelectedServer();
    // Appends a server from the fields; an empty name or address gives its message instead.
    void addServerFromFields();
    // Stores the fields into the selected server; nothing without a selection.
    void updateSelectedServer();
    // Removes the selected server and empties the fields; nothing without a selection.
    void deleteSelectedServer();
    // Writes the join script for the selected server's stored record and starts the game.
    void joinSelectedServer();

signals:
    void findServersRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Session& session_;
    QueryEngine statusQuery_;
    std::vector<std::optional<ServerStatus>> statuses_; // by row; nothing until answered
    void showAnswer(int row, const ServerStatus& status);
    void showSilence(int row);
    void addRow(const std::string& name);
    ServerFields editedFields() const;
    void showFields(const ServerFields& fields);
    int selectedServer() const;
    void connectHandlers();
};

} // namespace velkarn
