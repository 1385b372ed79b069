#include "ui/main/NetworkPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

NetworkPage::NetworkPage(QWidget* parent) : QWidget(parent) {
    gbServers = new ServersGroup(this);
    gbNewServer = new NewServerGroup(this);
    butNetworkBack = new QPushButton("Back", this);
    butNetworkBack->setObjectName("butNetworkBack");

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(butNetworkBack);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gbServers, 1);
    layout->addWidget(gbNewServer, 1);
    layout->addLayout(bottom);
    showServers(true);
}

void NetworkPage::showServers(bool servers) {
    gbServers->setVisible(servers);
    gbNewServer->setVisible(!servers);
}

} // namespace velkarn
