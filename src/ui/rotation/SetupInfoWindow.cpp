#include "ui/rotation/SetupInfoWindow.h"

#include "core/platform/TextFile.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velkarn {

SetupInfoWindow::SetupInfoWindow(QWidget* parent) : QDialog(parent) {
    setUpWindow(this, "setupInfoWindow", "Velkarn Configuration Info");
    auto* label = new QLabel("Enter Map Configuration Info : ", this);
    infoEdit = new QPlainTextEdit("[None]", this);
    infoEdit->setObjectName("infoEdit");
    label->setBuddy(infoEdit);
    okButton = new QPushButton("OK", this);
    okButton->setObjectName("okButton");
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(infoEdit);
    layout->addWidget(okButton, 0, Qt::AlignRight);
    resize(380, 240);
    centreOnScreen(this);
}

std::vector<std::string> SetupInfoWindow::infoLines() const {
    return splitLines(bytes(infoEdit->toPlainText()));
}

} // namespace velkarn
