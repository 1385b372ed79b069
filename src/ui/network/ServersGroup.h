#pragma once

#include "core/launch/ServerListOps.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace velkarn {

// "Pre-Defined Servers": the servers the user returns to, edited through three fields, and
// joining one of them. The list box mirrors the model's ServerList item for item; the fields
// are an editing area that changes nothing until a button is used.
class ServersGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ServersGroup(QWidget* parent = nullptr);

    QListWidget* lbServers;
    QLabel* lbServerName;
    QLineEdit* edServerName;
    QLabel* lbServerAddress;
    QLineEdit* edServerAddress;
    QLabel* lbServerPassword;
    QLineEdit* edServerPassword;
    QPushButton* butUpdateServer;
    QPushButton* butAddServer;
    QPushButton* butDeleteServer;
    QPushButton* butJoinNetworkGame;

    // Refills the list from ServerList (after the start-up reading).
    void showServers();

    // Copies the selected server into the fields.
    void lbServersClick();
    // Appends a server from the fields; an empty name or address gives its message instead.
    void butAddServerClick();
    // Stores the fields into the selected server; nothing without a selection.
    void butUpdateServerClick();
    // Removes the selected server and empties the fields; nothing without a selection.
    void butDeleteServerClick();
    // Writes the join script for the selected server's stored record and starts the game.
    void butJoinNetworkGameClick();

private:
    ServerFields editedFields() const;
    void showFields(const ServerFields& fields);
    int selectedServer() const;
    void connectHandlers();
};

} // namespace velkarn
