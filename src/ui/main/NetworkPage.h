#pragma once

#include <QPushButton>
#include <QWidget>
#include <string>
#include <vector>

namespace velkarn {

class NewServerGroup;
class RecentServersGroup;
class ServersGroup;
class Session;

// The Network page: the saved servers to join with the servers played lately, or a new server,
// in the same place.
class NetworkPage : public QWidget {
    Q_OBJECT
public:
    explicit NetworkPage(Session& session, QWidget* parent = nullptr);

    // Shows the server list (true) or the new-server group (false).
    void showServers(bool servers);
    // The list files were read: the saved servers are shown.
    void listFilesRead();
    // Marks the new server's rotation rows whose map has no bot navigation in these archives.
    void useNavigationFrom(std::vector<std::string> gameArchives);

signals:
    void findServersRequested();
    void remoteConsoleRequested(const QString& address);
    void backRequested();

private:
    ServersGroup* serversGroup_;
    RecentServersGroup* recentGroup_;
    NewServerGroup* newServerGroup_;
    QPushButton* backButton_;
};

} // namespace velkarn
