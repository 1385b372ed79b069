#include "ui/options/ModEditWindow.h"

#include "ui/widgets/Dialogs.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QGridLayout>

namespace velkarn {

ModEditWindow::ModEditWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setUpWindow(this, "modEditWindow", "Edit Mod");
    modNameLabel = new QLabel("Name", this);
    modNameEdit = new QLineEdit(this);
    modNameEdit->setObjectName("modNameEdit");
    modNameEdit->setMinimumWidth(300);
    modNameLabel->setBuddy(modNameEdit);
    modParametersLabel = new QLabel("Parameters", this);
    modParametersEdit = new QLineEdit(this);
    modParametersEdit->setObjectName("modParametersEdit");
    modParametersLabel->setBuddy(modParametersEdit);
    okButton = new QPushButton("OK", this);
    okButton->setObjectName("okButton");
    makeBold(okButton);
    okButton->setDefault(true);
    cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName("cancelButton");
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(modNameLabel, 0, 0);
    grid->addWidget(modNameEdit, 0, 1, 1, 2);
    grid->addWidget(modParametersLabel, 1, 0);
    grid->addWidget(modParametersEdit, 1, 1, 1, 2);
    grid->addWidget(okButton, 2, 1);
    grid->addWidget(cancelButton, 2, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    centreOnScreen(this);
}

std::optional<Mod> ModEditWindow::edit(const Mod& mod) {
    modNameEdit->setText(local(mod.name));
    modParametersEdit->setText(local(mod.parameters));
    setResult(QDialog::Rejected); // a window closed by other means than OK changes nothing
    dialogs().runModal(*this);
    if (result() != QDialog::Accepted)
        return std::nullopt;
    return Mod{bytes(modNameEdit->text()), bytes(modParametersEdit->text())};
}

} // namespace velkarn
