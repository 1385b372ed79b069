#pragma once

#include "core/launch/ServerListOps.h"
#include "core/session/Session.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace velkarn {

// "Pre-Defined Servers": the servers the user returns to, edited through three fields, and
// joining one of them. The list box mirrors the model's servers item for item; the fields
// are an editing area that changes nothing until a button is used.
class ServersGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ServersGroup(Session& session, QWidget* parent = nullptr);

    QListWidget* savedServerList;
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

private:
    Session& session_;
    ServerFields editedFields() const;
    void showFields(const ServerFields& fields);
    int selectedServer() const;
    void connectHandlers();
};

} // namespace velkarn
