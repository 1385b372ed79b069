#include "ui/main/BeginPage.h"

#include "ui/widgets/Artwork.h"
#include "ui/widgets/EnterPresses.h"
#include "ui/widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

BeginPage::BeginPage(QWidget* parent) : QWidget(parent) {
    auto* picture = new QLabel(this);
    picture->setPixmap(bannerPicture(700, 150));
    picture->setAccessibleName("Velkarn banner");
    picture->setAlignment(Qt::AlignCenter);

    versionLabel_ = new QLabel(VELKARN_VERSION, this);
    versionLabel_->setObjectName("versionLabel");
    welcomeLabel_ = new QLabel("Welcome to Velkarn! Please choose a configuration :", this);
    welcomeLabel_->setObjectName("welcomeLabel");
    setupTypeGroup_ = new RadioGroup(
        "Velkarn Configuration",
        {"&Pre-Defined : To run a previously made Velkarn config file",
         "Setup &Simple : To quickly create an offline random series of maps and bots",
         "Setup Co&mplex : To allow more detailed setting-up of offline maps and bots",
         "&Join Network : To join a previously existing network game",
         "&Create Network: To create a network game"},
        this);
    setupTypeGroup_->setObjectName("setupTypeGroup");
    setupTypeGroup_->setItemIndex(PreDefined);
    goButton_ = new QPushButton("&Go!", this);
    goButton_->setObjectName("goButton");
    pressOnEnter(this, goButton_);
    makeBold(goButton_);
    reportBugButton_ = new QPushButton("I've found a &bug!", this);
    reportBugButton_->setObjectName("reportBugButton");
    QFont small = reportBugButton_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    reportBugButton_->setFont(small);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reportBugButton_);
    buttons->addStretch();
    buttons->addWidget(versionLabel_);
    buttons->addSpacing(12);
    buttons->addWidget(goButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(welcomeLabel_);
    layout->addWidget(setupTypeGroup_);
    layout->addStretch();
    layout->addLayout(buttons);
    setFocusProxy(setupTypeGroup_);

    connect(goButton_, &QPushButton::clicked, this,
            [this] { emit goRequested(static_cast<SetupType>(setupTypeGroup_->itemIndex())); });
    connect(reportBugButton_, &QPushButton::clicked, this, &BeginPage::bugReportRequested);
}

} // namespace velkarn
