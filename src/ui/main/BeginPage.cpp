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

    lbSmallVersion = new QLabel(VELKARN_VERSION, this);
    lbSmallVersion->setObjectName("lbSmallVersion");
    lbSimpleHelp = new QLabel("Welcome to Velkarn! Please choose a configuration :", this);
    lbSimpleHelp->setObjectName("lbSimpleHelp");
    rgConfigType = new TRadioGroup(
        "Velkarn Configuration",
        {"Pre-Defined : To run a previously made Velkarn config file",
         "Setup Simple : To quickly create an offline random series of maps and bots",
         "Setup Complex : To allow more detailed setting-up of offline maps and bots",
         "Join Network : To join a previously existing network game",
         "Create Network: To create a network game"},
        this);
    rgConfigType->setObjectName("rgConfigType");
    rgConfigType->setItemIndex(PreDefined);
    butGo = new QPushButton("Go!", this);
    butGo->setObjectName("butGo");
    butGo->setDefault(true);
    makeBold(butGo);
    butSmallTestReport = new QPushButton("I've found a bug!", this);
    butSmallTestReport->setObjectName("butSmallTestReport");
    QFont small = butSmallTestReport->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    butSmallTestReport->setFont(small);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(butSmallTestReport);
    buttons->addStretch();
    buttons->addWidget(lbSmallVersion);
    buttons->addSpacing(12);
    buttons->addWidget(butGo);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(lbSimpleHelp);
    layout->addWidget(rgConfigType);
    layout->addStretch();
    layout->addLayout(buttons);
}

} // namespace velkarn
