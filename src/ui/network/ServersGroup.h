#pragma once

#include "core/network/QueryEngine.h"
#include "core/setup/SavedServerOps.h"

#include <QGroupBox>
#include <QTimer>

class QLineEdit;
class QPushButton;

namespace velkarn {

class Session;
class SavedServersModel;
class SeatWaitBox;
class ServerListPanel;

// "Pre-Defined Servers": the servers the user returns to, each with what it last answered
// (asked in the background when the group is shown, on Refresh and every few minutes while the
// program runs), filtered, edited through three fields, and joining one of them, at once or
// when a place on it is free. The fields are
// an editing area that changes nothing until a button is used.
class ServersGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ServersGroup(Session& session, QWidget* parent = nullptr,
                          QueryTiming timing = QueryTiming{});

public slots:
    // Shows the saved servers as they are now (after the start-up reading).
    void showServers();
    // Asks every saved server for its status; the rows fill in as answers come.
    void refreshStatus();

signals:
    void findServersRequested();
    // The address of the selected server, empty without one.
    void remoteConsoleRequested(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void connectHandlers();
    int selectedServer() const;
    void showSelectedServer();
    void addServerFromFields();
    void updateSelectedServer();
    void deleteSelectedServer();
    void deleteSelectedServersAfterAsking();
    void joinSelectedServer();
    ServerFields editedFields() const;
    void showFields(const ServerFields& fields);

    Session& session_;
    SavedServersModel* servers_;
    ServerListPanel* serverList_;
    QPushButton* refreshButton_;
    QPushButton* findServersButton_;
    QPushButton* buddiesButton_;
    QLineEdit* serverNameEdit_;
    QLineEdit* serverAddressEdit_;
    QLineEdit* serverPasswordEdit_;
    QPushButton* updateServerButton_;
    QPushButton* addServerButton_;
    QPushButton* deleteServerButton_;
    QPushButton* joinGameButton_;
    SeatWaitBox* seatWait_;
    QTimer reaskTimer_;
};

} // namespace velkarn
