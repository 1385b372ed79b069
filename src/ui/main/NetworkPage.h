#pragma once

#include "ui/network/NewServerGroup.h"
#include "ui/network/ServersGroup.h"

#include <QPushButton>
#include <QWidget>

namespace velkarn {

class Session;

// The Network page: the pre-defined servers to join, or a new server, in the same place.
class NetworkPage : public QWidget {
    Q_OBJECT
public:
    explicit NetworkPage(Session& session, QWidget* parent = nullptr);

    // Shows the server list (true) or the new-server group (false).
    void showServers(bool servers);

    ServersGroup* serversGroup;
    NewServerGroup* newServerGroup;
    QPushButton* backButton;
};

} // namespace velkarn
