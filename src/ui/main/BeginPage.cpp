#include "ui/main/BeginPage.h"

#include "ui/widgets/Artwork.h"
#include "ui/widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

BeginPage::BeginPage(QWidget* parent) : QWidget(parent) {
    auto* picture = new QLabel(this);
    picture->setPixmap(bannerPicture(700, 150));
    picture->setAlignment(Qt::AlignCenter);

    versionLabel = new QLabel(VELKARN_VERSION, this);
    versionLabel->setObjectName("versionLabel");
    welcomeLabel = new QLabel("Welcome to Velkarn! Please choose a configuration :", this);
    welcomeLabel->setObjectName("welcomeLabel");
    setupTypeGroup = new RadioGroup(
        "Velkarn Configuration",
        {"Pre-Defined : To run a previously made Velkarn config file",
         "Setup Simple : To quickly create an offline random series of maps and bots",
         "Setup Complex : To allow more detailed setting-up of offline maps and bots",
         "Join Network : To join a previously existing network game",
         "Create Network: To create a network game"},
        this);
    setupTypeGroup->setObjectName("setupTypeGroup");
    setupTypeGroup->setItemIndex(PreDefined);
    goButton = new QPushButton("Go!", this);
    goButton->setObjectName("goButton");
    goButton->setDefault(true);
    makeBold(goButton);
    reportBugButton = new QPushButton("I've found a bug!", this);
    reportBugButton->setObjectName("reportBugButton");
    QFont small = reportBugButton->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    reportBugButton->setFont(small);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reportBugButton);
    buttons->addStretch();
    buttons->addWidget(versionLabel);
    buttons->addSpacing(12);
    buttons->addWidget(goButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(welcomeLabel);
    layout->addWidget(setupTypeGroup);
    layout->addStretch();
    layout->addLayout(buttons);
}

} // namespace velkarn
