#include "ui/main/NetworkPage.h"

#include "ui/network/NewServerGroup.h"
#include "ui/network/RecentServersGroup.h"
#include "ui/network/ServersGroup.h"
#include "ui/widgets/ControlHelpers.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

NetworkPage::NetworkPage(Session& session, QWidget* parent) : QWidget(parent) {
    serversGroup_ = new ServersGroup(session, this);
    recentGroup_ = new RecentServersGroup(session, this);
    newServerGroup_ = new NewServerGroup(session, this);
    backButton_ = namedButton("Bac&k", "backButton", this);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(backButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(serversGroup_, 2);
    layout->addWidget(recentGroup_, 1);
    layout->addWidget(newServerGroup_, 1);
    layout->addLayout(bottom);
    showServers(true);
    connect(serversGroup_, &ServersGroup::findServersRequested, this,
            &NetworkPage::findServersRequested);
    connect(serversGroup_, &ServersGroup::remoteConsoleRequested, this,
            &NetworkPage::remoteConsoleRequested);
    connect(backButton_, &QPushButton::clicked, this, &NetworkPage::backRequested);
}

void NetworkPage::showServers(bool servers) {
    serversGroup_->setVisible(servers);
    recentGroup_->setVisible(servers);
    newServerGroup_->setVisible(!servers);
    setFocusProxy(servers ? static_cast<QWidget*>(serversGroup_) : newServerGroup_);
}

void NetworkPage::listFilesRead() {
    serversGroup_->showServers();
}

void NetworkPage::useNavigationFrom(std::vector<std::string> gameArchives) {
    newServerGroup_->useNavigationFrom(std::move(gameArchives));
}

} // namespace velkarn
