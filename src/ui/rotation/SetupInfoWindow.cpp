#include "ui/rotation/SetupInfoWindow.h"

#include "core/platform/TextFile.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkarn {

SetupInfoWindow::SetupInfoWindow(QWidget* parent) : QDialog(parent) {
    setUpWindow(this, "setupInfoWindow", "Velkarn Configuration Info");
    keptText_ = "[None]";
    infoEdit_ = named(new QPlainTextEdit(keptText_, this), "infoEdit");
    infoEdit_->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = named(buttons->button(QDialogButtonBox::Ok), "okButton");
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(namedLabel("&Enter Map Configuration Info : ", "infoLabel", this, infoEdit_));
    layout->addWidget(infoEdit_);
    layout->addWidget(buttons);
    rememberPlacement(this, QSize(380, 240));
    infoEdit_->setFocus();
}

void SetupInfoWindow::accept() {
    keptText_ = infoEdit_->toPlainText();
    QDialog::accept();
}

void SetupInfoWindow::reject() {
    infoEdit_->setPlainText(keptText_);
    QDialog::reject();
}

std::vector<std::string> SetupInfoWindow::infoLines() const {
    return splitLines(bytes(infoEdit_->toPlainText()));
}

} // namespace velkarn
