#include "app/ComplexPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

ComplexPage::ComplexPage(QWidget* parent) : QWidget(parent) {
    gbMaps = new QGroupBox("Maps", this);
    gbMaps->setObjectName("gbMaps");
    gbBots = new QGroupBox("Bots", this);
    gbBots->setObjectName("gbBots");
    butPlay = new QPushButton("Play...", this);
    butPlay->setObjectName("butPlay");
    butComplexBack = new QPushButton("Back", this);
    butComplexBack->setObjectName("butComplexBack");

    auto* groups = new QHBoxLayout;
    groups->addWidget(gbMaps, 1);
    groups->addWidget(gbBots, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(butPlay);
    bottom->addWidget(butComplexBack);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups, 1);
    layout->addLayout(bottom);
}

} // namespace velkarn
