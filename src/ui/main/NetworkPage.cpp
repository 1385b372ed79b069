#include "ui/main/NetworkPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

NetworkPage::NetworkPage(Session& session, QWidget* parent) : QWidget(parent) {
    serversGroup = new ServersGroup(session, this);
    newServerGroup = new NewServerGroup(session, this);
    backButton = new QPushButton("Back", this);
    backButton->setObjectName("backButton");

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(backButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(serversGroup, 1);
    layout->addWidget(newServerGroup, 1);
    layout->addLayout(bottom);
    showServers(true);
}

void NetworkPage::showServers(bool servers) {
    serversGroup->setVisible(servers);
    newServerGroup->setVisible(!servers);
}

} // namespace velkarn
