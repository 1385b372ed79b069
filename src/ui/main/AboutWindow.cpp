#include "ui/main/AboutWindow.h"

#include "ui/main/Forms.h"
#include "ui/options/TestReportWindow.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/WindowPlacement.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace velkarn {

TfmAbout::TfmAbout(QWidget* parent) : QDialog(parent) {
    setUpWindow(this, "fmAbout", "About Velkarn...");

    auto* picture = new QLabel(this);
    picture->setPixmap(bannerPicture(360, 100));
    auto* version = new QLabel("Velkarn Version 0.1, 13th April 2000", this);
    auto* feedback = new QLabel("Please e-mail any thoughts or feedback to me through the", this);
    lgAddress = new TLegacy("Get new version!", this);
    lgAddress->setObjectName("lgAddress");
    lgAddress->Adress = VELKARN_NEW_VERSION_URL;
    lgAddress->AdressType = TLegacy::atWWW;
    lgAddress->ActiveColor = QColor(0, 128, 0);

    auto* credits = new QGroupBox("Credits", this);
    auto* creditLines = new QVBoxLayout(credits);
    creditLines->addWidget(new QLabel("Design and programming: the Velkarn developers", credits));
    creditLines->addWidget(new QLabel("Quake III Arena is a game of its own makers", credits));

    butTestReport = new QPushButton("Test Report", this);
    butTestReport->setObjectName("butTestReport");
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connectGuarded(butTestReport, &QPushButton::clicked, this, [this] { butTestReportClick(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(butTestReport);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(version);
    layout->addWidget(feedback);
    layout->addWidget(lgAddress);
    layout->addWidget(credits);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    centreOnScreen(this);
}

void TfmAbout::butTestReportClick() {
    forms().fmTestReport->show();
    forms().fmTestReport->raise();
}

} // namespace velkarn
