#include "ui/rotation/ConfigInfoWindow.h"

#include "core/platform/TextFile.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velkarn {

TfmConfigInfo::TfmConfigInfo(QWidget* parent) : QDialog(parent) {
    setUpWindow(this, "fmConfigInfo", "Velkarn Configuration Info");
    auto* label = new QLabel("Enter Map Configuration Info : ", this);
    memConfigInfo = new QPlainTextEdit("[None]", this);
    memConfigInfo->setObjectName("memConfigInfo");
    label->setBuddy(memConfigInfo);
    butConfigInfoOK = new QPushButton("OK", this);
    butConfigInfoOK->setObjectName("butConfigInfoOK");
    butConfigInfoOK->setDefault(true);
    connect(butConfigInfoOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(memConfigInfo);
    layout->addWidget(butConfigInfoOK, 0, Qt::AlignRight);
    resize(380, 240);
    centreOnScreen(this);
}

std::vector<std::string> TfmConfigInfo::infoLines() const {
    return splitLines(bytes(memConfigInfo->toPlainText()));
}

} // namespace velkarn
