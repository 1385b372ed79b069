#pragma once

#include <QGroupBox>

class QPushButton;
class QTableView;

namespace velkarn {

class RecentServersModel;
class Session;

// "Recently Played": the servers Velkarn joined, the last joined first, with when and for how
// long; the selected one can be saved to the saved servers.
class RecentServersGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RecentServersGroup(Session& session, QWidget* parent = nullptr);

private:
    void saveSelectedServer();

    Session& session_;
    RecentServersModel* recent_;
    QTableView* recentList_;
    QPushButton* saveServerButton_;
};

} // namespace velkarn
