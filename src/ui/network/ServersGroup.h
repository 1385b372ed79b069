#pragma once

#include "core/launch/ServerListOps.h"
#include "core/network/QueryEngine.h"

#include <QGroupBox>

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace velkarn {

class Session;
class SavedServersModel;
class ServerDetailsView;

// "Pre-Defined Servers": the servers the user returns to, each with what it last answered
// (asked in the background when the group is shown and on Refresh), edited through three fields,
// and joining one of them. The fields are an editing area that changes nothing until a button is
// used.
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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void connectHandlers();
    int selectedServer() const;
    void showSelectedServer();
    void showStatusOf(int row);
    void addServerFromFields();
    void updateSelectedServer();
    void deleteSelectedServer();
    void joinSelectedServer();
    ServerFields editedFields() const;
    void showFields(const ServerFields& fields);

    Session& session_;
    SavedServersModel* servers_;
    QSortFilterProxyModel* shownServers_;
    QTableView* savedServerTable_;
    QPushButton* refreshButton_;
    QPushButton* findServersButton_;
    ServerDetailsView* serverDetails_;
    QLineEdit* serverNameEdit_;
    QLineEdit* serverAddressEdit_;
    QLineEdit* serverPasswordEdit_;
    QPushButton* updateServerButton_;
    QPushButton* addServerButton_;
    QPushButton* deleteServerButton_;
    QPushButton* joinGameButton_;
};

} // namespace velkarn
