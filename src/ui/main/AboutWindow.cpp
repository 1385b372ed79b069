#include "ui/main/AboutWindow.h"

#include "ui/widgets/Artwork.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkarn {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setUpWindow(this, "aboutWindow", "About Velkarn...");

    auto* picture = new QLabel(this);
    picture->setPixmap(bannerPicture(360, 100));
    picture->setAccessibleName("Velkarn banner");
    auto* version = new QLabel("Velkarn Version " VELKARN_VERSION, this);
    version->setObjectName("versionLabel");
    // A build that names no download page offers no link to one, nor a sentence leading to it.
    const QString newVersionAddress = VELKARN_NEW_VERSION_URL;
    if (!newVersionAddress.isEmpty()) {
        auto* feedback = new QLabel("New versions, and where to send your thoughts and feedback, "
                                    "are on the project's page:",
                                    this);
        feedback->setObjectName("feedbackLabel");
        feedback->setWordWrap(true);
        auto* newVersionLink = new LinkLabel("Get new version!", this);
        newVersionLink->setObjectName("newVersionLink");
        newVersionLink->address = VELKARN_NEW_VERSION_URL;
        newVersionLink->addressType = LinkLabel::Web;
        newVersionLink->hoverColor = QColor(0, 128, 0);
    }

    auto* credits = new QGroupBox("Credits", this);
    auto* creditLines = new QVBoxLayout(credits);
    creditLines->addWidget(new QLabel("Design and programming: the Velkarn developers", credits));
    creditLines->addWidget(new QLabel("Quake III Arena is a game of its own makers", credits));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = named(buttons->button(QDialogButtonBox::Ok), "okButton");
    ok->setDefault(true);
    QPushButton* testReport = namedButton("&Test Report", "testReportButton", this);
    buttons->addButton(testReport, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::close);
    connect(testReport, &QPushButton::clicked, this, &AboutWindow::testReportRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(version);
    if (auto* link = findChild<LinkLabel*>("newVersionLink")) {
        layout->addWidget(findChild<QLabel*>("feedbackLabel"));
        layout->addWidget(link);
    }
    layout->addWidget(credits);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    centreOnScreen(this);
    ok->setFocus();
}

} // namespace velkarn
